// The emergency tab in the main window: there only for one selected
// emergency luminaire, read when it comes to front, its buttons to that unit
// alone, off once the interface is let go.

#include "addressing/matrix_widget.h"
#include "app/tab_views.h"
#include "dali/dali_commands.h"
#include "devices/emergency_view.h"
#include "tests/app/main_window_fixture.h"
#include "tests/support/qt_printers.h"

#include <QLabel>
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

}  // namespace
