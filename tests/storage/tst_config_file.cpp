// ConfigFile: reading and writing keys of section "config" in the encodings a
// config.ini may come in, the two error boxes, and replacing the file whole.
#include "storage/config_file.h"

#include "tests/support/file_bytes.h"
#include "tests/support/qt_printers.h"
#include "tests/support/scripted_prompts.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

const QString kDefaultConfig =
    QStringLiteral("[config]\nlang=de-DE\nauto_connect=1\nauto_locate=1\nadr_switch_ask=1\n");

class ConfigFileTest : public ::testing::Test {
protected:
    QString path() const { return folder.path() + QStringLiteral("/config.ini"); }

    // Writes config.ini and opens it.
    void Prepare(const QByteArray& bytes) {
        ASSERT_TRUE(WriteFileBytes(path(), bytes));
        ASSERT_TRUE(config.Open(QStringLiteral("config.ini")));
    }

    QTemporaryDir folder;
    Settings settings;
    ScriptedPrompts prompts{settings};
    ConfigFile config{folder.path(), prompts};
};

TEST_F(ConfigFileTest, OpenRemembersOnlyAnExistingFile) {
    EXPECT_FALSE(config.Open(QStringLiteral("config.ini")));
    EXPECT_TRUE(config.path().isEmpty());
    Prepare("[config]\n");
    EXPECT_EQ(config.path(), path());
    EXPECT_FALSE(config.Open(QStringLiteral("other.ini")));
    EXPECT_TRUE(config.path().isEmpty());
}

TEST_F(ConfigFileTest, ReadsTheFileItCreatesInUtf16) {
    Prepare(Utf16LE(kDefaultConfig));
    EXPECT_EQ(config.ReadString(QStringLiteral("lang"), QStringLiteral("en-EN")), QStringLiteral("de-DE"));
    EXPECT_EQ(config.ReadString(QStringLiteral("auto_connect"), QStringLiteral("0")), QStringLiteral("1"));
    EXPECT_EQ(config.ReadString(QStringLiteral("adr_switch_ask"), QStringLiteral("0")), QStringLiteral("1"));
    EXPECT_TRUE(prompts.stockMessages.empty());
}

TEST_F(ConfigFileTest, ReadsEightBitAndMarkedFiles) {
    // Latin-1 (not valid UTF-8), UTF-8 with and without mark, UTF-16 with marks.
    const std::pair<QByteArray, QString> cases[] = {
        {QStringLiteral("[config]\r\nlang=Français\r\n").toLatin1(), QStringLiteral("Français")},
        {QStringLiteral("[config]\nlang=Français\n").toUtf8(), QStringLiteral("Français")},
        {QByteArray("\xEF\xBB\xBF[config]\nlang=x1\n"), QStringLiteral("x1")},
        {QByteArray("\xFF\xFE") + Utf16LE(QStringLiteral("[config]\nlang=x2\n")), QStringLiteral("x2")},
        {QByteArray("\xFE\xFF\0[\0c\0o\0n\0f\0i\0g\0]\0\n\0l\0a\0n\0g\0=\0x\0003\0\n", 36), QStringLiteral("x3")},
    };
    for (const auto& [bytes, expected] : cases) {
        Prepare(bytes);
        EXPECT_EQ(config.ReadString(QStringLiteral("lang"), QStringLiteral("?")), expected) << bytes.toHex().data();
    }
}

TEST_F(ConfigFileTest, MatchesSectionAndKeyWithoutLetterCaseAndTrimsValues) {
    Prepare("; comment\n[other]\nlang=wrong\n[CONFIG]\n  Lang =  \"en-EN\"  \n auto_connect = 7 \n");
    EXPECT_EQ(config.ReadString(QStringLiteral("lang"), QStringLiteral("?")), QStringLiteral("en-EN"));
    EXPECT_EQ(config.ReadString(QStringLiteral("auto_connect"), QStringLiteral("?")), QStringLiteral("7"));
    EXPECT_EQ(config.ReadString(QStringLiteral("auto_locate"), QStringLiteral("dflt")), QStringLiteral("dflt"));
    EXPECT_TRUE(prompts.stockMessages.empty());
}

TEST_F(ConfigFileTest, EmptyValueShowsTheReadBoxOnceAndGivesEmpty) {
    Prepare(Utf16LE(QStringLiteral("[config]\nadr_switch_ask=\n")));
    EXPECT_EQ(config.ReadString(QStringLiteral("adr_switch_ask"), QStringLiteral("1")), QString());
    ASSERT_EQ(prompts.stockMessages.size(), 1u);
    EXPECT_EQ(prompts.stockMessages[0].text, QStringLiteral("Can not read from Ini-File"));
    EXPECT_EQ(prompts.stockMessages[0].caption, QStringLiteral("Error"));
}

TEST_F(ConfigFileTest, NoFileGivesEmptyRatherThanTheDefault) {
    EXPECT_EQ(config.ReadString(QStringLiteral("lang"), QStringLiteral("en-EN")), QString());
    Prepare("[config]\nlang=de-DE\n");
    ASSERT_TRUE(QFile::remove(path()));
    EXPECT_EQ(config.ReadString(QStringLiteral("lang"), QStringLiteral("en-EN")), QString());
    EXPECT_TRUE(prompts.stockMessages.empty());
}

