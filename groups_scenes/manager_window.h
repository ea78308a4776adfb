#pragma once
// What both manager windows share: no close box and no system menu (they end
// through "Schließen", or Escape, which asks the same question), and a wait
// dialog that blocks the manager while it shows, so no click, key or wheel
// turn starts a second read or cuts "Übernehmen" short.

class QDialog;
class CWaitDlg;

void MakeManagerWindow(QDialog& manager, CWaitDlg& waitDialog);
