// LoadText: texts by id from the built-in table and from language modules,
// the trace line for a missing module, and "???" for a missing id.
#include "storage/load_text.h"

#include "addressing/trace.h"
#include "tests/support/file_bytes.h"
#include "tests/support/qt_printers.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kGerman = QStringLiteral(KELVANE_LANGUAGE_DIR "/de-DE.qm");
const QString kEnglish = QStringLiteral(KELVANE_LANGUAGE_DIR "/en-EN.qm");
const QString kLacking = QStringLiteral(KELVANE_LACKING_MODULE);  // only ids 179 and 228

QString Builtin(StringId id) {
    for (const StringTableEntry& entry : BuiltInStringTable()) {
        if (entry.id == id)
            return QString::fromUtf16(entry.text.data(), qsizetype(entry.text.size()));
    }
    return QString();
}

class LoadTextTest : public ::testing::Test {
protected:
    void SetUp() override {
        previousSink = SetTraceSink([this](const QString& line) { trace.append(line); });
    }
    void TearDown() override { SetTraceSink(previousSink); }

    QStringList trace;
    TraceSink previousSink;
};

TEST_F(LoadTextTest, BuiltInTableGivesTheTextsAsTheyAre) {
    EXPECT_EQ(LoadText(176, QString()), QStringLiteral("Guppenübersicht"));
    EXPECT_EQ(LoadText(155, QString()), QStringLiteral("Zurücksetzten"));
    EXPECT_EQ(LoadText(419, QString()), QStringLiteral("Der Befehl wurde erfolgreich ausgefüht."));
    EXPECT_EQ(LoadText(192, QString()),
              QStringLiteral("Es wurden keine Quorrel gefunden.\nBitte prüfen Sie die USB-Verbindung und versuchen Sie "
                             "es erneut."));
    EXPECT_EQ(LoadText(110, QString()), QString(10, u' '));
    EXPECT_EQ(LoadText(281, QString()), QStringLiteral("\nNeues Projekt"));
    EXPECT_EQ(LoadText(57344, QString()), QStringLiteral("Orvent Kelvane"));
    EXPECT_TRUE(trace.isEmpty());
}

TEST_F(LoadTextTest, IdZeroIsEmptyAndUnknownIdsReadQuestionMarks) {
    EXPECT_EQ(LoadText(0, QString()), QString());
    EXPECT_EQ(LoadText(0, kEnglish), QString());
    EXPECT_EQ(LoadText(112, QString()), QStringLiteral("???"));
    EXPECT_EQ(LoadText(60000, QString()), QStringLiteral("???"));
    EXPECT_EQ(LoadText(112, kEnglish), QStringLiteral("???"));
}

TEST_F(LoadTextTest, EnglishModuleGivesEnglishTexts) {
    EXPECT_EQ(LoadText(229, kEnglish), QStringLiteral("Program settings"));
    EXPECT_EQ(LoadText(192, kEnglish),
              QStringLiteral("No Quorrel interface was found.\nPlease check the USB connection and try again."));
    EXPECT_EQ(LoadText(281, kEnglish), QStringLiteral("\nNew project"));
    EXPECT_EQ(LoadText(261, kEnglish), QStringLiteral("Device %d"));
    EXPECT_TRUE(trace.isEmpty());
}

TEST_F(LoadTextTest, ShippedModulesCoverTheWholeTable) {
    for (const StringTableEntry& entry : BuiltInStringTable()) {
        EXPECT_EQ(LoadText(entry.id, kGerman), Builtin(entry.id)) << entry.id;
        const QString english = LoadText(entry.id, kEnglish);
        EXPECT_FALSE(english.isEmpty()) << entry.id;
        EXPECT_NE(english, QStringLiteral("???")) << entry.id;
    }
}

TEST_F(LoadTextTest, AnIdTheModuleLacksReadsQuestionMarksEvenIfTheTableHasIt) {
    EXPECT_EQ(LoadText(179, kLacking), QStringLiteral("Okay"));
    EXPECT_EQ(LoadText(229, kLacking), QStringLiteral("???"));
    EXPECT_EQ(LoadText(228, kLacking), QStringLiteral("Address gear"));
    EXPECT_TRUE(trace.isEmpty());
}

TEST_F(LoadTextTest, MissingModuleFallsBackToTheTableAndTracesEveryLookup) {
    QTemporaryDir folder;
    const QString missing = folder.path() + QStringLiteral("/language/en-En.qm");
    EXPECT_EQ(LoadText(229, missing), QStringLiteral("Programmeinstellungen"));
    EXPECT_EQ(LoadText(112, missing), QStringLiteral("???"));
    EXPECT_EQ(LoadText(0, missing), QString());
    EXPECT_EQ(trace, QStringList(3, QStringLiteral("Fehler, DLL nicht gefunden!\n")));
}

// A module cut short, a length or offset pointing past the file, a foreign
// file: none is a module, and each gives the built-in texts without a trace.
TEST_F(LoadTextTest, AFileThatIsNoModuleGivesTheTableWithoutTrace) {
    QFile english(kEnglish);
    ASSERT_TRUE(english.open(QIODevice::ReadOnly));
    const QByteArray module = english.readAll();
    QByteArray bigLength = module;
    bigLength[17] = '\x7F';  // the first section's length
    QTemporaryDir folder;
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"not a translation file", "not a translation file"},
        {"cut in its header", module.left(10)},
        {"cut in a message", module.left(module.size() / 2)},
        {"a section longer than the file", bigLength},
        {"offsets past the end (crashed QTranslator)", ReadFileBytes(QStringLiteral(KELVANE_DAMAGED_MODULE))},
    };
    int n = 0;
    for (const auto& c : cases) {
        const QString path = folder.filePath(QStringLiteral("m%1.qm").arg(++n));
        ASSERT_TRUE(WriteFileBytes(path, c.bytes)) << c.name;
        EXPECT_EQ(LoadText(229, path), QStringLiteral("Programmeinstellungen")) << c.name;
    }
    EXPECT_TRUE(trace.isEmpty());
}

TEST_F(LoadTextTest, AReplacedModuleFileIsReadAgain) {
    QTemporaryDir folder;
    const QString path = folder.path() + QStringLiteral("/en-EN.qm");
    ASSERT_TRUE(QFile::copy(kEnglish, path));
    EXPECT_EQ(LoadText(229, path), QStringLiteral("Program settings"));
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QFile::copy(kLacking, path));
    EXPECT_EQ(LoadText(229, path), QStringLiteral("???"));
    EXPECT_EQ(LoadText(179, path), QStringLiteral("Okay"));
}

TEST(BuiltInStringTable, IdsAscendOnceEachAndNoTextIsEmpty) {
    StringId previous = 0;
    for (const StringTableEntry& entry : BuiltInStringTable()) {
        EXPECT_GT(entry.id, previous);
        EXPECT_FALSE(entry.text.empty()) << entry.id;
        previous = entry.id;
    }
}

}  // namespace
