#include "app/main_frame.h"

#include "addressing/own_command.h"
#include "app/info_view.h"
#include "app/main_view.h"
#include "app/tab_views.h"
#include "storage/load_text.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

// Outside any namespace, as Qt's resource initialisation requires: the
// pictures live in a static library, which the linker would otherwise drop.
static void InitKelvaneResources() { Q_INIT_RESOURCE(kelvane); }

namespace {

struct MenuInfo {
    Menu menu;
    const char16_t* text;  // before the language is applied
    StringId textId;
};

constexpr MenuInfo kMenus[] = {
    {Menu::File, u"Datei", 105},
    {Menu::Options, u"Optionen", 111},
    {Menu::Extras, u"Extras", 232},
    {Menu::Help, u"Hilfe", 255},
};

struct ToolIcon {
    CommandId id;
    const char* file;
};

constexpr ToolIcon kToolIcons[] = {
    {CommandId::NewProjectTool, "new_project"},
    {CommandId::SaveProjectTool, "save_project"},
    {CommandId::OpenProjectTool, "open_project"},
    {CommandId::SaveDeviceFile, "save_device"},
    {CommandId::LoadDeviceFile, "load_device"},
    {CommandId::Connect, "connect"},
    {CommandId::Disconnect, "disconnect"},
    {CommandId::SearchDevices, "search"},
    {CommandId::Send, "send"},
    {CommandId::ReadDevice, "read"},
    {CommandId::ReadAll, "read_all"},
    {CommandId::AddressTool, "addressing"},
    {CommandId::GroupsTool, "groups"},
    {CommandId::ScenesTool, "scenes"},
};

struct PaneTip {
    int pane;
    StringId tipId;
};

constexpr PaneTip kPaneTips[] = {
    {kPaneState, 295}, {kPaneSerial, 296}, {kPaneSelection, 297}, {kPaneCount, 298}, {kPaneRevision, 310},
};

constexpr StringId kCaptionText = 57344;
constexpr QSize kToolIconSize(24, 24);
const QString kAppIcon = QStringLiteral(":/icons/kelvane.svg");

QString IconPath(CommandId id) {
    for (const ToolIcon& icon : kToolIcons)
        if (icon.id == id)
            return QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icon.file));
    return {};
}

void StylePane(QLabel& label, PaneStyle style) {
    QPalette palette = label.palette();
    switch (style) {
        case PaneStyle::Offline:
            palette.setColor(QPalette::Window, QColor(200, 0, 0));
            palette.setColor(QPalette::WindowText, Qt::white);
            break;
        case PaneStyle::Online:
            palette.setColor(QPalette::Window, QColor(0, 180, 0));
            palette.setColor(QPalette::WindowText, Qt::white);
            break;
        case PaneStyle::Normal:
            palette.setColor(QPalette::Window, palette.color(QPalette::Button));
            palette.setColor(QPalette::WindowText, Qt::black);
            break;
    }
    label.setPalette(palette);
}

}  // namespace

CMainFrame::CMainFrame(const ProgramPaths& paths, ViewDialogs dialogs, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
    InitKelvaneResources();
    QApplication::setWindowIcon(QIcon(kAppIcon));  // every window of the program, dialogs too
    setWindowTitle(LoadText(kCaptionText, QString()));
    // The view is created with its window in place, so its dialogs have an owner.
    view_ = new CKelvaneView(paths, std::move(dialogs), this);
    setCentralWidget(view_);
    BuildMenus();
    BuildToolbar();
    BuildStatusBar();
    connect(view_, &CKelvaneView::commandsChanged, this, &CMainFrame::RefreshCommands);
    connect(view_, &CKelvaneView::statusChanged, this, &CMainFrame::RenderStatus);
    connect(view_, &CKelvaneView::languageApplied, this, &CMainFrame::ApplyLanguage);
    connect(view_, &CKelvaneView::layoutChanged, this, &CMainFrame::FitToView);
    RefreshCommands();
    RenderStatus();
}

void CMainFrame::BuildMenus() {
    for (const MenuInfo& info : kMenus)
        menus_[info.menu] = menuBar()->addMenu(QString::fromUtf16(info.text));
    for (const CommandInfo& command : CommandTable()) {
        if (command.menu == Menu::None)
            continue;
        QAction* action = menus_[command.menu]->addAction(QString::fromUtf16(command.menuText));
        connect(action, &QAction::triggered, this, [this, command] { Run(command); });
        actions_[command.id] = action;
    }
}

