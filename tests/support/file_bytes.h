#pragma once
// Exact bytes of files, for tests that check what was written.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringEncoder>

inline QByteArray ReadFileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool WriteFileBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The text as UTF-16 little-endian code units, without a byte-order mark.
inline QByteArray Utf16LE(const QString& text) {
    QStringEncoder encoder(QStringConverter::Utf16LE);
    return encoder.encode(text);
}
