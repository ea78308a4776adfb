// CSettingsDlg: its labels, the module list and its preselection, the check
// boxes read from config.ini, and what "Übernehmen" and "Abbrechen" write.
#include "storage/settings_dlg.h"

#include "devices/prompts.h"
#include "storage/load_settings.h"
#include "tests/support/file_bytes.h"
#include "tests/support/qt_printers.h"
#include "tests/support/scripted_prompts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kDefaultConfig =
    QStringLiteral("[config]\nlang=de-DE\nauto_connect=1\nauto_locate=1\nadr_switch_ask=1\n");

class SettingsDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        QDir program(folder.path());
        ASSERT_TRUE(program.mkpath(QStringLiteral("language/more.qm")));
        for (const char* file : {"en-EN.qm", "de-DE.qm", "readme.txt", "more.qm/it-IT.qm"})
            ASSERT_TRUE(WriteFileBytes(program.filePath(QStringLiteral("language/") + QLatin1String(file)), "x"));
    }

    QString configPath() const { return folder.path() + QStringLiteral("/config.ini"); }

    // Opens a new dialog; the previous one goes.
    CSettingsDlg& Open(const QString& module = QString()) {
        dialog = std::make_unique<CSettingsDlg>(paths, module, prompts);
        languages = dialog->findChild<QComboBox*>(QStringLiteral("languageList"));
        autoConnect = dialog->findChild<QCheckBox*>(QStringLiteral("autoConnectBox"));
        askAddressChange = dialog->findChild<QCheckBox*>(QStringLiteral("askAddressChangeBox"));
        identify = dialog->findChild<QCheckBox*>(QStringLiteral("identifyBox"));
        apply = dialog->findChild<QPushButton*>(QStringLiteral("applyButton"));
        cancel = dialog->findChild<QPushButton*>(QStringLiteral("cancelButton"));
        EXPECT_TRUE(languages && autoConnect && askAddressChange && identify && apply && cancel);
        return *dialog;
    }

    QTemporaryDir folder;
    ProgramPaths paths{folder.path(), folder.path()};
    Settings settings;
    ScriptedPrompts prompts{settings};
    std::unique_ptr<CSettingsDlg> dialog;
    QComboBox* languages = nullptr;
    QCheckBox* autoConnect = nullptr;
    QCheckBox* askAddressChange = nullptr;
    QCheckBox* identify = nullptr;
    QPushButton* apply = nullptr;
    QPushButton* cancel = nullptr;
};

QStringList Items(const QComboBox& box) {
    QStringList items;
    for (int i = 0; i < box.count(); ++i)
        items.append(box.itemText(i));
    return items;
}

TEST_F(SettingsDlgTest, ListsTheModulesSortedAndPreselectsTheExactName) {
    ASSERT_TRUE(WriteFileBytes(configPath(), Utf16LE(kDefaultConfig)));
    Open();
    EXPECT_EQ(Items(*languages), (QStringList{"de-DE", "en-EN", "it-IT"}));
    EXPECT_EQ(languages->currentText(), QStringLiteral("de-DE"));

    ASSERT_TRUE(WriteFileBytes(configPath(), "[config]\nlang=en-EN\n"));
    Open();
    EXPECT_EQ(languages->currentIndex(), 1);

    ASSERT_TRUE(WriteFileBytes(configPath(), "[config]\nlang=en-en\n"));
    Open();
    EXPECT_EQ(languages->currentIndex(), -1);
}

TEST_F(SettingsDlgTest, NoLanguageFolderGivesAnEmptyList) {
    paths.programFolder = folder.path() + QStringLiteral("/elsewhere");
    Open();
    EXPECT_EQ(languages->count(), 0);
}

TEST_F(SettingsDlgTest, LabelsComeFromTheLanguageModule) {
    EXPECT_EQ(Open().windowTitle(), QStringLiteral("Einstellungen"));
    EXPECT_EQ(autoConnect->text(), QStringLiteral("Automatisch verbinden"));
    EXPECT_EQ(askAddressChange->text(), QStringLiteral("Nachfrage bei Adressänderung?"));
    EXPECT_EQ(identify->text(), QStringLiteral("Standardmäßig identifizieren"));
    EXPECT_EQ(apply->text(), QStringLiteral("Übernehmen"));
    EXPECT_EQ(cancel->text(), QStringLiteral("Abbrechen"));
    EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("languageLabel"))->text(), QStringLiteral("Sprache"));

    EXPECT_EQ(Open(QStringLiteral(KELVANE_LANGUAGE_DIR "/en-EN.qm")).windowTitle(), QStringLiteral("Settings"));
    EXPECT_EQ(askAddressChange->text(), QStringLiteral("Ask before changing an address?"));
    EXPECT_EQ(apply->text(), QStringLiteral("Apply"));
}

