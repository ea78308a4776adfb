#pragma once
// Writes a text file as UTF-16 little-endian code units without a byte-order
// mark, the form of every file the program creates (config.ini, projects,
// device files). The new content replaces the file only when the writer is
// closed, in one step (FileReplacement), so a failed write never leaves half
// a file behind.

#include "storage/file_replacement.h"

#include <QString>

class TextFileWriter {
public:
    // Opens the file for writing, creating it if needed. A file that cannot
    // be opened makes every write a silent no-op.
    explicit TextFileWriter(const QString& path);
    ~TextFileWriter();  // closes

    TextFileWriter(const TextFileWriter&) = delete;
    TextFileWriter& operator=(const TextFileWriter&) = delete;

    bool isOpen() const { return file_.isOpen(); }
    void Write(const QString& text);

    // Puts the written text in place of the file. False when the file could
    // not be opened or written, or was closed before; the old content then stays.
    bool Close();

private:
    FileReplacement file_;
};
