// The main frame: menu, toolbar and status bar built from the command table
// and the status panes, enable states through start, connect, scan and
// disconnect, the texts of the language module, the settings and bus test
// commands, and closing.

#include "addressing/own_command.h"
#include "app/tab_views.h"
#include "devices/wait_dlg.h"
#include "link/bustest_dlg.h"
#include "sim/dali_bus.h"
#include "storage/settings_dlg.h"
#include "tests/app/main_window_fixture.h"
#include "tests/support/qt_printers.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include <functional>

namespace {

using C = CommandId;
using Commands = std::set<CommandId>;

QStringList MenuTitles(const CMainFrame& frame) {
    QStringList titles;
    for (QAction* action : frame.menuBar()->actions())
        titles << action->text();
    return titles;
}

QStringList MenuEntries(const CMainFrame& frame, Menu menu) {
    QStringList entries;
    for (QAction* action : frame.menu(menu)->actions())
        entries << action->text();
    return entries;
}

// Toolbar tips in order, "|" for a separator.
QStringList ToolbarTips(const CMainFrame& frame) {
    QStringList tips;
    for (QAction* action : frame.toolbar()->actions())
        tips << (action->isSeparator() ? QStringLiteral("|") : action->toolTip());
    return tips;
}

// Runs `work` on the modal dialog that the next call opens.
void OnNextModal(std::function<void(QWidget*)> work) {
    QTimer::singleShot(0, [work = std::move(work)] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_TRUE(modal);
        work(modal);
    });
}

// kit_set_timeout fails only on a closed handle; 2000 ms is what Connect sets anyway.
bool InterfaceOpen(KitHandle handle) { return kit_set_timeout(handle, 2000); }

const Commands kMenuAtStart{C::NewProjectMenu, C::Exit, C::Settings, C::EmergencyLogbook};
const Commands kToolbarAtStart{C::NewProjectTool, C::OpenProjectTool, C::Connect};

// ------------------------------------------------------------------ structure

class MainFrameStructureTest : public MainWindowTest {};

TEST_F(MainFrameStructureTest, MenuHoldsTheTableInOrderWithItsOwnTextsUntilTheLanguageIsApplied) {
    UseScenario(kThreeGearScenario);
    WriteConfig(0, 0);
    Create();
    EXPECT_EQ(MenuTitles(*frame), (QStringList{"Datei", "Optionen", "Extras", "Hilfe"}));
    EXPECT_EQ(MenuEntries(*frame, Menu::File),
              (QStringList{"Neues Projekt", "Projekt öffnen", "Projekt speichern", "Projektangaben…", "Bericht erstellen…",
                            "Als CSV exportieren…", "&Beenden"}));
    EXPECT_EQ(MenuEntries(*frame, Menu::Options), (QStringList{"Gruppen", "Szenen", "Adressieren", "Gerät ersetzen", "Einstellungen"}));
    EXPECT_EQ(MenuEntries(*frame, Menu::Extras),
              (QStringList{"DALI bus zurücksetzten", "Alle Geräte aus", "Alle Gruppen entfernen",
                           "Alle Szenen entfernen", "Bus Test", "Anlage prüfen", "Notlicht-Testlauf…",
                           "Notlicht-Prüfbuch…", "Speicherbänke…"}));
    EXPECT_EQ(MenuEntries(*frame, Menu::Help), (QStringList{"Über"}));

    frame->InitialUpdate();
    EXPECT_EQ(MenuTitles(*frame), (QStringList{"Datei", "Optionen", "Extras", "Hilfe"}));
    EXPECT_EQ(MenuEntries(*frame, Menu::File), (QStringList{"Neu", "Projekt öffnen", "Projekt speichern", "Projektangaben…", "Bericht erstellen…",
                                                                "Als CSV exportieren…", "Beenden"}));
    EXPECT_EQ(MenuEntries(*frame, Menu::Options),
              (QStringList{"Gruppenübersicht", "Szenenübersicht", "Geräte adressieren", "Gerät ersetzen",
                           "Programmeinstellungen"}));
    EXPECT_EQ(MenuEntries(*frame, Menu::Extras),
              (QStringList{"Bus zurücksetzten", "Alle Geräte Aus", "Alle Gruppen entfernen", "Alle Szenen entfernen",
                           "Test Broadcast", "Anlage prüfen", "Notlicht-Testlauf…", "Notlicht-Prüfbuch…",
                           "Speicherbänke…"}));
    EXPECT_EQ(MenuEntries(*frame, Menu::Help), (QStringList{"Version 1.0.3.2"}));
}

