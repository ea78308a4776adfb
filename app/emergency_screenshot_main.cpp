// kelvane-emergency-screenshot <tab.png> <logbook.pdf>: starts the main window
// as Kelvane does, with a config.ini of its own (auto_connect=1) in a
// temporary folder, answers the search question with OK, clicks the first
// emergency luminaire, brings the emergency tab to front, presses its
// "Funktionstest" and saves the window as a PNG; then runs a function test
// over every emergency luminaire of the bus and prints the results as the
// logbook's printout does. The interface comes from the kit, e.g.
// PELLIXKIT_SIMULATION with scenarios/emergency.json.

#include "app/main_frame.h"
#include "app/main_view.h"
#include "app/tab_views.h"
#include "devices/emergency_state.h"
#include "devices/emergency_test_run.h"
#include "devices/emergency_view.h"
#include "storage/emergency_logbook.h"
#include "storage/load_text.h"
#include "storage/report_pdf.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

constexpr StringId kLogbookTitle = 600;

bool WriteConfig(const QString& folder) {
    QFile file(folder + QStringLiteral("/config.ini"));
    return file.open(QIODevice::WriteOnly) &&
           file.write("[config]\nlang=de-DE\nauto_connect=1\nauto_locate=0\nadr_switch_ask=1\nemergency_stagger=5\n") > 0;
}

int Fail(CMainFrame& frame, const char* what) {
    std::fprintf(stderr, "kelvane-emergency-screenshot: %s\n", what);
    frame.close();
    return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: kelvane-emergency-screenshot <tab.png> <logbook.pdf>\n");
        return 2;
    }
    QTemporaryDir configFolder;
    if (!configFolder.isValid() || !WriteConfig(configFolder.path())) {
        std::fprintf(stderr, "kelvane-emergency-screenshot: cannot write a config.ini\n");
        return 1;
    }
    CMainFrame frame(ProgramPaths{QApplication::applicationDirPath(), configFolder.path()});
    QTimer answers;
    QObject::connect(&answers, &QTimer::timeout, [] {
        if (QWidget* dialog = QApplication::activeModalWidget())
            if (auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("okButton")))
                ok->click();
    });
    answers.start(10);
    frame.InitialUpdate();

    MainView& view = frame.view().mainView();
    const std::vector<int> units = EmergencyUnitsOf(view.store().workingTable);
    if (view.offlineMode() == 1 || units.empty())
        return Fail(frame, "no emergency luminaire found");
    const MatrixCell& cell = view.matrix().cells[size_t(units.front())];
    const int x = cell.box.x + cell.box.width / 2, y = cell.box.y + cell.box.height / 2;
    view.matrix().Press(x, y);
    view.matrix().Release(x, y, MouseKeys{});
    QApplication::processEvents();
    CTabViews& tabs = frame.view().tabViews();
    tabs.setCurrentWidget(&tabs.emergencyView());
    tabs.emergencyView().findChild<QPushButton*>(QStringLiteral("functionTestButton"))->click();
    QApplication::processEvents();
    if (!frame.grab().save(QString::fromLocal8Bit(argv[1]), "PNG"))
        return Fail(frame, "cannot write the tab's picture");
    answers.stop();

    EmergencyTestRunContext run{view.link(), units, EmergencyTestKind::Function};
    run.staggerSeconds = uint32_t(view.settings().emergencyStaggerSeconds);
    RunEmergencyTestRun(run);
    const QString& module = view.settings().languageModulePath;
    QString error;
    if (!WriteHtmlPdf(QString::fromLocal8Bit(argv[2]), LoadText(kLogbookTitle, module),
                      EmergencyLogbookHtml(EmergencyLogEntries(run.results, view.store().workingTable), module),
                      error))
        return Fail(frame, qPrintable(error));
    frame.close();
    return 0;
}