void CMainFrame::BuildToolbar() {
    toolbar_ = addToolBar(QStringLiteral("Toolbar"));
    toolbar_->setObjectName(QStringLiteral("toolbar"));
    toolbar_->setIconSize(kToolIconSize);
    toolbar_->setMovable(true);
    toolbar_->setFloatable(true);
    for (const CommandId* id : ToolbarLayout()) {
        if (!id) {
            toolbar_->addSeparator();
            continue;
        }
        const CommandInfo command = *FindCommand(*id);
        const QString tip = ToolTipText(LoadText(command.tipId, QString()));
        QAction* action = toolbar_->addAction(QIcon(IconPath(*id)), tip);
        action->setToolTip(tip);
        connect(action, &QAction::triggered, this, [this, command] { Run(command); });
        actions_[*id] = action;
    }
}

void CMainFrame::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setSizeGripEnabled(false);
    const StatusPanes& panes = view_->mainView().statusPanes();
    for (size_t i = 0; i < panes.size(); ++i) {
        auto* label = new QLabel(bar);
        label->setObjectName(QStringLiteral("pane%1").arg(i));
        label->setAutoFillBackground(true);
        label->setIndent(2);
        placeholders_[i] = LoadText(panes[i].placeholderId, QString());
        // The placeholder fixes the pane's size unless the pane has a width
        // of its own; the rest of the bar goes to the one that fills it.
        const int width = panes[i].width;
        if (width > 0)
            label->setFixedWidth(width);
        else if (width == 0)
            label->setFixedWidth(label->fontMetrics().horizontalAdvance(placeholders_[i]) + 2 * label->indent());
        bar->addPermanentWidget(label, width < 0 ? 1 : 0);
        panes_[i] = label;
    }
}

void CMainFrame::FitToView() {
    // The view's layout takes the change now, not at the next event loop turn.
    view_->layout()->activate();
    layout()->activate();
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setFixedSize(sizeHint());
}

void CMainFrame::InitialUpdate() {
    adjustSize();
    setFixedSize(size());
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    view_->mainView().InitialUpdate();
}

QAction* CMainFrame::commandAction(CommandId id) const {
    const auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

QMenu* CMainFrame::menu(Menu menu) const {
    const auto it = menus_.find(menu);
    return it == menus_.end() ? nullptr : it->second;
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // Commands and jobs let window events run between their bus
    // transactions; closing then would close the interface under them.
    if (view_->busy()) {
        event->ignore();
        return;
    }
    view_->tabViews().infoView().KeepEditedName();
    view_->mainView().OwnCommand(WM_OWN_COMMAND_CLOSE, 0);
    QMainWindow::closeEvent(event);
}

void CMainFrame::Run(const CommandInfo& command) {
    if (command.action == CommandAction::Exit)
        close();
    else
        view_->RunCommand(command.action);
}

void CMainFrame::RefreshCommands() {
    const CommandState& commands = view_->mainView().commands();
    for (const auto& [id, action] : actions_)
        action->setEnabled(commands.IsEnabled(id));
}

void CMainFrame::RenderStatus() {
    const StatusPanes& panes = view_->mainView().statusPanes();
    for (size_t i = 0; i < panes.size(); ++i) {
        // A pane nobody has written yet shows its placeholder.
        panes_[i]->setText(panes[i].text.isEmpty() ? placeholders_[i] : panes[i].text);
        StylePane(*panes_[i], panes[i].style);
    }
}

void CMainFrame::ApplyLanguage(const QString& languageModulePath) {
    // The caption keeps the built-in text: modules relabel menus, not the title.
    for (const MenuInfo& info : kMenus)
        menus_[info.menu]->setTitle(LoadText(info.textId, languageModulePath));
    for (const CommandInfo& command : CommandTable()) {
        QAction* action = actions_[command.id];
        if (command.menu != Menu::None) {
            // "Über" turns into the program version, a text of no module.
            action->setText(command.id == CommandId::About ? QStringLiteral("Version ") + VersionText()
                                                           : LoadText(command.menuTextId, languageModulePath));
        } else {
            const QString tip = ToolTipText(LoadText(command.tipId, languageModulePath));
            action->setText(tip);
            action->setToolTip(tip);
        }
    }
    for (const PaneTip& tip : kPaneTips)
        panes_[size_t(tip.pane)]->setToolTip(LoadText(tip.tipId, languageModulePath));
    // Longer texts of a language may need more room than the frame was given.
    const QSize needed = size().expandedTo(sizeHint());
    if (needed != size())
        setFixedSize(needed);
}
