#pragma once
// "Notlicht-Testlauf…": which test (function or duration) and which units
// (every emergency luminaire or one group's) the run takes. The dialog only
// picks; the main view runs.

#include "devices/emergency_test_run.h"

#include <QDialog>

class QComboBox;
class QRadioButton;

class CEmergencyRunDlg final : public QDialog {
    Q_OBJECT

public:
    // `choice` is shown at the start and set when "Start" is pressed; it must outlive the dialog.
    CEmergencyRunDlg(EmergencyRunChoice& choice, const QString& languageModulePath, QWidget* parent = nullptr);

private:
    void Take();

    EmergencyRunChoice& choice_;
    QRadioButton* function_;
    QRadioButton* duration_;
    QComboBox* units_;  // entry 0: all units, entry g + 1: group g
};
