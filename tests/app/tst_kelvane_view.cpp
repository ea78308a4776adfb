// The device panel: the matrix's notifications reach the main view, the
// identify box, the group selector and the selection buttons act on it, the
// panel and the tabs are enabled with the flows, the splash covers set-up.

#include "addressing/matrix_widget.h"
#include "addressing/trace.h"
#include "app/info_view.h"
#include "app/splash_window.h"
#include "app/tab_views.h"
#include "devices/basic_view.h"
#include "devices/scene_view.h"
#include "devices/wait_dlg.h"
#include "groups_scenes/group_dlg.h"
#include "tests/app/main_window_fixture.h"
#include "tests/support/qt_printers.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolTip>

namespace {

using C = CommandId;

class KelvaneViewTest : public MainWindowTest {
protected:
    void SetUp() override {
        previousSink_ = SetTraceSink([this](const QString& line) {
            if (line.startsWith(QStringLiteral("WM_OWN_COMMAND_")))
                notifications << line.trimmed();
        });
    }
    void TearDown() override {
        SetTraceSink(previousSink_);
        MainWindowTest::TearDown();
    }

    CMatrix& matrix() { return frame->view().matrixWidget(); }
    const MatrixCell& cell(int index) { return view().matrix().cells[size_t(index)]; }
    QPoint Centre(int index) {
        const CellBox& box = cell(index).box;
        return {box.x + box.width / 2, box.y + box.height / 2};
    }
    void Click(int index, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::mouseClick(&matrix(), Qt::LeftButton, modifiers, Centre(index));
    }
    void MoveHoldingLeft(int index) {
        const QPoint at = Centre(index);
        QMouseEvent move(QEvent::MouseMove, at, matrix().mapToGlobal(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&matrix(), &move);
    }
    // The colour two pixels inside the cell's top-left corner as drawn now.
    QColor ShownColour(int index) {
        const CellBox& box = cell(index).box;
        return matrix().Render().pixelColor(box.x + 2, box.y + 2);
    }
    std::vector<int> SelectedCells() {
        std::vector<int> selected;
        for (int i = 0; i < kMatrixCellCount; ++i)
            if (cell(i).selected == 1)
                selected.push_back(i);
        return selected;
    }
    template <typename Control>
    Control* Find(const char* name) {
        auto* control = frame->findChild<Control*>(QLatin1String(name));
        EXPECT_TRUE(control) << name;
        return control;
    }

    // The view's own wait dialog (the tabs' belong to their pages).
    CWaitDlg* ViewWaitDialog() {
        for (CWaitDlg* dialog : frame->findChildren<CWaitDlg*>())
            if (dialog->parentWidget() == &frame->view())
                return dialog;
        return nullptr;
    }

    QStringList notifications;

private:
    TraceSink previousSink_;
};

// ------------------------------------------------------------------ matrix

TEST_F(KelvaneViewTest, ClickOnAPresentCellSelectsItIdentifiesItAndShowsItsAddress) {
    Start(1, kDialogOk, 1);
    view().store().workingTable[12].readState = kReadStateParameters;  // nothing to read first
    Click(12);
    EXPECT_EQ(notifications, (QStringList{"WM_OWN_COMMAND_CLICK: 12"}));
    EXPECT_EQ(SelectedCells(), std::vector<int>{12});
    EXPECT_EQ(view().store().selectedCount, 1);
    EXPECT_EQ(PaneText(kPaneSelection), "Adr: 12");
    // Identify: every gear to the background level, then the selected one to full.
    EXPECT_EQ(TakeForwardFrames(), (std::vector<std::string>{"FE57", "18FE"}));
    for (C id : {C::Send, C::ReadDevice, C::SaveDeviceFile, C::LoadDeviceFile})
        EXPECT_TRUE(frame->commandAction(id)->isEnabled()) << int(id);
    EXPECT_TRUE(frame->view().tabViews().basicView().sendButton()->isEnabled());
}

TEST_F(KelvaneViewTest, CtrlClickAddsACellWithIndexMinusOneAndShowsAList) {
    Start(1, kDialogOk, 0);
    view().store().workingTable[12].readState = kReadStateParameters;
    Click(12);
    Click(40, Qt::ControlModifier);
    EXPECT_EQ(notifications, (QStringList{"WM_OWN_COMMAND_CLICK: 12", "WM_OWN_COMMAND_CLICK: -1"}));
    EXPECT_EQ(SelectedCells(), (std::vector<int>{12, 40}));
    EXPECT_EQ(view().store().selectedCount, 2);
    EXPECT_EQ(PaneText(kPaneSelection), "List");
    for (C id : {C::Send, C::ReadDevice, C::SaveDeviceFile, C::LoadDeviceFile})
        EXPECT_FALSE(frame->commandAction(id)->isEnabled()) << int(id);
    EXPECT_TRUE(TakeForwardFrames().empty());  // identify is off

    Click(40, Qt::ControlModifier);
    EXPECT_EQ(SelectedCells(), std::vector<int>{12});
    EXPECT_EQ(PaneText(kPaneSelection), "Adr: 12");
}

TEST_F(KelvaneViewTest, ClickOnAGreyCellSendsNothing) {
    Start(1, kDialogOk, 1);
    Click(5);
    EXPECT_TRUE(notifications.isEmpty());
    EXPECT_TRUE(SelectedCells().empty());
    EXPECT_EQ(PaneText(kPaneSelection), "---");
    EXPECT_TRUE(TakeForwardFrames().empty());
}

TEST_F(KelvaneViewTest, DragShowsItsColoursAndNotifiesOnlyWithFewerThanTwoSelected) {
    Start(1, kDialogOk, 0);
    Click(12);
    notifications.clear();
    QTest::mousePress(&matrix(), Qt::LeftButton, Qt::NoModifier, Centre(12));
    MoveHoldingLeft(3);
    const QColor underMouse = ShownColour(3);
    EXPECT_GT(underMouse.red(), 120);
    EXPECT_LT(underMouse.blue(), 60);
    EXPECT_EQ(notifications, (QStringList{"WM_OWN_COMMAND_MOVING: 12", "WM_OWN_COMMAND_TRACK: 3"}));
    prompts->Answer(kDialogCancel);  // the move's question
    QTest::mouseRelease(&matrix(), Qt::LeftButton, Qt::NoModifier, Centre(3));
    EXPECT_EQ(notifications.last(), "WM_OWN_COMMAND_MOVE: 3");

    // Two selected: the same gesture neither colours nor notifies.
    Click(12);
    Click(40, Qt::ControlModifier);
    notifications.clear();
    QTest::mousePress(&matrix(), Qt::LeftButton, Qt::NoModifier, Centre(12));
    MoveHoldingLeft(3);
    const QColor plain = ShownColour(3);
    EXPECT_GT(plain.blue(), 150);
    EXPECT_LT(plain.red(), 100);
    QTest::mouseRelease(&matrix(), Qt::LeftButton, Qt::NoModifier, Centre(3));
    EXPECT_TRUE(notifications.isEmpty()) << notifications.join(", ").toStdString();
}

TEST_F(KelvaneViewTest, DraggingOutOfTheMatrixIsItsLeave) {
    Start(1, kDialogOk, 0);
    notifications.clear();
    QTest::mousePress(&matrix(), Qt::LeftButton, Qt::NoModifier, Centre(12));
    MoveHoldingLeft(3);
    matrix().Render();  // drawing the drag reports the cell under the mouse
    for (const QPoint outside : {QPoint(-20, 40), QPoint(-40, 60)}) {
        QMouseEvent move(QEvent::MouseMove, outside, matrix().mapToGlobal(outside), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&matrix(), &move);
        matrix().Render();
    }
    EXPECT_EQ(matrix().Model().buttonHeld, 0);
    QTest::mouseRelease(&matrix(), Qt::LeftButton, Qt::NoModifier, QPoint(-40, 60));
    EXPECT_EQ(notifications, (QStringList{"WM_OWN_COMMAND_MOVING: 12", "WM_OWN_COMMAND_TRACK: 3"}));
    // Back inside with the button held, the drag goes on.
    QTest::mousePress(&matrix(), Qt::LeftButton, Qt::NoModifier, Centre(12));
    MoveHoldingLeft(4);
    matrix().Render();
    EXPECT_EQ(notifications.last(), "WM_OWN_COMMAND_TRACK: 4");
    EXPECT_EQ(matrix().Model().buttonHeld, 1);
}

TEST_F(KelvaneViewTest, AddressingDialogRunsAndShowsItsProgress) {
    Start(1, kDialogOk, 0);
    QStringList shown;
    bool controlsOff = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Adressierung");
        auto* mode = dialog->findChild<QComboBox*>("mode");
        EXPECT_EQ(mode->itemText(0), "Neu adressieren");
        EXPECT_EQ(mode->itemText(1), "Hinzufügen");
        EXPECT_EQ(mode->currentIndex(), 0);
        prompts->Answer(kDialogOk);
        dialog->findChild<QPushButton*>("start")->click();  // the whole run, then the dialog ends
        for (int i = 0; i < dialog->findChild<QListWidget*>("progress")->count(); ++i)
            shown << dialog->findChild<QListWidget*>("progress")->item(i)->text();
        controlsOff = !mode->isEnabled() && !dialog->findChild<QPushButton*>("start")->isEnabled();
    });
    Trigger(C::AddressMenu);
    EXPECT_EQ(shown, (QStringList{"Adressierung läuft....", "Adresse: 0", "Adresse: 1", "Adresse: 2"}));
    EXPECT_TRUE(controlsOff);
    EXPECT_EQ(prompts->messages.back().text, "Die Adressierung wurde beendet.");
    EXPECT_TRUE(EnabledToolbarButtons().count(C::GroupsTool));
}

