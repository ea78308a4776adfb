// kelvane-screenshot <basic.png> [<scenes.png> [<info.png> [<groups.png>
// [<scene-manager.png> [<panel.png> [<report.pdf> [<line-check.png>]]]]]]]: starts the main window as Kelvane
// does, with a config.ini of its own (auto_connect=1) in a temporary folder,
// answers the search question with OK, clicks the first gear found, and
// saves the window as a PNG with each tab in front in turn, one file per tab;
// then the group manager and the scene manager (scene 0 chosen); then, after
// the bus test's "Broadcast MAX", the main window with the simulated bus
// panel beside it; then the installation report of the bus; then the line
// check's list against a project that differs from the bus. The interface
// comes from the kit, e.g. PELLIXKIT_SIMULATION.
// kelvane-screenshot --colour-tab <colour.png>: the same start, the first
// gear clicked (a colour gear on a colour bus) and its colour tab saved.

#include "addressing/matrix_model.h"
#include "app/line_check_dlg.h"
#include "app/main_frame.h"
#include "app/main_view.h"
#include "app/tab_views.h"
#include "devices/colour_reading.h"
#include "devices/colour_view.h"
#include "devices/device_store.h"
#include "kit/kit_backend.h"
#include "kit/sim_backend.h"
#include "link/bus_test.h"
#include "sim/panel/sim_panel_window.h"
#include "sim/sim_clock.h"
#include "storage/installation_report.h"
#include "storage/report_pdf.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

bool WriteConfig(const QString& folder) {
    QFile file(folder + QStringLiteral("/config.ini"));
    return file.open(QIODevice::WriteOnly) &&
           file.write("[config]\nlang=de-DE\nauto_connect=1\nauto_locate=0\nadr_switch_ask=1\n") > 0;
}

// Presses the OK button of every question that comes up while the main
// window starts.
void AnswerQuestionsWithOk(QTimer& timer) {
    QObject::connect(&timer, &QTimer::timeout, [] {
        if (QWidget* dialog = QApplication::activeModalWidget())
            if (auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("okButton")))
                ok->click();
    });
    timer.start(10);
}

// A click on the first present cell, as the mouse would make it.
void ClickFirstGear(MatrixModel& matrix) {
    for (const MatrixCell& cell : matrix.cells) {
        if (cell.present != 1)
            continue;
        const int x = cell.box.x + cell.box.width / 2, y = cell.box.y + cell.box.height / 2;
        matrix.Press(x, y);
        matrix.Release(x, y, MouseKeys{});
        return;
    }
}

// Opens a manager, saves it once it shows, and closes it with "Schließen".
bool SaveManager(CMainFrame& frame, CommandAction action, const char* path) {
    bool saved = false;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog)
            return;
        if (auto* scenes = dialog->findChild<QComboBox*>(QStringLiteral("scenes"))) {
            scenes->setCurrentIndex(0);
            Q_EMIT scenes->activated(0);
        }
        QApplication::processEvents();
        saved = dialog->grab().save(QString::fromLocal8Bit(path), "PNG");
        if (auto* close = dialog->findChild<QPushButton*>(QStringLiteral("close")))
            close->click();
    });
    frame.view().RunCommand(action);
    return saved;
}

// The main window and the simulated bus panel side by side, after every
// lamp was sent to its maximum.
bool SavePanelBeside(CMainFrame& frame, const char* path) {
    auto backend = std::dynamic_pointer_cast<kit::SimBackend>(kit::activeBackend());
    if (!backend)
        return false;
    SimPanelWindow panel(backend);
    panel.resize(panel.width(), frame.height());
    panel.show();
    dalikit_SendBusTest(frame.view().mainView().link(), BusTestButtons()[1].opcode);
    backend->clock()->advanceUs(20'000'000);  // every fade has ended
    QApplication::processEvents();
    panel.refresh();
    QApplication::processEvents();
    const QPixmap main = frame.grab(), side = panel.grab();
    QImage both(main.width() + side.width(), std::max(main.height(), side.height()), QImage::Format_RGB32);
    both.fill(Qt::white);
    QPainter painter(&both);
    painter.drawPixmap(0, 0, main);
    painter.drawPixmap(main.width(), 0, side);
    painter.end();
    return both.save(QString::fromLocal8Bit(path), "PNG");
}

// A project made from the bus with three differences: a value and a name
// of the first gear, a gear the bus lacks, a gear the project lacks. The
// check's list is saved once it shows, then closed.
bool SaveLineCheck(CMainFrame& frame, const char* path) {
    MainView& view = frame.view().mainView();
    DeviceStore& store = view.store();
    DeviceTable project = store.workingTable;
    std::vector<int> present;
    for (int a = 0; a < kDeviceCount; ++a)
        if (project[size_t(a)].present == 1)
            present.push_back(a);
    const auto free = std::find_if(project.begin(), project.end(), [](const auto& r) { return r.present != 1; });
    if (present.size() < 2 || free == project.end())
        return false;
    project[size_t(present.front())].maxLevel = 200;
    project[size_t(present.front())].name = QStringLiteral("Empfang Downlight 1");
    *free = project[size_t(present.front())];
    free->name = QStringLiteral("Flur 3");
    project[size_t(present.back())].Reset();
    store.projectTable = project;
    view.projectLoaded = 1;
    bool saved = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<CLineCheckDlg*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll.stop();
        QApplication::processEvents();
        saved = dialog->grab().save(QString::fromLocal8Bit(path), "PNG");
        dialog->reject();
    });
    poll.start(10);
    frame.view().RunCommand(CommandAction::CheckLine);
    return saved;
}

