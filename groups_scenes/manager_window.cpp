#include "groups_scenes/manager_window.h"

#include "devices/wait_dlg.h"

void MakeManagerWindow(QDialog& manager, CWaitDlg& waitDialog) {
    manager.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    waitDialog.setWindowModality(Qt::WindowModal);
}