// ------------------------------------------------------------------ panel

TEST_F(KelvaneViewTest, IdentifyBoxStartsFromTheSettingsAndSwitchesIdentifyMode) {
    Start(1, kDialogOk, 1);
    auto* identify = Find<QCheckBox>("identifyBox");
    EXPECT_EQ(identify->text(), "Identify device");
    EXPECT_TRUE(identify->isChecked());
    QTest::mouseClick(identify, Qt::LeftButton, Qt::NoModifier, QPoint(8, identify->height() / 2));
    EXPECT_FALSE(identify->isChecked());
    EXPECT_EQ(view().settings().identifyMode, 0);
    view().store().workingTable[12].readState = kReadStateParameters;
    Click(12);
    EXPECT_TRUE(TakeForwardFrames().empty());
    QTest::mouseClick(identify, Qt::LeftButton, Qt::NoModifier, QPoint(8, identify->height() / 2));
    EXPECT_EQ(view().settings().identifyMode, 1);
}

TEST_F(KelvaneViewTest, GroupSelectorHighlightsTheGroupAndSelectPicksIt) {
    Start(1, kDialogOk, 0);
    auto* selector = Find<QComboBox>("groupSelector");
    QStringList entries;
    for (int i = 0; i < selector->count(); ++i)
        entries << selector->itemText(i);
    EXPECT_EQ(entries, (QStringList{"None", "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13",
                                    "14", "15"}));
    EXPECT_EQ(selector->currentIndex(), 0);
    EXPECT_EQ(Find<QLabel>("groupLabel")->text(), "Gruppenzugehörigkeit");

    selector->setFocus();
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(selector, Qt::Key_Down);  // entry 3: group 2
    EXPECT_EQ(view().groupEntry(), 3);
    for (int i = 0; i < kMatrixCellCount; ++i)
        EXPECT_EQ(cell(i).groupHighlight, (i == 3 || i == 12) ? 1 : 0) << i;

    QTest::mouseClick(Find<QPushButton>("selectButton"), Qt::LeftButton);
    EXPECT_EQ(SelectedCells(), (std::vector<int>{3, 12}));
    EXPECT_EQ(view().store().selectedCount, 2);

    QTest::keyClick(selector, Qt::Key_Home);  // "None"
    EXPECT_EQ(view().groupEntry(), 0);
    EXPECT_EQ(cell(12).groupHighlight, 0);
}

