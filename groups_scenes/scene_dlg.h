#pragma once
// The scene manager's window: the scene list, "Aufrufen", the level list (a
// CComboListCtrl whose level column is a drop-down online), "Übernehmen" and
// "Schließen". SceneManager decides; the dialog shows and forwards.

#include "groups_scenes/scene_manager.h"

#include <QDialog>

#include <memory>

class CComboListCtrl;
class CWaitDlg;
class QComboBox;
class QPushButton;

class CSceneDlg final : public QDialog {
    Q_OBJECT

public:
    CSceneDlg(const ManagerContext& context, QWidget* owner = nullptr);
    ~CSceneDlg() override;

    SceneManager& manager() { return *manager_; }
    CComboListCtrl& levels() { return *levels_; }

    // Escape and the window manager's close end the dialog as "Schließen" does.
    void reject() override;

private:
    void SceneChosen(int scene);
    void ShowRows();
    void CloseClicked();

    std::unique_ptr<CWaitDlg> waitDialog_;
    std::unique_ptr<SceneManager> manager_;
    QComboBox* scenes_;
    CComboListCtrl* levels_;
    QPushButton* apply_;
};