TEST_F(MainFrameStructureTest, ToolbarHasTheFourteenButtonsInGroupsWithTipsAndIcons) {
    Start(0);
    EXPECT_EQ(
        ToolbarTips(*frame),
        (QStringList{"Neues Projekt", "Projekt speichern", "Projekt öffnen", "|", "Gerätedaten speichern",
                     "Gerätedaten laden", "|", "Verbinden", "Verbindung trennen", "|", "Geräte Suchen", "Senden",
                     "Auslesen", "Alle Geräte auslesen", "|", "Adressierung", "Gruppenübersicht", "Szenenübersicht"}));
    QToolBar* toolbar = frame->toolbar();
    EXPECT_EQ(toolbar->iconSize(), QSize(24, 24));
    EXPECT_TRUE(toolbar->isMovable());
    EXPECT_TRUE(toolbar->isFloatable());

    // Every button has a picture of its own that renders here (SVG icon engine).
    QList<QImage> pictures;
    for (QAction* action : toolbar->actions()) {
        if (action->isSeparator())
            continue;
        const QImage image = action->icon().pixmap(24, 24).toImage();
        ASSERT_FALSE(image.isNull()) << action->toolTip().toStdString();
        int opaque = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                opaque += qAlpha(image.pixel(x, y)) > 128;
        EXPECT_GT(opaque, 20) << action->toolTip().toStdString();
        EXPECT_FALSE(pictures.contains(image)) << action->toolTip().toStdString();
        pictures << image;
    }
    EXPECT_EQ(pictures.size(), 14);
    EXPECT_FALSE(frame->windowIcon().pixmap(32, 32).isNull());
}

