// The emergency tab in the main window: there only for one selected
// emergency luminaire, read when it comes to front, its buttons to that unit
// alone, off once the interface is let go.

#include "addressing/matrix_widget.h"
#include "app/emergency_logbook_dlg.h"
#include "app/emergency_run_dlg.h"
#include "app/tab_views.h"
#include "dali/dali_commands.h"
#include "devices/emergency_view.h"
#include "devices/wait_dlg.h"
#include "sim/dali_bus.h"
#include "tests/app/main_window_fixture.h"
#include "tests/support/file_bytes.h"
#include "tests/support/qt_printers.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

namespace {

using Frames = std::vector<std::string>;

// 0: an LED module; 41: an exit sign with a failed battery; 44: LED module and emergency unit in one.
const char* const kScenario = R"({
  "timeScale": 0,
  "interfaces": [ { "serial": "0000EM01", "bus": { "gear": [
    { "shortAddress": 0, "deviceType": 6 },
    { "shortAddress": 41, "deviceType": 1, "emergency": { "ratedDuration": 30, "batteryFailure": true } },
    { "shortAddress": 44, "deviceType": 6, "moreDeviceTypes": [1], "emergency": { "ratedDuration": 90 } } ] } } ]
})";

std::string FrameText(uint8_t address, uint8_t opcode) {
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X", address, opcode);
    return text;
}

class EmergencyTabTest : public MainWindowTest {
protected:
    void SetUp() override {
        UseScenario(kScenario);
        Start(1, kDialogOk);
    }
    CTabViews& tabs() { return frame->view().tabViews(); }
    bool PageShown() { return tabs().isTabVisible(tabs().indexOf(&tabs().emergencyView())); }
    void Click(int cell, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        CMatrix& matrix = frame->view().matrixWidget();
        const CellBox& box = view().matrix().cells[size_t(cell)].box;
        QTest::mouseClick(&matrix, Qt::LeftButton, modifiers, QPoint(box.x + box.width / 2, box.y + box.height / 2));
    }
    void ClickPage() {
        QTabBar* bar = tabs().tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(tabs().indexOf(&tabs().emergencyView())).center());
    }
    QString Shown(const char* label) {
        return tabs().emergencyView().findChild<QLabel*>(QLatin1String(label))->text();
    }
    QPushButton* Button(const char* name) { return tabs().emergencyView().findChild<QPushButton*>(QLatin1String(name)); }
};

TEST_F(EmergencyTabTest, TheMatrixMarksUnitsOfDeviceTypeOneAlsoAmongOtherTypes) {
    const MatrixModel& matrix = view().matrix();
    ASSERT_TRUE(matrix.isEmergencyUnit);
    std::vector<int> marked;
    for (int cell = 0; cell < kMatrixCellCount; ++cell)
        if (matrix.isEmergencyUnit(cell))
            marked.push_back(cell);
    EXPECT_EQ(marked, (std::vector<int>{41, 44}));
}

TEST_F(EmergencyTabTest, ThePageIsThereOnlyWhileOneEmergencyUnitIsSelected) {
    EXPECT_FALSE(PageShown());
    Click(41);
    EXPECT_TRUE(PageShown());
    EXPECT_EQ(tabs().tabText(tabs().indexOf(&tabs().emergencyView())), "Notlicht");
    Click(44);  // emergency among its device types
    EXPECT_TRUE(PageShown());
    Click(41, Qt::ControlModifier);
    EXPECT_FALSE(PageShown());
    Click(41);
    ClickPage();
    EXPECT_EQ(tabs().currentWidget(), &tabs().emergencyView());
    Click(0);  // the page in front goes: another one takes its place
    EXPECT_FALSE(PageShown());
    EXPECT_NE(tabs().currentWidget(), &tabs().emergencyView());
    EXPECT_EQ(view().currentTab(), DeviceTab(tabs().currentIndex()));
}

TEST_F(EmergencyTabTest, ThePageReadsItsUnitInFrontAndItsButtonsGoToThatUnitOnly) {
    Click(41);
    TakeForwardFrames();
    ClickPage();
    EXPECT_EQ(view().currentTab(), DeviceTab::Emergency);
    EXPECT_EQ(Shown("failureText"), "keine Fehler");  // a test finds the battery's failure
    EXPECT_EQ(Shown("batteryText"), "Batterie 0 %, Nenndauer 60 min, letzter Betriebsdauertest 0 min");
    EXPECT_FALSE(TakeForwardFrames().empty());

    QTest::mouseClick(Button("functionTestButton"), Qt::LeftButton);
    const Frames frames = TakeForwardFrames();
    const uint8_t start = dali::code(dali::Dt1Op::StartFunctionTest), unit = dali::commandAddress(41);
    const Frames sent{FrameText(dali::code(dali::SpecialOp::EnableDeviceType), 1), FrameText(unit, start),
                      FrameText(unit, start)};
    ASSERT_GT(frames.size(), 3u);
    EXPECT_EQ(Frames(frames.begin(), frames.begin() + 3), sent);
    // The read after the command shows what the test found.
    EXPECT_EQ(Shown("failureText"), "Batteriefehler, Funktionstest fehlgeschlagen");
}

