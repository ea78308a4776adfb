#include "storage/text_file_writer.h"

#include <QStringEncoder>

TextFileWriter::TextFileWriter(const QString& path) : file_(path) {}

TextFileWriter::~TextFileWriter() { Close(); }

void TextFileWriter::Write(const QString& text) {
    QStringEncoder encoder(QStringConverter::Utf16LE);
    (void)file_.Write(encoder.encode(text));
}

bool TextFileWriter::Close() { return file_.Commit(); }
