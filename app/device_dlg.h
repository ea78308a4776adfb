#pragma once
// The interface chooser: lists the Quorrel interfaces the kit finds when it
// opens ("Serial (Pellix): <serial>") and returns the chosen one's handle.

#include "devices/prompts.h"

#include <QDialog>

#include <vector>

class QComboBox;
struct InterfaceEntry;

class CDeviceDlg final : public QDialog {
    Q_OBJECT

public:
    // currentHandle is kept as the chosen handle when the window is closed
    // other than with the two buttons.
    CDeviceDlg(KitHandle currentHandle, const QString& languageModulePath, QWidget* parent = nullptr);
    ~CDeviceDlg() override;

    // kDialogOk with the chosen handle, or kDialogCancel (null after the
    // cancel button, the caller's handle after the close box or Esc).
    Prompts::ChooserResult Run();

    QComboBox* list() const { return list_; }

private:
    QComboBox* list_;
    std::vector<InterfaceEntry> entries_;
    KitHandle chosen_;
};
