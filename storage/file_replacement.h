#pragma once
// Every file the program writes goes through this: the new content is written
// beside the file and put in its place in one step, only when all of it
// reached the disk. A full disk or a file-size limit leaves the old file as
// it was and nothing beside it. Only a file in a folder that cannot be
// written to is written in place (an installed copy's config.ini).

#include <QByteArray>
#include <QSaveFile>
#include <QString>

class FileReplacement {
public:
    // Opens the new content for writing. A file that cannot be opened makes
    // every write a no-op and Commit false.
    explicit FileReplacement(const QString& path);
    // A replacement not committed is dropped with what it wrote (QSaveFile).
    ~FileReplacement() = default;

    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    bool isOpen() const { return file_.isOpen(); }
    // For writers that write themselves (QPdfWriter); their failures are
    // found by Commit.
    QIODevice* device() { return &file_; }
    // False once any write failed; the replacement is then dropped.
    bool Write(const QByteArray& bytes);

    // Puts the new content in place of the file. False, with the old file
    // untouched, when it could not be opened or written, or was committed.
    bool Commit();
    QString errorString() const { return file_.errorString(); }

private:
    QSaveFile file_;
};