// The report as an installer hands it over: every gear read (colours too),
// the project header filled in and the gear named as on site.
void StageReport(MainView& view) {
    DeviceStore& store = view.store();
    for (int a = 0; a < kDeviceCount; ++a) {
        DeviceRecord& record = store.workingTable[size_t(a)];
        if (record.present != 1)
            continue;
        store.ReadParameters(a);
        store.ReadScenes(a);
        if (HasDeviceType(record, dali::kDeviceTypeColour)) {
            ColourReadContext colour{store.link, record, a};
            ReadColour(colour);
        }
    }
    store.projectHeader = {QStringLiteral("Bürohaus Nord"), QStringLiteral("Hafenstraße 12, 3. OG"),
                           QStringLiteral("Licht & Technik GmbH"), {}};
    const std::pair<int, const char*> names[] = {{0, "Empfang Downlight 1"}, {1, "Empfang Downlight 2"},
                                                 {5, "Flur Nord"},           {6, "Flur Süd"},
                                                 {12, "Besprechung 1"},     {13, "Besprechung 2"}};
    for (const auto& [address, name] : names)
        if (store.workingTable[size_t(address)].present == 1)
            store.workingTable[size_t(address)].name = QString::fromUtf8(name);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const bool colourTab = argc == 3 && QByteArrayView(argv[1]) == "--colour-tab";
    if (argc < 2 || argc > 9) {
        std::fprintf(stderr, "usage: kelvane-screenshot <basic.png> [<scenes.png> [<info.png> [<groups.png> "
                             "[<scene-manager.png> [<panel.png> [<report.pdf> [<line-check.png>]]]]]]]\n");
        return 2;
    }
    QTemporaryDir configFolder;
    if (!configFolder.isValid() || !WriteConfig(configFolder.path())) {
        std::fprintf(stderr, "kelvane-screenshot: cannot write a config.ini\n");
        return 1;
    }

    CMainFrame frame(ProgramPaths{QApplication::applicationDirPath(), configFolder.path()});
    QTimer answers;
    AnswerQuestionsWithOk(answers);
    frame.InitialUpdate();
    answers.stop();

    MainView& view = frame.view().mainView();
    if (view.offlineMode() == 1 || view.store().PresentCount() == 0) {
        std::fprintf(stderr, "kelvane-screenshot: no gear found (status: %s)\n",
                     qPrintable(frame.pane(kPaneState)->text()));
        return 1;
    }
    ClickFirstGear(view.matrix());
    QApplication::processEvents();

    CTabViews& tabs = frame.view().tabViews();
    if (colourTab) {
        tabs.setCurrentWidget(&tabs.colourView());
        QApplication::processEvents();
        const bool saved = tabs.currentWidget() == &tabs.colourView() &&
                           frame.grab().save(QString::fromLocal8Bit(argv[2]), "PNG");
        if (!saved)
            std::fprintf(stderr, "kelvane-screenshot: no colour tab saved as %s\n", argv[2]);
        frame.close();
        return saved ? 0 : 1;
    }
    constexpr int kTabs = 3;
    for (int tab = 0; tab < std::min(argc - 1, kTabs); ++tab) {
        tabs.setCurrentIndex(tab);
        QApplication::processEvents();
        if (!frame.grab().save(QString::fromLocal8Bit(argv[tab + 1]), "PNG")) {
            std::fprintf(stderr, "kelvane-screenshot: cannot write %s\n", argv[tab + 1]);
            frame.close();
            return 1;
        }
    }
    const CommandAction managers[] = {CommandAction::GroupManager, CommandAction::SceneManager};
    for (int i = 0; i < 2 && i + kTabs + 1 < argc; ++i) {
        if (!SaveManager(frame, managers[i], argv[i + kTabs + 1])) {
            std::fprintf(stderr, "kelvane-screenshot: cannot write %s\n", argv[i + kTabs + 1]);
            frame.close();
            return 1;
        }
    }
    if (argc >= 7 && !SavePanelBeside(frame, argv[6])) {
        std::fprintf(stderr, "kelvane-screenshot: cannot write %s\n", argv[6]);
        frame.close();
        return 1;
    }
    if (argc >= 8)
        StageReport(view);
    QString error;
    if (argc >= 8 && !WriteReportPdf(QString::fromLocal8Bit(argv[7]), view.Report(), error)) {
        std::fprintf(stderr, "kelvane-screenshot: cannot write %s: %s\n", argv[7], qPrintable(error));
        frame.close();
        return 1;
    }
    if (argc == 9 && !SaveLineCheck(frame, argv[8])) {
        std::fprintf(stderr, "kelvane-screenshot: cannot write %s\n", argv[8]);
        frame.close();
        return 1;
    }
    frame.close();
    return 0;
}
