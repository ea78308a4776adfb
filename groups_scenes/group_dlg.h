#pragma once
// The group manager's window: the grid of present gear × groups 0..15 with
// green member cells and a name column edited in place, and "Übernehmen",
// "Zurücksetzten", "Schließen" and "Clear". GroupManager decides; the dialog
// shows and forwards clicks.

#include "groups_scenes/combo_list_ctrl.h"
#include "groups_scenes/group_manager.h"

#include <QDialog>

#include <memory>

class CWaitDlg;
class QPushButton;

class CGroupDlg final : public QDialog {
    Q_OBJECT

public:
    CGroupDlg(const ManagerContext& context, QWidget* owner = nullptr);
    ~CGroupDlg() override;

    GroupManager& manager() { return *manager_; }
    CComboListCtrl& grid() { return *grid_; }

    // Escape and the window manager's close end the dialog as "Schließen" does.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Fill();
    void PaintRow(int row);
    void CloseClicked();

    std::unique_ptr<CWaitDlg> waitDialog_;
    std::unique_ptr<GroupManager> manager_;
    CComboListCtrl* grid_;
};
