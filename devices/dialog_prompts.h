#pragma once
// Prompts shown with the program's own dialogs: CConfirmDlg for questions,
// CMessageDlg for notices, and the platform's message box for the config.ini
// errors.

#include "devices/prompts.h"

class QWidget;

class DialogPrompts final : public Prompts {
public:
    // Questions are centred over the open modal window (a manager, the
    // assistant), else over mainWindow (which may be null before the main
    // window exists).
    DialogPrompts(Settings& settings, QWidget* mainWindow);

    void ShowStockMessage(const QString& text, const QString& caption) override;
    ChooserResult ChooseInterface(KitHandle currentHandle, const QString& languageModulePath) override;
    QString ChooseFile(const FileChooserRequest& request) override;

protected:
    ConfirmationAnswer Confirm(const ConfirmationRequest& request) override;
    int Message(const MessageRequest& request) override;
    int Pick(const ListRequest& request) override;

private:
    QWidget* mainWindow_;
};
