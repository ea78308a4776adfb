// LoadSettings: the first start that creates config.ini, the values it takes
// from the file, and the language module path it picks.
#include "storage/load_settings.h"

#include "tests/support/file_bytes.h"
#include "tests/support/qt_printers.h"
#include "tests/support/scripted_prompts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class LoadSettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("language")));
        for (const char* module : {"de-DE.qm", "en-EN.qm"})
            ASSERT_TRUE(WriteFileBytes(languageFolder() + u'/' + QLatin1String(module), "module"));
    }

    QString languageFolder() const { return folder.path() + QStringLiteral("/language"); }
    QString configPath() const { return folder.path() + QStringLiteral("/config.ini"); }

    void Load(const QByteArray& config) {
        ASSERT_TRUE(WriteFileBytes(configPath(), config));
        LoadSettings(paths, prompts, settings);
    }

    QTemporaryDir folder;
    ProgramPaths paths{folder.path(), folder.path()};
    Settings settings;
    ScriptedPrompts prompts{settings};
};

TEST_F(LoadSettingsTest, FirstStartCreatesTheFiveLinesAndReadsThem) {
    LoadSettings(paths, prompts, settings);

    const QByteArray expected =
        Utf16LE(QStringLiteral("[config]\nlang=de-DE\nauto_connect=1\nauto_locate=1\nadr_switch_ask=1\n"));
    const QByteArray written = ReadFileBytes(configPath());
    EXPECT_EQ(written.size(), 132);
    EXPECT_EQ(written, expected);
    EXPECT_EQ(written.left(8), QByteArray("[\0c\0o\0n", 8));

    EXPECT_EQ(settings.autoConnect, 1);
    EXPECT_EQ(settings.identifyMode, 1);
    EXPECT_EQ(settings.askAddressChange, 1);
    EXPECT_EQ(settings.languageModulePath, languageFolder() + QStringLiteral("/de-DE.qm"));
    EXPECT_TRUE(prompts.stockMessages.empty());
}

TEST_F(LoadSettingsTest, EmergencyStaggerDefaultsToThirtySecondsAndIsHeldToAnHour) {
    const std::pair<const char*, int> cases[] = {{"", 30}, {"emergency_stagger=5\n", 5},
                                                 {"emergency_stagger=-4\n", 0}, {"emergency_stagger=90000\n", 3600}};
    for (const auto& [line, seconds] : cases) {
        Load(QByteArray("[config]\nlang=de-DE\n") + line);
        EXPECT_EQ(settings.emergencyStaggerSeconds, seconds) << line;
    }
}

TEST_F(LoadSettingsTest, ReadsAnEightBitFileWithoutRewritingIt) {
    const QByteArray config("[config]\r\nlang=en-EN\r\nauto_connect=0\r\nauto_locate=0\r\nadr_switch_ask=1\r\n");
    Load(config);
    EXPECT_EQ(settings.autoConnect, 0);
    EXPECT_EQ(settings.identifyMode, 0);
    EXPECT_EQ(settings.askAddressChange, 1);
    EXPECT_EQ(settings.languageModulePath, languageFolder() + QStringLiteral("/en-EN.qm"));
    EXPECT_EQ(ReadFileBytes(configPath()), config);
}

TEST_F(LoadSettingsTest, OnlyExactlyOneIsOn) {
    Load("[config]\nauto_connect=2\nauto_locate=2\nadr_switch_ask=01\n");
    EXPECT_EQ(settings.identifyMode, 0);
    EXPECT_EQ(settings.autoConnect, 2);       // kept as read; only 1 connects
    EXPECT_EQ(settings.askAddressChange, 1);  // "01" is the number 1
}

TEST_F(LoadSettingsTest, MissingKeysTakeTheirDefaults) {
    Load("[config]\n");
    EXPECT_EQ(settings.autoConnect, 0);
    EXPECT_EQ(settings.identifyMode, 1);
    EXPECT_EQ(settings.askAddressChange, 1);
    EXPECT_EQ(settings.languageModulePath, languageFolder() + QStringLiteral("/en-EN.qm"));
}