// Escape closes the group manager as "Schließen" does: the main view then
// shows what was applied (here the group highlight), so no stale value is
// left for a later "Senden" to write back.
TEST_F(KelvaneViewTest, EscapeInTheGroupManagerRunsTheMainViewsFollowUp) {
    Start(1, kDialogOk, 0);
    view().GroupEntryChanged(8);  // group 7, which nobody is in yet
    QTimer::singleShot(0, [] {
        auto* manager = qobject_cast<CGroupDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(manager, nullptr);
        EXPECT_FALSE(manager->windowFlags() & Qt::WindowCloseButtonHint);
        QTableWidget& grid = manager->grid();
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier,
                          grid.visualItemRect(grid.item(0, 8)).center());  // gear 3 joins group 7
        QTest::mouseClick(manager->findChild<QPushButton*>("apply"), Qt::LeftButton);
        QTest::keyClick(manager, Qt::Key_Escape);
    });
    Trigger(C::GroupsTool);
    EXPECT_EQ(cell(3).groupHighlight, 1);
    EXPECT_EQ(view().store().workingTable[3].groupMask & 0x80, 0x80);
}

// A gear's name: the tool tip of its cell, and the information tab's name
// field, typed into and ended with Enter.
TEST_F(KelvaneViewTest, TheNameShowsAsToolTipAndIsTypedIntoTheInfoTab) {
    Start(1, kDialogOk, 0);
    view().store().workingTable[12].name = "Flur";
    QHelpEvent help(QEvent::ToolTip, Centre(12), matrix().mapToGlobal(Centre(12)));
    QApplication::sendEvent(&matrix(), &help);
    EXPECT_EQ(QToolTip::text(), "Flur");

    view().store().workingTable[12].readState = kReadStateParameters;
    Click(12);
    auto* field = frame->findChild<QLineEdit*>("nameField");
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->text(), "Flur");
    EXPECT_TRUE(field->isEnabled());
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, "Flur Nord");
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(view().store().workingTable[12].name, "Flur Nord");
    EXPECT_EQ(PaneText(kPaneName), "Flur Nord");
    EXPECT_TRUE(TakeForwardFrames().empty());

    // Typed, then the next cell clicked: the matrix takes no focus, yet the name is kept for its gear.
    field->selectAll();
    QTest::keyClicks(field, "Flur West");
    view().store().workingTable[3].readState = kReadStateParameters;
    Click(3);
    EXPECT_EQ(view().store().workingTable[12].name, "Flur West");
    EXPECT_TRUE(view().store().workingTable[3].name.isEmpty());
    EXPECT_TRUE(field->text().isEmpty());
    Click(12);
    // Typed, then a command from the toolbar, which takes no focus either: the name is kept before it runs.
    field->selectAll();
    QTest::keyClicks(field, "Flur Ost");
    prompts->Answer(kDialogCancel);  // the save's question
    Trigger(C::SaveProjectTool);
    EXPECT_EQ(view().store().workingTable[12].name, "Flur Ost");
    EXPECT_EQ(view().projectDirty, 1);

    Click(12, Qt::ControlModifier);  // nothing selected: no name to edit
    EXPECT_FALSE(field->isEnabled());
}

