// The emergency tab under the mouse, on a simulated emergency luminaire:
// each button's frames, what the tab shows afterwards, and a failed command.

// Clicks go through the window system, as on a desktop.
#define QTEST_QPA_MOUSE_HANDLING

#include "devices/emergency_reading.h"
#include "devices/emergency_view.h"
#include "tests/sim/bus_test_support.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

sim::GearConfig unitAt(int shortAddress, void (*adjust)(sim::EmergencyConfig&)) {
    sim::GearConfig gear = gearAt(shortAddress);
    gear.deviceType = dali::kDeviceTypeEmergency;
    gear.emergency.ratedDuration = 90;
    gear.emergency.lampOperationHours = 20;
    if (adjust)
        adjust(gear.emergency);
    return gear;
}

class EmergencyViewTest : public ::testing::Test {
protected:
    explicit EmergencyViewTest(void (*adjust)(sim::EmergencyConfig&) = nullptr) : bus({unitAt(40, adjust)}) {
        EmergencyViewServices services;
        services.read = [this](EmergencyState& state) {
            EmergencyReadContext context{bus.link(), 40, state};
            return ReadEmergencyState(context);
        };
        services.run = [this](EmergencyAction action) {
            return runResult ? runResult : RunEmergencyAction({bus.link(), dali::commandAddress(40)}, action);
        };
        services.failed = [this](LinkResult result) { failures.push_back(result); };
        view = std::make_unique<CEmergencyView>(std::move(services));
        view->show();
        QApplication::setActiveWindow(view.get());
        EXPECT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    }
    void click(const char* button) {
        auto* b = view->findChild<QPushButton*>(QLatin1String(button));
        ASSERT_NE(b, nullptr) << button;
        QTest::mouseClick(b, Qt::LeftButton);
    }
    QString text(const char* label) { return view->findChild<QLabel*>(QLatin1String(label))->text(); }

    LinkedBus bus;
    std::unique_ptr<CEmergencyView> view;
    LinkResult runResult = 0;
    std::vector<LinkResult> failures;
};

TEST_F(EmergencyViewTest, BeforeAReadEverythingIsUnknown) {
    EXPECT_EQ(text("modeText"), "unbekannt");
    EXPECT_EQ(text("batteryText"),
              "Batterie unbekannt, Nenndauer unbekannt min, letzter Betriebsdauertest unbekannt min");
    EXPECT_TRUE(bus.takeForwardFrames().empty());
}

TEST_F(EmergencyViewTest, FunctionTestButtonStartsTheTestAndShowsItRunning) {
    click("functionTestButton");
    const std::vector<uint16_t> frames = bus.takeForwardFrames();
    ASSERT_GE(frames.size(), 4u);
    EXPECT_EQ(std::vector<uint16_t>(frames.begin(), frames.begin() + 4),
              (std::vector<uint16_t>{0xC101, 0x51E3, 0x51E3, 0xC101}));  // the command, then the read
    EXPECT_EQ(text("modeText"), "Funktionstest läuft");
    EXPECT_EQ(text("statusText"), "Funktionstest ausstehend");
    EXPECT_EQ(text("failureText"), "keine Fehler");
    EXPECT_EQ(text("lampText"), "Lampe 0 h im Notbetrieb, 20 h insgesamt, Notlichtpegel 254");
    EXPECT_EQ(text("intervalText"), "Funktionstest alle 7 Tage, Betriebsdauertest alle 52 Wochen");
    // Both intervals just begun with the test: 7 days and 52 weeks, less the quarter hour under way.
    EXPECT_EQ(text("delayText"),
              "Nächster Funktionstest in 6 d 23 h 45 min, nächster Betriebsdauertest in 363 d 23 h 45 min");

    click("stopTestButton");
    EXPECT_EQ(bus.takeForwardFrames().at(1), 0x51E5);
    EXPECT_EQ(text("modeText"), "Normalbetrieb");
    EXPECT_EQ(text("statusText"), "");  // nothing set: the battery ran the lamp for a moment
    EXPECT_TRUE(failures.empty());
}

TEST_F(EmergencyViewTest, IdentifyAndInhibitShowInTheStatus) {
    click("inhibitButton");
    click("identifyButton");
    EXPECT_EQ(text("statusText"), "gesperrt, Batterie voll geladen, Identifikation läuft");
    click("reLightButton");
    EXPECT_EQ(text("statusText"), "Batterie voll geladen, Identifikation läuft");
    EXPECT_EQ(text("batteryText"), "Batterie 100 %, Nenndauer 180 min, letzter Betriebsdauertest 0 min");
}

TEST_F(EmergencyViewTest, AFailedCommandIsReportedAndNothingIsRead) {
    runResult = link_result::kNotAcknowledged;
    click("durationTestButton");
    EXPECT_EQ(failures, std::vector<LinkResult>{link_result::kNotAcknowledged});
    EXPECT_TRUE(bus.takeForwardFrames().empty());
    EXPECT_EQ(text("modeText"), "unbekannt");
}

TEST_F(EmergencyViewTest, OffTheButtonsDoNothing) {
    view->EnableControls(false);
    click("functionTestButton");
    click("readButton");
    EXPECT_TRUE(bus.takeForwardFrames().empty());
}

class FailedBattery : public EmergencyViewTest {
protected:
    FailedBattery() : EmergencyViewTest([](sim::EmergencyConfig& e) { e.batteryFailure = true; }) {}
};

// No automatic testing, counters at their end, no emergency level set: said
// as such, not as exact figures.
class UnitWithoutAutomaticTests : public EmergencyViewTest {
protected:
    UnitWithoutAutomaticTests()
        : EmergencyViewTest([](sim::EmergencyConfig& e) {
              e.features = dali::dt1_features::kIntegral | dali::dt1_features::kAdjustableLevel;
              e.ratedDuration = 255;
              e.emergencyLevel = 255;
              e.lampEmergencyMinutes = 400 * 60;
              e.lampOperationHours = 5000;
          }) {}
};

TEST_F(UnitWithoutAutomaticTests, ShowsNoCountdownAndTheLimitsAsSuch) {
    click("readButton");
    EXPECT_EQ(text("delayText"), "kein automatischer Test");
    EXPECT_EQ(text("lampText"), "Lampe ≥ 255 h im Notbetrieb, ≥ 1020 h insgesamt, Notlichtpegel unbekannt");
    EXPECT_TRUE(text("batteryText").contains("Nenndauer ≥ 510 min"));
}

TEST_F(FailedBattery, DurationTestFailsAtOnceAndShowsWhy) {
    click("durationTestButton");
    EXPECT_EQ(text("modeText"), "Normalbetrieb");
    EXPECT_EQ(text("statusText"), "Betriebsdauertest erledigt");
    EXPECT_EQ(text("failureText"), "Batteriefehler, Betriebsdauertest fehlgeschlagen");
    EXPECT_EQ(text("batteryText"), "Batterie 0 %, Nenndauer 180 min, letzter Betriebsdauertest 0 min");
}

}  // namespace