TEST_F(EmergencyTabTest, OfflineThePageGoesAndItsButtonsAreOff) {
    Click(44);
    ClickPage();
    ASSERT_TRUE(Button("inhibitButton")->isEnabled());
    Trigger(CommandId::Disconnect);
    EXPECT_FALSE(PageShown());
    EXPECT_FALSE(Button("inhibitButton")->isEnabled());
    EXPECT_FALSE(Button("readButton")->isEnabled());
}

// The whole way through the menu: the run's dialog worked by keys and clicks,
// its wait dialog's cancel clicked while the second unit tests, the logbook's
// window showing the outcome and exporting it.
TEST_F(EmergencyTabTest, ARunFromTheMenuCancelledByClickIsLoggedAndShownInTheLogbookWindow) {
    const QString project = configFolder.filePath(QStringLiteral("site.prj"));
    prompts->Answer(kDialogOk);
    prompts->ChoosePath(project);
    Trigger(CommandId::SaveProjectMenu);
    TakeForwardFrames();

    bool picked = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<CEmergencyRunDlg*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        EXPECT_EQ(dialog->windowTitle(), "Notlicht-Testlauf");
        auto* units = dialog->findChild<QComboBox*>("units");
        QTest::keyClick(units, Qt::Key_Down);  // group 0: no unit is in it
        QTest::keyClick(units, Qt::Key_Home);  // all units
        EXPECT_EQ(units->currentIndex(), 0);
        QTest::mouseClick(dialog->findChild<QRadioButton*>("functionTest"), Qt::LeftButton);
        QTest::mouseClick(dialog->findChild<QPushButton*>("start"), Qt::LeftButton);
        picked = true;
    });
    // The second unit's start: cancel is clicked at the run's next look at the window.
    const uint16_t secondStarts =
        uint16_t(dali::commandAddress(44) << 8 | dali::code(dali::Dt1Op::StartFunctionTest));
    bool cancelClicked = false;
    backend->bus(0)->setFrameListener([&](const sim::BusFrame& sent) {
        if (sent.kind != sim::FrameKind::Forward || sent.data != secondStarts || cancelClicked)
            return;
        cancelClicked = true;
        QTimer::singleShot(0, [this] {
            for (CWaitDlg* wait : frame->findChildren<CWaitDlg*>())
                if (wait->isVisible())
                    QTest::mouseClick(wait->findChild<QPushButton*>("cancelButton"), Qt::LeftButton);
        });
    });
    Trigger(CommandId::EmergencyTestRun);
    backend->bus(0)->setFrameListener(nullptr);
    ASSERT_TRUE(picked);
    ASSERT_TRUE(cancelClicked);

    const uint8_t stop = dali::code(dali::Dt1Op::StopTest);
    Frames stops;
    for (const std::string& sent : TakeForwardFrames())
        for (int unit = 0; unit < kDeviceCount; ++unit)
            if (sent == FrameText(dali::commandAddress(unit), stop))
                stops.push_back(sent);
    EXPECT_EQ(stops, (Frames{FrameText(dali::commandAddress(44), stop), FrameText(dali::commandAddress(44), stop)}));
    const QList<QByteArray> lines = ReadFileBytes(configFolder.filePath(QStringLiteral("site.emergency.log"))).split('\n');
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[1].mid(lines[1].indexOf('\t')), "\t41\tfunction\tfailed\t44\t-\t\t-");
    EXPECT_EQ(lines[2].mid(lines[2].indexOf('\t')), "\t44\tfunction\tcancelled\t-\t-\t\t-");

    bool shown = false;
    prompts->ChoosePath(configFolder.filePath(QStringLiteral("site.csv")));
    QTimer::singleShot(0, [&] {
        auto* window = qobject_cast<CEmergencyLogbookDlg*>(QApplication::activeModalWidget());
        ASSERT_TRUE(window);
        EXPECT_EQ(window->list()->rowCount(), 2);
        EXPECT_EQ(window->list()->item(1, 4)->text(), "abgebrochen");
        EXPECT_EQ(window->findChild<QLabel*>("summary")->text(), "2 Einträge, 0 beschädigte Zeilen übersprungen");
        QTest::mouseClick(window->findChild<QPushButton*>("exportCsv"), Qt::LeftButton);
        QTest::keyClick(window, Qt::Key_Escape);
        shown = true;
    });
    Trigger(CommandId::EmergencyLogbook);
    EXPECT_TRUE(shown);
    EXPECT_EQ(ReadFileBytes(configFolder.filePath(QStringLiteral("site.csv"))).count('\n'), 3);
}

}  // namespace
