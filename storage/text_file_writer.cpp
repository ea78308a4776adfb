#include "storage/text_file_writer.h"

#include <QStringEncoder>

TextFileWriter::TextFileWriter(const QString& path) : file_(path) {
    // A file that may be written in a folder that may not (an installed
    // copy's config.ini, a project on a shared folder) is written in place.
    file_.setDirectWriteFallback(true);
    (void)file_.open(QIODevice::WriteOnly);
}

TextFileWriter::~TextFileWriter() { Close(); }

void TextFileWriter::Write(const QString& text) {
    if (!file_.isOpen())
        return;
    QStringEncoder encoder(QStringConverter::Utf16LE);
    const QByteArray bytes = encoder.encode(text);
    if (file_.write(bytes) != bytes.size())
        file_.cancelWriting();
}

bool TextFileWriter::Close() { return file_.isOpen() && file_.commit(); }
