#include "storage/file_replacement.h"

FileReplacement::FileReplacement(const QString& path) : file_(path) {
    file_.setDirectWriteFallback(true);
    (void)file_.open(QIODevice::WriteOnly);
}

bool FileReplacement::Write(const QByteArray& bytes) {
    if (!file_.isOpen())
        return false;
    if (file_.write(bytes) == bytes.size())
        return true;
    file_.cancelWriting();
    return false;
}

bool FileReplacement::Commit() {
    if (!file_.isOpen())
        return false;
    // Qt 6.4 writes a small file only while committing and ignores a failure
    // there, so a full disk would put an empty file in place of the old one:
    // the buffer is flushed and checked first.
    if (!file_.flush())
        file_.cancelWriting();
    return file_.commit();
}
