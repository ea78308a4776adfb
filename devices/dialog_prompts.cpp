#include "devices/dialog_prompts.h"

#include "app/device_dlg.h"
#include "devices/confirm_dlg.h"
#include "devices/message_dlg.h"

#include <QMessageBox>

DialogPrompts::DialogPrompts(Settings& settings, QWidget* mainWindow) : Prompts(settings), mainWindow_(mainWindow) {}

void DialogPrompts::ShowStockMessage(const QString& text, const QString& caption) {
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok);
    box.exec();
}

ConfirmationAnswer DialogPrompts::Confirm(const ConfirmationRequest& request) {
    CConfirmDlg dialog(mainWindow_);
    dialog.SetTexts(request.title, request.text, request.okCaption, request.cancelCaption, request.dontAskCaption);
    const int result = dialog.exec() == kDialogOk ? kDialogOk : kDialogCancel;
    return {result, dialog.dontAskAgain()};
}

int DialogPrompts::Message(const MessageRequest& request) {
    CMessageDlg dialog;
    dialog.SetTexts(request.title, request.text, request.buttonCaption);
    return dialog.exec();
}

Prompts::ChooserResult DialogPrompts::ChooseInterface(KitHandle currentHandle, const QString& languageModulePath) {
    CDeviceDlg dialog(currentHandle, languageModulePath, mainWindow_);
    return dialog.Run();
}