TEST_F(KelvaneViewTest, SelectAllAndDeselectAllButtons) {
    Start(1, kDialogOk, 0);
    auto* selectAll = Find<QPushButton>("selectAllButton");
    auto* deselectAll = Find<QPushButton>("deselectAllButton");
    EXPECT_EQ(selectAll->text(), "Alle auswählen");
    EXPECT_EQ(deselectAll->text(), "Nichts auswählen");

    QTest::mouseClick(selectAll, Qt::LeftButton);
    EXPECT_EQ(SelectedCells(), (std::vector<int>{3, 12, 40}));
    EXPECT_EQ(PaneText(kPaneSelection), "List");
    EXPECT_TRUE(frame->commandAction(C::Send)->isEnabled());

    QTest::mouseClick(deselectAll, Qt::LeftButton);
    EXPECT_TRUE(SelectedCells().empty());
    EXPECT_EQ(PaneText(kPaneSelection), "NONE");
    EXPECT_FALSE(frame->commandAction(C::Send)->isEnabled());
}

TEST_F(KelvaneViewTest, DisconnectDisablesThePanelAndAScanAfterConnectingEnablesIt) {
    Start(1, kDialogOk, 0);
    const std::vector<QWidget*> controls{&matrix(),
                                         Find<QGroupBox>("devicesBox"),
                                         Find<QCheckBox>("identifyBox"),
                                         Find<QComboBox>("groupSelector"),
                                         Find<QPushButton>("selectButton"),
                                         Find<QPushButton>("selectAllButton"),
                                         Find<QPushButton>("deselectAllButton"),
                                         &frame->view().tabViews()};
    for (QWidget* control : controls)
        EXPECT_TRUE(control->isEnabled()) << control->objectName().toStdString();

    Trigger(C::Disconnect);
    for (QWidget* control : controls)
        EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
    Click(12);
    EXPECT_TRUE(notifications.isEmpty());

    prompts->Answer(kDialogOk);
    Trigger(C::Connect);
    for (QWidget* control : controls)
        EXPECT_TRUE(control->isEnabled()) << control->objectName().toStdString();
}