TEST_F(LoadSettingsTest, ModuleNamesAreFoundWithoutRegardToLetterCase) {
    Load("[config]\nlang=fr-FR\n");
    EXPECT_EQ(settings.languageModulePath, languageFolder() + QStringLiteral("/en-EN.qm"));
    Load("[config]\nlang=DE-de\n");
    EXPECT_EQ(settings.languageModulePath, languageFolder() + QStringLiteral("/de-DE.qm"));
    // A name that reaches outside the folder names no module there.
    ASSERT_TRUE(QFile::copy(languageFolder() + QStringLiteral("/de-DE.qm"), folder.filePath(QStringLiteral("x.qm"))));
    Load("[config]\nlang=../x\n");
    EXPECT_EQ(settings.languageModulePath, languageFolder() + QStringLiteral("/en-EN.qm"));
    // Without any English module the fallback names en-En.qm all the same.
    ASSERT_TRUE(QFile::remove(languageFolder() + QStringLiteral("/en-EN.qm")));
    Load("[config]\nlang=fr-FR\n");
    EXPECT_EQ(settings.languageModulePath, languageFolder() + QStringLiteral("/en-En.qm"));
}

TEST_F(LoadSettingsTest, AnEmptyValueShowsTheReadBoxOnceAndCountsAsZero) {
    Load("[config]\nlang=de-DE\nauto_connect=1\nauto_locate=1\nadr_switch_ask=\n");
    ASSERT_EQ(prompts.stockMessages.size(), 1u);
    EXPECT_EQ(prompts.stockMessages[0].text, QStringLiteral("Can not read from Ini-File"));
    EXPECT_EQ(settings.askAddressChange, 0);
    EXPECT_EQ(settings.autoConnect, 1);
    EXPECT_EQ(settings.identifyMode, 1);
}

TEST_F(LoadSettingsTest, AnEmptyLanguageNamesNoModuleAndFallsBack) {
    Load("[config]\nlang=\n");
    EXPECT_EQ(prompts.stockMessages.size(), 1u);
    EXPECT_EQ(settings.languageModulePath, languageFolder() + QStringLiteral("/en-EN.qm"));
}

TEST_F(LoadSettingsTest, AConfigThatCannotBeCreatedLeavesEverythingOff) {
    ASSERT_TRUE(WriteFileBytes(folder.path() + QStringLiteral("/blocker"), "a file, not a folder"));
    paths.configFolder = folder.path() + QStringLiteral("/blocker/config");
    settings = {1, 1, 1, QStringLiteral("old")};
    LoadSettings(paths, prompts, settings);
    EXPECT_EQ(settings.autoConnect, 0);
    EXPECT_EQ(settings.identifyMode, 0);
    EXPECT_EQ(settings.askAddressChange, 0);
    EXPECT_EQ(settings.languageModulePath, languageFolder() + QStringLiteral("/en-EN.qm"));
    EXPECT_TRUE(prompts.stockMessages.empty());
}

TEST_F(LoadSettingsTest, AMissingUserConfigFolderIsCreated) {
    paths.configFolder = folder.path() + QStringLiteral("/user/kelvane");
    LoadSettings(paths, prompts, settings);
    EXPECT_EQ(ReadFileBytes(paths.configFolder + QStringLiteral("/config.ini")).size(), 132);
    EXPECT_EQ(settings.autoConnect, 1);
}

TEST(ChooseProgramPaths, ABuildKeepsAllBesideTheProgramAnInstalledCopyUsesTheUserFolder) {
    QTemporaryDir root;
    const QDir dir(root.path());
    const QString user = QStringLiteral("/user/kelvane");
    ASSERT_TRUE(dir.mkpath(QStringLiteral("build/language")) && dir.mkpath(QStringLiteral("usr/bin")) &&
                dir.mkpath(QStringLiteral("usr/share/kelvane/language")));
    const QString build = root.filePath(QStringLiteral("build")), bin = root.filePath(QStringLiteral("usr/bin"));

    const ProgramPaths inBuild = ChooseProgramPaths(build, user);
    EXPECT_EQ(inBuild.programFolder, build);
    EXPECT_EQ(inBuild.configFolder, build);
    const ProgramPaths installed = ChooseProgramPaths(bin, user);  // bin/ is writable here, as for root
    EXPECT_EQ(installed.programFolder, root.filePath(QStringLiteral("usr/share/kelvane")));
    EXPECT_EQ(installed.configFolder, user);
    // Neither layout (modules missing): the program's own folder, if it can be written.
    const QString gone = root.filePath(QStringLiteral("gone"));
    EXPECT_EQ(ChooseProgramPaths(gone, user).programFolder, gone);
    EXPECT_EQ(ChooseProgramPaths(gone, user).configFolder, user);
}

}  // namespace