TEST_F(SettingsDlgTest, CheckBoxesFollowTheConfigOnlyOneTicks) {
    ASSERT_TRUE(WriteFileBytes(configPath(), "[config]\nauto_connect=1\nauto_locate=2\nadr_switch_ask=0\n"));
    Open();
    EXPECT_TRUE(autoConnect->isChecked());
    EXPECT_FALSE(identify->isChecked());
    EXPECT_FALSE(askAddressChange->isChecked());
}

TEST_F(SettingsDlgTest, ApplyWritesTheFourKeysInOrderAndKeepsTheEncoding) {
    ASSERT_TRUE(WriteFileBytes(configPath(), Utf16LE(QStringLiteral("[config]\n"))));
    Open();
    languages->setCurrentIndex(1);
    autoConnect->setChecked(true);
    identify->setChecked(false);
    askAddressChange->setChecked(true);
    apply->click();
    EXPECT_EQ(dialog->result(), kDialogOk);
    EXPECT_EQ(ReadFileBytes(configPath()),
              Utf16LE(QStringLiteral("[config]\nlang=en-EN\nauto_connect=1\nauto_locate=0\nadr_switch_ask=1\n")));
}

TEST_F(SettingsDlgTest, ApplyWithoutAChosenModuleLeavesLangAlone) {
    ASSERT_TRUE(WriteFileBytes(configPath(), Utf16LE(QStringLiteral("[config]\nlang=fr-FR\n"))));
    Open();
    EXPECT_EQ(languages->currentIndex(), -1);
    apply->click();
    EXPECT_EQ(ReadFileBytes(configPath()),
              Utf16LE(QStringLiteral("[config]\nlang=fr-FR\nauto_connect=0\nauto_locate=1\nadr_switch_ask=1\n")));
}

TEST_F(SettingsDlgTest, UntickingTakesEffectAfterTheSettingsAreLoadedAgain) {
    LoadSettings(paths, prompts, settings);  // creates the default config.ini
    ASSERT_EQ(settings.askAddressChange, 1);
    ASSERT_EQ(settings.identifyMode, 1);
    Open();
    askAddressChange->setChecked(false);
    identify->setChecked(false);
    apply->click();
    LoadSettings(paths, prompts, settings);
    EXPECT_EQ(settings.askAddressChange, 0);
    EXPECT_EQ(settings.identifyMode, 0);
    EXPECT_EQ(settings.autoConnect, 1);
    EXPECT_EQ(settings.languageModulePath, folder.path() + QStringLiteral("/language/de-DE.qm"));
    EXPECT_EQ(ReadFileBytes(configPath()).size(), 132);
}

TEST_F(SettingsDlgTest, CancelWritesNothing) {
    ASSERT_TRUE(WriteFileBytes(configPath(), Utf16LE(kDefaultConfig)));
    Open();
    languages->setCurrentIndex(1);
    autoConnect->setChecked(false);
    cancel->click();
    EXPECT_EQ(dialog->result(), kDialogCancel);
    EXPECT_EQ(ReadFileBytes(configPath()), Utf16LE(kDefaultConfig));
    dialog->reject();
    EXPECT_EQ(dialog->result(), kDialogCancel);
}

TEST_F(SettingsDlgTest, WithoutConfigEverythingIsOffAndNothingIsWritten) {
    Open();
    EXPECT_EQ(languages->currentIndex(), -1);
    EXPECT_FALSE(autoConnect->isChecked());
    EXPECT_FALSE(identify->isChecked());
    EXPECT_FALSE(askAddressChange->isChecked());
    apply->click();
    EXPECT_FALSE(QFile::exists(configPath()));
    EXPECT_TRUE(prompts.stockMessages.empty());
}

TEST_F(SettingsDlgTest, EveryWriteIsTriedAfterAFailedOne) {
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("config.ini")));  // cannot be replaced by a file
    Open();
    languages->setCurrentIndex(0);
    apply->click();
    ASSERT_EQ(prompts.stockMessages.size(), 4u);
    for (const auto& box : prompts.stockMessages) {
        EXPECT_EQ(box.text, QStringLiteral("Can not write into Ini-File"));
        EXPECT_EQ(box.caption, QStringLiteral("Error"));
    }
}

}  // namespace
