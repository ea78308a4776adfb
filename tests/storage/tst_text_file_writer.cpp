// TextFileWriter: UTF-16 little-endian without byte-order mark, the whole old
// content replaced, and nothing at all when the file cannot be written.
#include "storage/text_file_writer.h"

#include "tests/support/file_bytes.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(TextFileWriter, WritesUtf16LittleEndianWithoutMark) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("a.prj"));
    {
        TextFileWriter writer(path);
        EXPECT_TRUE(writer.isOpen());
        writer.Write(QStringLiteral("05FE"));
        writer.Write(QStringLiteral("ä\n"));
    }
    EXPECT_EQ(ReadFileBytes(path), QByteArray::fromHex("30 00 35 00 46 00 45 00 e4 00 0a 00"));
}

TEST(TextFileWriter, ReplacesALongerFileWhole) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("a.prj"));
    ASSERT_TRUE(WriteFileBytes(path, QByteArray(500, 'x')));
    TextFileWriter writer(path);
    writer.Write(QStringLiteral("1\n"));
    EXPECT_EQ(ReadFileBytes(path), QByteArray(500, 'x'));  // nothing changes before Close
    EXPECT_TRUE(writer.Close());
    EXPECT_EQ(ReadFileBytes(path), QByteArray::fromHex("31 00 0a 00"));
    EXPECT_FALSE(writer.Close());
}

TEST(TextFileWriter, AFileThatCannotBeOpenedGetsNothing) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("missing/a.prj"));
    TextFileWriter writer(path);
    EXPECT_FALSE(writer.isOpen());
    writer.Write(QStringLiteral("05\n"));
    EXPECT_FALSE(writer.Close());
    EXPECT_FALSE(QFile::exists(path));
}

}  // namespace