// ------------------------------------------------------------------ tabs

TEST_F(KelvaneViewTest, TabHostHasRelabelledPagesAndEnablesThem) {
    UseScenario(kThreeGearScenario);
    WriteConfig(1, 0);
    Create();
    CTabViews& tabs = frame->view().tabViews();
    ASSERT_EQ(tabs.count(), 5);  // colour and emergency pages, hidden without such gear
    EXPECT_FALSE(tabs.isTabVisible(3));
    EXPECT_FALSE(tabs.isTabVisible(4));
    EXPECT_EQ((QStringList{tabs.tabText(0), tabs.tabText(1), tabs.tabText(2)}),
              (QStringList{"Basic", "Scenes", "Info"}));
    tabs.setCurrentIndex(2);

    prompts->Answer(kDialogOk);
    frame->InitialUpdate();
    EXPECT_EQ((QStringList{tabs.tabText(0), tabs.tabText(1), tabs.tabText(2)}),
              (QStringList{"Grundeinstellungen", "Szenen", "Info / Status"}));
    EXPECT_EQ(tabs.currentIndex(), 0);
    EXPECT_TRUE(tabs.basicView().isVisible());
    EXPECT_FALSE(tabs.infoView().isVisible());
    EXPECT_EQ(tabs.link().handle, view().link().handle);
    EXPECT_EQ(tabs.link().bridgeAddress, view().link().bridgeAddress);

    // After the scan found gear the basic and scenes tabs wait for a selection.
    QPushButton* basicSend = tabs.basicView().sendButton();
    QPushButton* scenesSend = tabs.sceneView().sendButton();
    EXPECT_EQ(basicSend->text(), "Senden");
    EXPECT_FALSE(basicSend->isEnabled());
    EXPECT_FALSE(scenesSend->isEnabled());
    Click(12);
    EXPECT_TRUE(basicSend->isEnabled());
    EXPECT_TRUE(scenesSend->isEnabled());

    // A tab switch keeps its page, also through a change of language.
    tabs.setCurrentIndex(int(DeviceTab::Scenes));
    frame->view().mainView().ApplyLanguage();
    EXPECT_EQ(tabs.currentIndex(), 1);
    EXPECT_TRUE(tabs.sceneView().isVisible());
    EXPECT_EQ(tabs.tabText(1), "Szenen");
}

// ------------------------------------------------------------------ splash

class SplashRecorder final : public QObject {
public:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (auto* splash = qobject_cast<SPLASH*>(object)) {
            if (event->type() == QEvent::Show) {
                shown << splash->frameGeometry();
                owner = splash->parentWidget();
                ownerCentre = owner->mapToGlobal(owner->rect().center());
            } else if (event->type() == QEvent::Hide) {
                ++hidden;
            }
        }
        return false;
    }
    QList<QRect> shown;
    int hidden = 0;
    QWidget* owner = nullptr;
    QPoint ownerCentre;
};

