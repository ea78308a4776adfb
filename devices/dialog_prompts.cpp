#include "devices/dialog_prompts.h"

#include "app/device_dlg.h"
#include "devices/confirm_dlg.h"
#include "devices/list_dlg.h"
#include "devices/message_dlg.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

DialogPrompts::DialogPrompts(Settings& settings, QWidget* mainWindow) : Prompts(settings), mainWindow_(mainWindow) {}

void DialogPrompts::ShowStockMessage(const QString& text, const QString& caption) {
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok);
    box.exec();
}

ConfirmationAnswer DialogPrompts::Confirm(const ConfirmationRequest& request) {
    // Centred over the window that asks: a manager or the assistant when one is open.
    QWidget* modal = QApplication::activeModalWidget();
    CConfirmDlg dialog(modal ? modal : mainWindow_);
    dialog.SetTexts(request.title, request.text, request.okCaption, request.cancelCaption, request.dontAskCaption);
    const int result = dialog.exec() == kDialogOk ? kDialogOk : kDialogCancel;
    return {result, dialog.dontAskAgain()};
}

int DialogPrompts::Message(const MessageRequest& request) {
    CMessageDlg dialog;
    dialog.SetTexts(request.title, request.text, request.buttonCaption);
    return dialog.exec();
}

int DialogPrompts::Pick(const ListRequest& request) {
    QWidget* modal = QApplication::activeModalWidget();
    CListDlg dialog(modal ? modal : mainWindow_);
    dialog.SetRequest(request);
    return dialog.exec() == kDialogOk ? dialog.chosen() : -1;
}

Prompts::ChooserResult DialogPrompts::ChooseInterface(KitHandle currentHandle, const QString& languageModulePath) {
    CDeviceDlg dialog(currentHandle, languageModulePath, mainWindow_);
    return dialog.Run();
}

QString DialogPrompts::ChooseFile(const FileChooserRequest& request) {
    // "Description|pattern|...||": Qt shows the descriptions, which name their patterns.
    const QStringList parts = request.filter.split(QLatin1Char('|'), Qt::SkipEmptyParts);
    QStringList filters;
    // "*.*" means every file, also those whose names have no dot.
    for (qsizetype i = 0; i < parts.size(); i += 2)
        filters << QString(parts[i]).replace(QLatin1String("(*.*)"), QLatin1String("(*)"));
    QFileDialog dialog(mainWindow_);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(request.defaultExtension);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}
