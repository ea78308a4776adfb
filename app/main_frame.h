#pragma once
// The main window: a fixed-size frame around the main view with the menu, the
// dockable toolbar and the status bar of twelve panes, all built from the
// command table and the status panes of the main view.

#include "app/command_table.h"
#include "app/kelvane_view.h"
#include "app/status_panes.h"

#include <QMainWindow>

#include <array>
#include <map>

class QLabel;
class QMenu;
class QToolBar;

class CMainFrame final : public QMainWindow {
    Q_OBJECT

public:
    explicit CMainFrame(const ProgramPaths& paths, ViewDialogs dialogs = {}, QWidget* parent = nullptr);

    CKelvaneView& view() const { return *view_; }

    // Fits the frame around the view, fixes its size, then runs the view's
    // start-up, which shows the window and connects when configured to.
    void InitialUpdate();

    // The action of a command: its menu entry or its toolbar button.
    QAction* commandAction(CommandId id) const;
    QMenu* menu(Menu menu) const;
    QToolBar* toolbar() const { return toolbar_; }
    QLabel* pane(int index) const { return panes_[size_t(index)]; }

protected:
    // Sends the view the close notification first, then closes; refused
    // while a command or a job runs.
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    void BuildToolbar();
    void BuildStatusBar();
    void Run(const CommandInfo& command);
    void RefreshCommands();
    void RenderStatus();
    void ApplyLanguage(const QString& languageModulePath);
    // The frame's fixed size, fitted again to what the view shows now.
    void FitToView();

    CKelvaneView* view_;
    std::map<CommandId, QAction*> actions_;
    std::map<Menu, QMenu*> menus_;
    QToolBar* toolbar_ = nullptr;
    std::array<QLabel*, kStatusPaneCount> panes_{};
    std::array<QString, kStatusPaneCount> placeholders_;
};