TEST_F(KelvaneViewTest, SplashIsShownCentredOverTheViewDuringSetUpOnly) {
    SplashRecorder recorder;
    qApp->installEventFilter(&recorder);
    Start(0);
    qApp->removeEventFilter(&recorder);
    ASSERT_EQ(recorder.shown.size(), 1);
    EXPECT_EQ(recorder.hidden, 1);
    EXPECT_EQ(recorder.owner, &frame->view());
    EXPECT_LE((recorder.shown[0].center() - recorder.ownerCentre).manhattanLength(), 1);
    EXPECT_EQ(recorder.shown[0].size(), QSize(420, 240));

    // The picture is drawn: its middle is not the background of an empty window.
    auto* splash = frame->view().findChild<SPLASH*>();
    ASSERT_TRUE(splash);
    EXPECT_FALSE(splash->isVisible());
    const QImage picture = splash->grab().toImage();
    const QColor background = picture.pixelColor(10, 10), cellArea = picture.pixelColor(300, 100);
    EXPECT_GT(background.blue(), background.red());  // the dark blue ground
    EXPECT_NE(background, cellArea);
}

// ------------------------------------------------------------------ jobs

// Window events run between a job's transactions: what the user starts then
// runs under its own tab's dialog and leaves the running job's dialog, its
// cancel button and the close guard alone.
TEST_F(KelvaneViewTest, JobsStartedDuringReadAllLeaveItsDialogAndCancelAlone) {
    Start(1, kDialogOk);
    CWaitDlg* readAllDialog = ViewWaitDialog();
    ASSERT_TRUE(readAllDialog);
    bool shownAfterNestedJobs = false;
    QTimer::singleShot(0, [&] {
        Click(12);  // unread: the basic tab reads it
        QTest::mouseClick(Find<QPushButton>("identifyButton"), Qt::LeftButton);
        QTabBar* tabs = frame->view().tabViews().tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(2).center());
        shownAfterNestedJobs = readAllDialog->isVisible();
        QTest::mouseClick(readAllDialog->findChild<QPushButton*>("cancelButton"), Qt::LeftButton);
    });
    prompts->Answer(kDialogOk);
    Trigger(C::ReadAll);
    EXPECT_TRUE(shownAfterNestedJobs);
    EXPECT_EQ(view().store().workingTable[3].readState, kReadStateParameters | kReadStateScenes);
    EXPECT_EQ(view().store().workingTable[12].readState, kReadStateParameters);  // by the click only
    EXPECT_EQ(view().store().workingTable[40].readState, 0u);                    // cancelled before
    // The 15 identification and status rows, four bank sections the gear lacks (a heading and "nicht
    // vorhanden" each), then bank 0's section: a gap, its title and its eleven DALI-2 values.
    QTableWidget* info = frame->view().tabViews().infoView().list();
    EXPECT_EQ(info->rowCount(), 36);
    // A value wider than its column is whole in its tool tip.
    const QList<QTableWidgetItem*> serial = info->findItems(QStringLiteral("Seriennummer"), Qt::MatchExactly);
    ASSERT_EQ(serial.size(), 1);
    const QTableWidgetItem* value = info->item(serial[0]->row(), 1);
    EXPECT_EQ(value->text().size(), 16);
    EXPECT_EQ(value->toolTip(), value->text());
    EXPECT_FALSE(readAllDialog->isVisible());
    EXPECT_FALSE(frame->view().busy());
}

TEST_F(KelvaneViewTest, ASendToSeveralGearCannotBeClosedWhenAGearIsClickedMeanwhile) {
    Start(1, kDialogOk);
    QTest::mouseClick(Find<QPushButton>("selectAllButton"), Qt::LeftButton);
    std::vector<bool> closeResults;
    QTimer::singleShot(0, [&] {
        Click(40);  // unread: read under the basic tab's dialog
        closeResults.push_back(frame->close());
    });
    prompts->Answer(kDialogOk);  // all selected gear are overwritten
    QTest::mouseClick(frame->view().tabViews().basicView().sendButton(), Qt::LeftButton);
    EXPECT_EQ(closeResults, std::vector<bool>{false});
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(view().projectDirty, 1);
    prompts->Answer(kDialogCancel);  // not saved
    EXPECT_TRUE(frame->close());
}

}  // namespace