TEST_F(ConfigFileTest, ValuesAreCutAt511Characters) {
    const QString value(600, u'x');
    Prepare(("[config]\nlang=" + value + "\n").toLatin1());
    EXPECT_EQ(config.ReadString(QStringLiteral("lang"), QString()), QString(511, u'x'));
}

TEST_F(ConfigFileTest, WriteRewritesOneKeyAndKeepsTheRestAndTheEncoding) {
    Prepare(Utf16LE(kDefaultConfig));
    config.WriteString(QStringLiteral("adr_switch_ask"), QStringLiteral("0"));
    config.WriteString(QStringLiteral("lang"), QStringLiteral("en-EN"));
    EXPECT_EQ(ReadFileBytes(path()),
              Utf16LE(QStringLiteral("[config]\nlang=en-EN\nauto_connect=1\nauto_locate=1\nadr_switch_ask=0\n")));
    EXPECT_TRUE(prompts.stockMessages.empty());
}

TEST_F(ConfigFileTest, WriteKeepsMarksEightBitTextAndLineEnds) {
    const std::pair<QByteArray, QByteArray> cases[] = {
        {QByteArray("[config]\r\n; f\xFCr\r\nlang=de-DE\r\n"), QByteArray("[config]\r\n; f\xFCr\r\nlang=fr-FR\r\n")},
        {QByteArray("\xEF\xBB\xBF[config]\nlang=de-DE"), QByteArray("\xEF\xBB\xBF[config]\nlang=fr-FR")},
        {QByteArray("\xFF\xFE") + Utf16LE(QStringLiteral("[config]\nlang=de-DE\n")),
         QByteArray("\xFF\xFE") + Utf16LE(QStringLiteral("[config]\nlang=fr-FR\n"))},
    };
    for (const auto& [before, after] : cases) {
        Prepare(before);
        config.WriteString(QStringLiteral("lang"), QStringLiteral("fr-FR"));
        EXPECT_EQ(ReadFileBytes(path()).toHex(' '), after.toHex(' '));
    }
}

TEST_F(ConfigFileTest, WriteAddsAMissingKeyToItsSectionAndAMissingSectionAtTheEnd) {
    Prepare("[config]\r\nlang=de-DE\r\n\r\n[other]\r\nx=1\r\n");
    config.WriteString(QStringLiteral("auto_connect"), QStringLiteral("0"));
    EXPECT_EQ(ReadFileBytes(path()), QByteArray("[config]\r\nlang=de-DE\r\nauto_connect=0\r\n\r\n[other]\r\nx=1\r\n"));

    Prepare("[other]\nx=1");
    config.WriteString(QStringLiteral("lang"), QStringLiteral("de-DE"));
    EXPECT_EQ(ReadFileBytes(path()), QByteArray("[other]\nx=1\n[config]\nlang=de-DE\n"));
}

TEST_F(ConfigFileTest, WriteReplacesTheFileInsteadOfWritingIntoIt) {
    // A second name for the old file keeps the old content: the new content
    // went into a new file that took the name in one step.
    Prepare("[config]\nlang=de-DE\n");
    const QString oldName = folder.path() + QStringLiteral("/old.ini");
    ASSERT_EQ(::link(QFile::encodeName(path()).constData(), QFile::encodeName(oldName).constData()), 0);
    config.WriteString(QStringLiteral("lang"), QStringLiteral("en-EN"));
    EXPECT_EQ(ReadFileBytes(path()), QByteArray("[config]\nlang=en-EN\n"));
    EXPECT_EQ(ReadFileBytes(oldName), QByteArray("[config]\nlang=de-DE\n"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 2);  // no temporary file left
}

TEST_F(ConfigFileTest, WriteDoesNothingWhenTheFileHasGone) {
    config.WriteString(QStringLiteral("lang"), QStringLiteral("en-EN"));
    Prepare("[config]\n");
    ASSERT_TRUE(QFile::remove(path()));
    config.WriteString(QStringLiteral("lang"), QStringLiteral("en-EN"));
    EXPECT_FALSE(QFile::exists(path()));
    EXPECT_TRUE(prompts.stockMessages.empty());
}

TEST_F(ConfigFileTest, FailedWriteShowsTheWriteBox) {
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("config.ini")));  // a folder cannot be replaced by a file
    ASSERT_TRUE(config.Open(QStringLiteral("config.ini")));
    config.WriteString(QStringLiteral("lang"), QStringLiteral("en-EN"));
    ASSERT_EQ(prompts.stockMessages.size(), 1u);
    EXPECT_EQ(prompts.stockMessages[0].text, QStringLiteral("Can not write into Ini-File"));
    EXPECT_EQ(prompts.stockMessages[0].caption, QStringLiteral("Error"));
}

TEST(IniInteger, ConvertsLikeTheDecimalTextToIntegerConversion) {
    const std::pair<const char*, int32_t> cases[] = {
        {"1", 1},
        {" 12abc", 12},
        {"-3", -3},
        {"+1", 1},
        {"abc", 0},
        {"", 0},
        {"1.9", 1},
        {"- 1", 0},
        {"99999999999", 2147483647},
        {"-99999999999", -2147483647 - 1},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(IniInteger(QString::fromLatin1(text)), expected) << text;
}

}  // namespace