TEST_F(MainFrameStructureTest, FrameHasAFixedSizeNoMaximiseButtonAndTheProgramsCaption) {
    Start(0);
    EXPECT_EQ(frame->windowTitle(), "Orvent Kelvane");
    EXPECT_EQ(frame->minimumSize(), frame->maximumSize());
    EXPECT_EQ(frame->size(), frame->minimumSize());
    EXPECT_FALSE(frame->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(frame->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(frame->isVisible());
    // The view's form fits: nothing of the panel is cut off.
    EXPECT_GE(frame->centralWidget()->width(), frame->centralWidget()->minimumSizeHint().width());
}

TEST_F(MainFrameStructureTest, StatusBarHasTwelvePanesWithPlaceholdersWidthsAndTips) {
    Start(0);
    const int widths[kStatusPaneCount] = {100, 0, 100, 0, 100, 0, 50, 0, 50, 0, -1, 50};
    const QString blanks(10, QLatin1Char(' '));
    for (int i = 0; i < kStatusPaneCount; ++i) {
        QLabel* pane = frame->pane(i);
        if (widths[i] > 0) {
            EXPECT_EQ(pane->width(), widths[i]) << i;
        } else if (widths[i] == 0) {
            EXPECT_EQ(pane->width(), pane->fontMetrics().horizontalAdvance(blanks) + 2 * pane->indent()) << i;
        }
        if (i > 0) {
            EXPECT_GT(pane->x(), frame->pane(i - 1)->x()) << i;
        }
    }
    // Pane 10 takes what the others leave, whatever the fonts: it is not cut
    // below its placeholder, it ends where pane 11 begins, and pane 11 ends
    // at the bar's end.
    QLabel* filler = frame->pane(10);
    EXPECT_GE(filler->width(), filler->fontMetrics().horizontalAdvance(blanks) + 2 * filler->indent());
    EXPECT_LT(filler->geometry().right(), frame->pane(11)->x());
    EXPECT_GE(frame->pane(11)->x() - filler->geometry().right(), 1);
    EXPECT_LE(frame->pane(11)->x() - filler->geometry().right(), 12);
    EXPECT_GE(frame->pane(11)->geometry().right(), frame->statusBar()->width() - 12);
    for (int i = 0; i < kStatusPaneCount; ++i) {
        QLabel* pane = frame->pane(i);
        EXPECT_GE(pane->width(), pane->fontMetrics().horizontalAdvance(pane->text())) << i;
    }

    EXPECT_EQ(PaneText(kPaneState), "Offline");
    EXPECT_EQ(PaneText(kPaneSerial), "---");
    EXPECT_EQ(PaneText(kPaneRevision), "---");
    EXPECT_EQ(PaneText(kPaneSelection), "---");
    EXPECT_EQ(PaneText(kPaneCount), "00/64");  // the placeholder until a scan
    EXPECT_EQ(PaneText(kPaneVersion), "1.0.3.2");

    EXPECT_EQ(frame->pane(kPaneState)->toolTip(), "Status");
    EXPECT_EQ(frame->pane(kPaneSerial)->toolTip(), "Quorrel Seriennummer");
    EXPECT_EQ(frame->pane(kPaneSelection)->toolTip(), "Gewähltes Gerät");
    EXPECT_EQ(frame->pane(kPaneCount)->toolTip(), "Anzahl an Geräten");
    EXPECT_EQ(frame->pane(kPaneRevision)->toolTip(), "Revision");
}

TEST_F(MainFrameStructureTest, StatePaneIsWhiteOnRedOfflineAndWhiteOnGreenOnline) {
    Start(1, kDialogCancel);
    const QPalette online = frame->pane(kPaneState)->palette();
    EXPECT_EQ(PaneText(kPaneState), "Online");
    EXPECT_EQ(online.color(QPalette::Window), QColor(0, 180, 0));
    EXPECT_EQ(online.color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_TRUE(frame->pane(kPaneState)->autoFillBackground());
    const QImage shown = frame->pane(kPaneState)->grab().toImage();
    EXPECT_EQ(shown.pixelColor(shown.width() - 3, shown.height() / 2), QColor(0, 180, 0));

    Trigger(C::Disconnect);
    const QPalette offline = frame->pane(kPaneState)->palette();
    EXPECT_EQ(PaneText(kPaneState), "Offline");
    EXPECT_EQ(offline.color(QPalette::Window), QColor(200, 0, 0));
    EXPECT_EQ(offline.color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(frame->pane(kPaneSerial)->palette().color(QPalette::WindowText), QColor(Qt::black));
}

// ------------------------------------------------------------- enable states

class MainFrameCommandsTest : public MainWindowTest {};

TEST_F(MainFrameCommandsTest, AtStartOnlyNewOpenAndConnectOnTheToolbarAndNewExitSettingsInTheMenu) {
    Start(0);
    EXPECT_EQ(EnabledToolbarButtons(), kToolbarAtStart);
    EXPECT_EQ(EnabledMenuEntries(), kMenuAtStart);
    // "Projekt öffnen": the toolbar button is on, the menu entry off.
    EXPECT_TRUE(frame->commandAction(C::OpenProjectTool)->isEnabled());
    EXPECT_FALSE(frame->commandAction(C::OpenProjectMenu)->isEnabled());
}

TEST_F(MainFrameCommandsTest, ConnectAndScanSwitchTheirColumnsOn) {
    Start(1, kDialogOk);
    EXPECT_EQ(EnabledToolbarButtons(),
              (Commands{C::NewProjectTool, C::SaveProjectTool, C::OpenProjectTool, C::Disconnect, C::SearchDevices,
                        C::ReadAll, C::AddressTool, C::GroupsTool, C::ScenesTool}));
    EXPECT_EQ(EnabledMenuEntries(), (Commands{C::NewProjectMenu, C::OpenProjectMenu, C::SaveProjectMenu,
                                              C::ProjectHeader, C::CreateReport, C::ExportGearTable, C::Exit, C::GroupsMenu, C::ScenesMenu, C::AddressMenu, C::Settings, C::ResetBus,
                                              C::AllOff, C::RemoveAllGroups, C::RemoveAllScenes, C::BusTest,
                                              C::EmergencyTestRun, C::EmergencyLogbook}));
    EXPECT_EQ(PaneText(kPaneSerial), "SN: 0000E001");
    EXPECT_EQ(PaneText(kPaneRevision), "Rev: 0.1.2.3");
    EXPECT_EQ(PaneText(kPaneCount), "3/64");
}

TEST_F(MainFrameCommandsTest, ConnectWithoutScanLeavesTheScanColumnOff) {
    Start(1, kDialogCancel);
    EXPECT_EQ(EnabledToolbarButtons(),
              (Commands{C::NewProjectTool, C::OpenProjectTool, C::Disconnect, C::SearchDevices, C::AddressTool}));
    EXPECT_FALSE(frame->commandAction(C::GroupsMenu)->isEnabled());

    // The toolbar's search button runs the search; gear found switch the scan column on.
    Trigger(C::SearchDevices);
    EXPECT_EQ(EnabledToolbarButtons(),
              (Commands{C::NewProjectTool, C::SaveProjectTool, C::OpenProjectTool, C::Disconnect, C::SearchDevices,
                        C::ReadAll, C::AddressTool, C::GroupsTool, C::ScenesTool}));
    EXPECT_EQ(PaneText(kPaneCount), "3/64");
}

TEST_F(MainFrameCommandsTest, DisconnectLeavesOpenConnectAndTheBusTestOn) {
    Start(1, kDialogOk);
    Trigger(C::Disconnect);
    EXPECT_EQ(EnabledToolbarButtons(), kToolbarAtStart);
    EXPECT_EQ(EnabledMenuEntries(), (Commands{C::NewProjectMenu, C::Exit, C::Settings, C::BusTest, C::EmergencyLogbook}));
    EXPECT_EQ(PaneText(kPaneSelection), "---");
    EXPECT_EQ(PaneText(kPaneSerial), "---");
}

TEST_F(MainFrameCommandsTest, AboutIsNeverEnabled) {
    Start(1, kDialogOk);
    EXPECT_FALSE(frame->commandAction(C::About)->isEnabled());
    frame->view().mainView().SelectAll();
    EXPECT_FALSE(frame->commandAction(C::About)->isEnabled());
}

// ------------------------------------------------------------ language

class MainFrameLanguageTest : public MainWindowTest {};

TEST_F(MainFrameLanguageTest, EnglishModuleRelabelsMenusToolbarTabsPanelAndTips) {
    UseScenario(kThreeGearScenario);
    WriteConfig(0, 0, QStringLiteral("en-EN"));
    Create();
    frame->InitialUpdate();
    EXPECT_EQ(MenuTitles(*frame), (QStringList{"File", "Options", "Tools", "Help"}));
    EXPECT_EQ(MenuEntries(*frame, Menu::File), (QStringList{"New", "Open project", "Save project", "Project details…", "Create report…",
                                                                "Export as CSV…", "Exit"}));
    EXPECT_EQ(MenuEntries(*frame, Menu::Help), (QStringList{"Version 1.0.3.2"}));
    EXPECT_EQ(ToolbarTips(*frame).mid(0, 3), (QStringList{"New project", "Save project", "Open project"}));
    EXPECT_EQ(frame->pane(kPaneSerial)->toolTip(), "Quorrel serial number");
    const CTabViews& tabs = frame->view().tabViews();
    EXPECT_EQ((QStringList{tabs.tabText(0), tabs.tabText(1), tabs.tabText(2)}),
              (QStringList{"Basic settings", "Scenes", "Info / Status"}));
    EXPECT_EQ(frame->findChild<QPushButton*>("selectAllButton")->text(), "Select all");
    EXPECT_EQ(PaneText(kPaneState), "Offline");
}

TEST_F(MainFrameLanguageTest, AModuleWithoutAnIdShowsQuestionMarks) {
    // A language folder with one module that has only ids 179 and 228.
    QTemporaryDir programFolder;
    ASSERT_TRUE(QDir(programFolder.path()).mkdir(QStringLiteral("language")));
    ASSERT_TRUE(QFile::copy(QStringLiteral(KELVANE_LACKING_MODULE),
                            programFolder.filePath(QStringLiteral("language/xx-XX.qm"))));
    UseScenario(kThreeGearScenario);
    WriteConfig(0, 0, QStringLiteral("xx-XX"));
    Create(programFolder.path());
    frame->InitialUpdate();
    EXPECT_EQ(MenuEntries(*frame, Menu::Options), (QStringList{"???", "???", "Address gear", "???", "???"}));
    EXPECT_EQ(MenuEntries(*frame, Menu::Help), (QStringList{"Version 1.0.3.2"}));
    EXPECT_EQ(frame->windowTitle(), "Orvent Kelvane");  // the module has no 57344
}

TEST_F(MainFrameLanguageTest, AnUnknownLanguageShowsTheEnglishTexts) {
    UseScenario(kThreeGearScenario);
    WriteConfig(0, 0, QStringLiteral("fr-FR"));
    Create();
    frame->InitialUpdate();
    EXPECT_EQ(MenuTitles(*frame), (QStringList{"File", "Options", "Tools", "Help"}));
    EXPECT_EQ(frame->findChild<QPushButton*>("selectAllButton")->text(), "Select all");
}

// ------------------------------------------------------------ commands

class MainFrameCommandRunTest : public MainWindowTest {};

TEST_F(MainFrameCommandRunTest, SettingsOkReloadsSettingsAndLanguage) {
    Start(0, kDialogOk, 1);
    EXPECT_TRUE(frame->findChild<QCheckBox*>("identifyBox")->isChecked());
    OnNextModal([](QWidget* modal) {
        auto* dialog = qobject_cast<CSettingsDlg*>(modal);
        ASSERT_TRUE(dialog);
        auto* languages = dialog->findChild<QComboBox*>("languageList");
        languages->setCurrentIndex(languages->findText("en-EN"));
        dialog->findChild<QCheckBox*>("identifyBox")->setChecked(false);
        dialog->findChild<QPushButton*>("applyButton")->click();
    });
    Trigger(C::Settings);
    EXPECT_EQ(MenuTitles(*frame), (QStringList{"File", "Options", "Tools", "Help"}));
    EXPECT_EQ(frame->view().tabViews().tabText(0), "Basic settings");
    EXPECT_FALSE(frame->findChild<QCheckBox*>("identifyBox")->isChecked());
    EXPECT_EQ(view().settings().identifyMode, 0);
}

TEST_F(MainFrameCommandRunTest, SettingsCancelChangesNothing) {
    Start(0, kDialogOk, 1);
    OnNextModal([](QWidget* modal) {
        auto* dialog = qobject_cast<CSettingsDlg*>(modal);
        ASSERT_TRUE(dialog);
        auto* languages = dialog->findChild<QComboBox*>("languageList");
        languages->setCurrentIndex(languages->findText("en-EN"));
        dialog->findChild<QPushButton*>("cancelButton")->click();
    });
    Trigger(C::Settings);
    EXPECT_EQ(MenuTitles(*frame), (QStringList{"Datei", "Optionen", "Extras", "Hilfe"}));
    EXPECT_TRUE(frame->findChild<QCheckBox*>("identifyBox")->isChecked());
}

TEST_F(MainFrameCommandRunTest, BusTestOpensOnTheViewsLinkAndStillReachesTheBusAfterDisconnect) {
    Start(1, kDialogCancel);
    const BusLink link = view().link();
    auto pressMax = [link, this](QWidget* modal) {
        auto* dialog = qobject_cast<BustestDlg*>(modal);
        ASSERT_TRUE(dialog);
        EXPECT_EQ(dialog->link().handle, link.handle);
        EXPECT_EQ(dialog->link().bridgeAddress, link.bridgeAddress);
        EXPECT_EQ(dialog->languageModulePath(), view().settings().languageModulePath);
        for (QPushButton* button : dialog->findChildren<QPushButton*>())
            if (button->text() == "Broadcast MAX")
                button->click();
        dialog->reject();
    };
    OnNextModal(pressMax);
    Trigger(C::BusTest);
    EXPECT_EQ(TakeForwardFrames(), (std::vector<std::string>{"FF05"}));

    Trigger(C::Disconnect);
    TakeForwardFrames();
    OnNextModal(pressMax);
    Trigger(C::BusTest);
    EXPECT_EQ(TakeForwardFrames(), (std::vector<std::string>{"FF05"}));
}

TEST_F(MainFrameCommandRunTest, ClosingSendsTheCloseNotificationFirstThenClosesTheInterface) {
    Start(1, kDialogCancel);
    const KitHandle handle = view().link().handle;
    view().projectDirty = 1;
    std::vector<bool> interfaceOpenWhenSaving;
    view().saveProject = [&] { interfaceOpenWhenSaving.push_back(InterfaceOpen(handle)); };
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(interfaceOpenWhenSaving, std::vector<bool>{true});
    EXPECT_FALSE(InterfaceOpen(handle));
    EXPECT_FALSE(frame->isVisible());
}

TEST_F(MainFrameCommandRunTest, ExitClosesTheWindowThroughTheSameNotification) {
    Start(1, kDialogCancel);
    const KitHandle handle = view().link().handle;
    Trigger(C::Exit);
    EXPECT_FALSE(frame->isVisible());
    EXPECT_FALSE(InterfaceOpen(handle));
}

TEST_F(MainFrameCommandRunTest, CloseIsRefusedWhileACommandRunsAndTheCommandFinishes) {
    Start(1, kDialogCancel);
    const KitHandle handle = view().link().handle;
    std::vector<bool> closeResults;
    // Runs at the first window events the search lets run.
    QTimer::singleShot(0, [&] { closeResults.push_back(frame->close()); });
    Trigger(C::SearchDevices);
    EXPECT_EQ(closeResults, std::vector<bool>{false});
    EXPECT_TRUE(frame->isVisible());
    EXPECT_TRUE(InterfaceOpen(handle));
    EXPECT_EQ(PaneText(kPaneCount), "3/64");
    EXPECT_TRUE(frame->close());
    EXPECT_FALSE(InterfaceOpen(handle));
}

TEST_F(MainFrameCommandRunTest, CloseIsRefusedWhileTheStartUpScanShowsItsWaitDialog) {
    UseScenario(kThreeGearScenario);
    WriteConfig(1, 0);
    Create();
    prompts->Answer(kDialogOk);
    std::vector<bool> closeResults;
    QTimer whileWaiting;
    QObject::connect(&whileWaiting, &QTimer::timeout, [&] {
        auto* waitDialog = frame->findChild<CWaitDlg*>();
        if (closeResults.empty() && waitDialog && waitDialog->isVisible())
            closeResults.push_back(frame->close());
    });
    whileWaiting.start(0);
    frame->InitialUpdate();
    whileWaiting.stop();
    EXPECT_EQ(closeResults, std::vector<bool>{false});
    EXPECT_TRUE(frame->isVisible());
    EXPECT_TRUE(InterfaceOpen(view().link().handle));
    EXPECT_EQ(PaneText(kPaneCount), "3/64");
}

}  // namespace
