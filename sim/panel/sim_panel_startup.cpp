// Opens the simulated bus panel when the kit runs on its simulated backend
// in a program with widgets. Linked into the program as an object file of
// its own: the application names none of it. Ctrl+Shift+F12, or the tray
// icon where the desktop has a tray, shows and hides the panel.

#include "kit/kit_backend.h"
#include "kit/sim_backend.h"
#include "sim/panel/sim_panel_window.h"

#include <QApplication>
#include <QShortcut>
#include <QSystemTrayIcon>

namespace {

void toggle(QWidget* panel) {
    panel->setVisible(!panel->isVisible());
    if (panel->isVisible())
        panel->raise();
}

void openSimulatedBusPanel() {
    auto backend = std::dynamic_pointer_cast<kit::SimBackend>(kit::activeBackend());
    if (!backend || !qobject_cast<QApplication*>(QCoreApplication::instance()))
        return;
    auto* panel = new SimPanelWindow(backend);
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, panel, [panel] { delete panel; });
    auto* shortcut = new QShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+F12")), panel);
    shortcut->setContext(Qt::ApplicationShortcut);
    QObject::connect(shortcut, &QShortcut::activated, panel, [panel] { toggle(panel); });
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        auto* tray = new QSystemTrayIcon(QApplication::windowIcon(), panel);
        tray->setToolTip(panel->windowTitle());
        QObject::connect(tray, &QSystemTrayIcon::activated, panel, [panel] { toggle(panel); });
        tray->show();
    }
    panel->show();
}

// Once the event loop runs: the program has set its icon and made its main window.
void schedulePanel() {
    QMetaObject::invokeMethod(QCoreApplication::instance(), &openSimulatedBusPanel, Qt::QueuedConnection);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(schedulePanel)
