#pragma once
// The addressing assistant's dialog: mode, physical selection and visual
// confirmation, Start, the progress list and Cancel. The run itself is the
// AddressingAssistant's; the dialog shows it and forwards the buttons.

#include "addressing/addressing_assistant.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QListWidget;
class QPushButton;

class CAddressDlg final : public QDialog, public addressing::AssistantSurface {
    Q_OBJECT

public:
    CAddressDlg(addressing::AddressingAssistant& assistant, const QString& languageModulePath,
                QWidget* owner = nullptr);
    ~CAddressDlg() override;

    // AssistantSurface
    void AppendProgressLine(const QString& line) override;
    void DisableRunControls() override;
    void DisableCancel() override;
    void ProcessPendingEvents() override;

    // Escape and the close box: before a run they close the dialog without a
    // question; during a run only Cancel stops it, so the window stays.
    void reject() override;

private:
    void StartClicked();
    void CancelClicked();

    addressing::AddressingAssistant& assistant_;
    QComboBox* mode_;
    QCheckBox* physicalSelection_;
    QCheckBox* visualConfirmation_;
    QPushButton* start_;
    QPushButton* cancel_;
    QListWidget* progress_;
};
