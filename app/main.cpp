// Kelvane: the application, its main window and the event loop.

#include "app/main_frame.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvane"));
    QApplication::setApplicationVersion(QStringLiteral(KELVANE_VERSION_TEXT));
    QGuiApplication::setDesktopFileName(QStringLiteral("kelvane"));  // the installed menu entry and its icon

    CMainFrame frame(ProgramPaths::ForRunningProgram());
    frame.InitialUpdate();
    return app.exec();
}
