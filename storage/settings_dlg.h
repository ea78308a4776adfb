#pragma once
// The settings dialog: the language module and the three on/off settings of
// config.ini. After OK the caller reloads the settings (LoadSettings) and
// applies the language again; after cancel nothing has changed.

#include "storage/config_file.h"
#include "storage/program_paths.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class Prompts;

class CSettingsDlg final : public QDialog {
    Q_OBJECT

public:
    // Labels itself from the language module, lists the modules of the
    // program folder and reads config.ini of the config folder once.
    // exec() gives kDialogOk after "Übernehmen", kDialogCancel otherwise.
    CSettingsDlg(const ProgramPaths& paths, const QString& languageModulePath, Prompts& prompts,
                 QWidget* parent = nullptr);

    void reject() override;

private:
    void ReadConfig();
    void Apply();

    ConfigFile config_;
    QComboBox* languages_;
    QCheckBox* autoConnect_;
    QCheckBox* askAddressChange_;
    QCheckBox* identify_;
};
