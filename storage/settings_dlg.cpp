#include "storage/settings_dlg.h"

#include "devices/prompts.h"
#include "storage/language_modules.h"
#include "storage/load_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr StringId kTitleText = 149;
constexpr StringId kLanguageText = 153;
constexpr StringId kAutoConnectText = 157;
constexpr StringId kAskAddressChangeText = 304;
constexpr StringId kIdentifyText = 305;
constexpr StringId kApplyText = 180;
constexpr StringId kCancelText = 181;

const QString kOn = QStringLiteral("1");
const QString kOff = QStringLiteral("0");

QCheckBox* NewCheckBox(const char* name, StringId textId, const QString& module, QWidget* parent) {
    auto* box = new QCheckBox(LoadText(textId, module), parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

}  // namespace

CSettingsDlg::CSettingsDlg(const ProgramPaths& paths, const QString& languageModulePath, Prompts& prompts,
                           QWidget* parent)
    : QDialog(parent),
      config_(paths.configFolder, prompts),
      languages_(new QComboBox(this)),
      autoConnect_(NewCheckBox("autoConnectBox", kAutoConnectText, languageModulePath, this)),
      askAddressChange_(NewCheckBox("askAddressChangeBox", kAskAddressChangeText, languageModulePath, this)),
      identify_(NewCheckBox("identifyBox", kIdentifyText, languageModulePath, this)) {
    setModal(true);
    setWindowTitle(LoadText(kTitleText, languageModulePath));
    languages_->setObjectName(QStringLiteral("languageList"));
    languages_->addItems(LanguageModuleNames(paths.programFolder));
    languages_->setCurrentIndex(-1);

    auto* apply = new QPushButton(LoadText(kApplyText, languageModulePath), this);
    apply->setObjectName(QStringLiteral("applyButton"));
    apply->setDefault(true);
    auto* cancel = new QPushButton(LoadText(kCancelText, languageModulePath), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(apply, &QPushButton::clicked, this, &CSettingsDlg::Apply);
    connect(cancel, &QPushButton::clicked, this, &CSettingsDlg::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(apply);
    buttons->addWidget(cancel);
    auto* grid = new QGridLayout(this);
    auto* languageLabel = new QLabel(LoadText(kLanguageText, languageModulePath), this);
    languageLabel->setObjectName(QStringLiteral("languageLabel"));
    grid->addWidget(languageLabel, 0, 0);
    grid->addWidget(languages_, 0, 1);
    grid->addWidget(autoConnect_, 1, 0, 1, 2);
    grid->addWidget(askAddressChange_, 2, 0, 1, 2);
    grid->addWidget(identify_, 3, 0, 1, 2);
    grid->addLayout(buttons, 4, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    ReadConfig();
}

void CSettingsDlg::ReadConfig() {
    config_.Open(QStringLiteral("config.ini"));
    // Only an entry of exactly the same name, letter case included, is chosen.
    const QString lang = config_.ReadString(QStringLiteral("lang"), QStringLiteral("en-EN"));
    languages_->setCurrentIndex(languages_->findText(lang, Qt::MatchExactly | Qt::MatchCaseSensitive));
    autoConnect_->setChecked(IniInteger(config_.ReadString(QStringLiteral("auto_connect"), kOff)) == 1);
    identify_->setChecked(IniInteger(config_.ReadString(QStringLiteral("auto_locate"), kOn)) == 1);
    askAddressChange_->setChecked(IniInteger(config_.ReadString(QStringLiteral("adr_switch_ask"), kOn)) == 1);
}

void CSettingsDlg::Apply() {
    // With no module chosen, lang keeps the value it has. Every write is tried
    // even when an earlier one failed (each failure shows its own box).
    if (languages_->currentIndex() >= 0)
        config_.WriteString(QStringLiteral("lang"), languages_->currentText());
    config_.WriteString(QStringLiteral("auto_connect"), autoConnect_->isChecked() ? kOn : kOff);
    config_.WriteString(QStringLiteral("auto_locate"), identify_->isChecked() ? kOn : kOff);
    config_.WriteString(QStringLiteral("adr_switch_ask"), askAddressChange_->isChecked() ? kOn : kOff);
    done(kDialogOk);
}

void CSettingsDlg::reject() { done(kDialogCancel); }
