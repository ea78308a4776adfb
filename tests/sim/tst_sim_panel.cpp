// The simulated bus panel: lamps follow the gear, its keys reach the gear,
// the monitor lists what the bus carries.

#include "addressing/addressing_assistant.h"
#include "kit/kit_backend.h"
#include "kit/sim_backend.h"
#include "sim/dali_bus.h"
#include "sim/frame_monitor.h"
#include "sim/panel/gear_tile.h"
#include "sim/panel/sim_panel_window.h"
#include "sim/scenario.h"
#include "sim/sim_clock.h"
#include "tests/support/headless_view.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTest>

#include <gtest/gtest.h>

#include <thread>

namespace {

class SimPanel : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        const auto scenario = sim::parseScenario(
            R"({"timeScale": 0, "interfaces": [{"bus": {"gear": [
                 {"shortAddress": 1, "actualLevel": 0}, {"actualLevel": 0, "dimmingCurve": 1}]}}]})",
            "panel", error);
        ASSERT_TRUE(scenario) << error;
        backend = kit::buildSimulatedBackend(*scenario);
        bus = backend->bus(0);
    }
    void Send(uint8_t first, uint8_t second) {
        backend->clock()->advanceUs(40'000);
        bus->transmit(backend->clock()->nowUs(), first, second);
    }

    std::shared_ptr<kit::SimBackend> backend;
    std::shared_ptr<sim::DaliBus> bus;
};

TEST_F(SimPanel, LampsFollowTheGearAndTheKeysReachIt) {
    SimPanelWindow panel(backend);
    ASSERT_EQ(panel.tiles().size(), 2u);
    EXPECT_EQ(panel.tiles()[0]->lampOutput(), 0.0);
    Send(0xFF, 0x05);  // RECALL MAX LEVEL to all, as the bus test sends it
    panel.refresh();
    for (GearTile* tile : panel.tiles())
        EXPECT_DOUBLE_EQ(tile->lampOutput(), 1.0);
    EXPECT_NEAR(lightOutput(127, 0), 0.0316, 0.001);  // logarithmic: about 3 % at half the arc range
    EXPECT_NEAR(lightOutput(127, 1), 0.5, 0.001);

    // "Physical select" on the second tile selects that gear.
    for (int i = 0; i < 2; ++i)
        Send(0xA5, 0x00);  // INITIALISE
    for (int i = 0; i < 2; ++i)
        Send(0xBD, 0x00);  // PHYSICAL SELECTION
    panel.tiles()[1]->findChildren<QPushButton*>()[0]->click();
    bool selected[2] = {};
    for (size_t i = 0; i < 2; ++i)
        bus->withGear(i, [&](sim::ControlGear& g) { selected[i] = g.isPhysicallySelected(); });
    EXPECT_FALSE(selected[0]);
    EXPECT_TRUE(selected[1]);

    // Bus power lost: every gear at its system-failure level (254 here).
    Send(0xFE, 0);
    panel.findChild<QCheckBox*>("busPower")->click();
    panel.refresh();
    EXPECT_DOUBLE_EQ(panel.tiles()[1]->lampOutput(), 1.0);
    panel.findChild<QCheckBox*>("busPower")->click();

    // Its mains switch makes it dark and silent.
    panel.tiles()[0]->findChildren<QPushButton*>()[1]->click();
    panel.refresh();
    EXPECT_EQ(panel.tiles()[0]->lampOutput(), 0.0);
    bus->withGear(0, [](sim::ControlGear& g) { EXPECT_FALSE(g.mainsPowered()); });
}

TEST(SimPanelColour, ALampShowsItsGearsColour) {
    struct Case {
        const char* name;
        std::optional<sim::GearColourPoint> colour;
        uint8_t channels;
        QColor hue;
    };
    const sim::GearColourPoint red{dali::kColourTypeRgbwaf, 0xFFFF, {254, 0, 0, 255, 255, 255}};
    const sim::GearColourPoint whiteAndAmber{dali::kColourTypeRgbwaf, 0xFFFF, {0, 0, 0, 254, 254, 0}};
    const Case cases[] = {
        {"no colour gear: warm white", std::nullopt, 0, QColor::fromHsvF(0.14, 0.6, 1.0)},
        {"red", red, 3, QColor(255, 0, 0)},
        {"white and amber", whiteAndAmber, 5, QColor(255, 223, 127)},
        {"a channel the gear has not got stays dark", whiteAndAmber, 3, QColor(0, 0, 0)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(lampColour(c.colour, c.channels).name().toStdString(), c.hue.name().toStdString()) << c.name;
    // Tunable white: warm white is orange, cool white nearly white with the most blue.
    const QColor warm = lampColour(sim::GearColourPoint::tc(370), 0);  // 2700 K
    const QColor cool = lampColour(sim::GearColourPoint::tc(154), 0);  // 6500 K
    EXPECT_EQ(warm.red(), 255);
    EXPECT_GT(warm.green(), warm.blue());
    EXPECT_LT(warm.blue(), 128);
    EXPECT_GT(cool.blue(), 240);
    EXPECT_GT(cool.green(), 240);
}

// At time scale 0 the assistant polls for a key as fast as the host allows,
// from its own thread. The frames reach the monitor in one hand-over per
// burst, so a key pressed on the panel waits behind one event, not behind one
// per frame (thousands a second), and reaches the gear's next poll.
TEST_F(SimPanel, AKeyPressedDuringABurstOfPollsIsNotQueuedBehindIt) {
    SimPanelWindow panel(backend);
    panel.show();
    struct CountHandOvers final : QObject {
        int count = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            count += event->type() == QEvent::MetaCall;
            return false;
        }
    } handOvers;
    panel.monitor().installEventFilter(&handOvers);
    const uint8_t initialise = 0xA5, physicalSelection = 0xBD, queryShortAddress = 0xBB;
    for (uint8_t command : {initialise, initialise, physicalSelection})
        Send(command, 0x00);
    std::thread assistant([&] {
        for (int poll = 0; poll < 500; ++poll)
            Send(queryShortAddress, 0x00);
    });
    assistant.join();
    QMetaObject::invokeMethod(panel.tiles()[1]->findChildren<QPushButton*>()[0], &QPushButton::click,
                              Qt::QueuedConnection);
    QCoreApplication::processEvents();
    EXPECT_EQ(handOvers.count, 1);
    EXPECT_EQ(panel.monitor().rowCount(), 503);
    Send(queryShortAddress, 0x00);  // the next poll: the unaddressed gear, selected by its key, answers
    QCoreApplication::processEvents();
    const QModelIndex last = panel.monitor().index(panel.monitor().rowCount() - 1, sim::FrameMonitor::Meaning);
    EXPECT_EQ(panel.monitor().data(last, Qt::DisplayRole), "Reply: 0xFF");
}

TEST_F(SimPanel, TheMonitorListsFramesAndReplies) {
    SimPanelWindow panel(backend);
    Send(0x03, 0x90);  // QUERY STATUS to 1
    QCoreApplication::processEvents();  // frames come in queued
    ASSERT_EQ(panel.monitor().rowCount(), 2);
    EXPECT_EQ(panel.monitor().data(panel.monitor().index(0, sim::FrameMonitor::Meaning), Qt::DisplayRole),
              "Short 1: QUERY STATUS");
    EXPECT_TRUE(panel.monitor()
                    .data(panel.monitor().index(1, sim::FrameMonitor::Meaning), Qt::DisplayRole)
                    .toString()
                    .startsWith("Reply: 0x"));
}

// A luminaire with banks shows the energy it counts, also between frames;
// a gear without banks shows none.
TEST(SimPanelEnergy, ATileShowsTheEnergyOfALuminaireWithBanks) {
    std::string error;
    const auto scenario = sim::parseScenario(
        R"({"timeScale": 0, "interfaces": [{"bus": {"gear": [
             {"shortAddress": 1, "actualLevel": 254, "banks": {"nominalPowerW": 36, "activeEnergyWh": 1000}},
             {"shortAddress": 2}]}}]})",
        "panel", error);
    ASSERT_TRUE(scenario) << error;
    const std::shared_ptr<kit::SimBackend> backend = kit::buildSimulatedBackend(*scenario);
    SimPanelWindow panel(backend);
    const auto energy = [&](size_t tile) { return panel.tiles()[tile]->findChild<QLabel*>("energy"); };
    panel.refresh();
    EXPECT_EQ(energy(0)->text(), "Energy 1.000 kWh");
    EXPECT_FALSE(energy(0)->isHidden());
    EXPECT_TRUE(energy(1)->isHidden());
    backend->clock()->advanceUs(3'600'000'000);  // an hour at full level, no frame
    panel.refresh();
    EXPECT_EQ(energy(0)->text(), "Energy 1.036 kWh");
}

// The tile's addressing state, and its fault keys worked with the mouse.
TEST_F(SimPanel, TilesShowAddressingStateAndTheirFaultKeysReachTheGear) {
    SimPanelWindow panel(backend);
    GearTile* tile = panel.tiles()[1];
    const auto stateText = [&] {
        panel.refresh();
        return tile->findChild<QLabel*>("state")->text();
    };
    EXPECT_EQ(stateText(), "");
    Send(0xA5, 0x00);  // INITIALISE, twice
    Send(0xA5, 0x00);
    EXPECT_EQ(stateText(), "Initialising");
    Send(0xBD, 0x00);  // PHYSICAL SELECTION
    QTest::mouseClick(tile->findChildren<QPushButton*>()[0], Qt::LeftButton);  // "Physical select"
    EXPECT_EQ(stateText(), "Initialising · selected");
    Send(0xAB, 0x00);  // WITHDRAW
    EXPECT_EQ(stateText(), "Initialising · withdrawn · selected");
    Send(0xA1, 0x00);  // TERMINATE
    EXPECT_EQ(stateText(), "");
    GearTileState withdrawnOnly;
    withdrawnOnly.withdrawn = true;
    EXPECT_EQ(addressingStateText(withdrawnOnly), "Withdrawn");

    const auto faults = [&] {
        sim::GearFaults f;
        bus->withGear(1, [&](sim::ControlGear& g) { f = g.faults(); });
        return f;
    };
    QTest::mouseClick(tile->findChild<QToolButton*>("late"), Qt::LeftButton);
    QTest::mouseClick(tile->findChild<QToolButton*>("noKey"), Qt::LeftButton);
    EXPECT_EQ(faults(), (sim::GearFaults{0, true, false, true}));
    QTest::mouseClick(tile->findChild<QToolButton*>("late"), Qt::LeftButton);
    QTest::mouseClick(tile->findChild<QToolButton*>("garbled"), Qt::LeftButton);
    EXPECT_EQ(faults(), (sim::GearFaults{0, false, true, true}));
    auto* count = tile->findChild<QSpinBox*>("missCount");
    count->selectAll();
    QTest::keyClicks(count, "3");
    QTest::mouseClick(tile->findChild<QPushButton*>("miss"), Qt::LeftButton);
    EXPECT_EQ(faults().missFrames, 3u);
    Send(0xFF, 0x90);  // heard by gear 0 only
    EXPECT_EQ(faults().missFrames, 2u);
    // A fault set elsewhere (a scenario, a test) shows on the keys.
    bus->withGear(1, [](sim::ControlGear& g) { g.setFaults({}); });
    panel.refresh();
    EXPECT_FALSE(tile->findChild<QToolButton*>("garbled")->isChecked());
    EXPECT_FALSE(tile->findChild<QToolButton*>("noKey")->isChecked());
}

}  // namespace

namespace {

TEST_F(SimPanel, GearAreAddedRemovedAndTheBusSavedAndOpenedAgain) {
    SimPanelWindow panel(backend);
    panel.addGear(true);   // the lowest free short address: 0
    panel.addGear(false);  // none
    ASSERT_EQ(panel.tiles().size(), 4u);
    std::vector<sim::GearConfig> gear = bus->gearSnapshot();
    EXPECT_EQ(gear[2].shortAddress, 0);
    EXPECT_EQ(gear[3].shortAddress, std::nullopt);
    panel.removeGear(0);
    EXPECT_EQ(bus->gearCount(), 3u);
    bus->withGear(0, [](sim::ControlGear& g) { g.setRandomAddress(0x123456); });
    Send(0xFE, 100);  // every lamp at 100

    QTemporaryDir dir;
    const QString path = dir.filePath("bus.json");
    QString error;
    const uint64_t seed = bus->seed();
    panel.findChild<QCheckBox*>("busPower")->click();  // the bus without power is saved so
    const std::vector<sim::GearConfig> saved = bus->gearSnapshot();
    ASSERT_TRUE(panel.saveBus(path, error)) << error.toStdString();
    panel.findChild<QCheckBox*>("busPower")->click();
    bus->replaceGear({}, 99);
    ASSERT_TRUE(panel.openBus(path, error)) << error.toStdString();
    EXPECT_EQ(bus->gearSnapshot(), saved);
    EXPECT_EQ(panel.tiles().size(), 3u);
    EXPECT_EQ(bus->seed(), seed);
    EXPECT_FALSE(bus->powered());
    EXPECT_FALSE(panel.findChild<QCheckBox*>("busPower")->isChecked());
    EXPECT_FALSE(panel.openBus(dir.filePath("missing.json"), error));
    EXPECT_FALSE(error.isEmpty());
}

// Two interfaces: the picker shows the second bus's lamps, keys and frames.
TEST(SimPanelInterfaces, ThePickerShowsTheOtherBus) {
    std::string error;
    const auto scenario = sim::parseScenario(
        R"({"timeScale": 0, "interfaces": [{"serial": "0000BE01", "bus": {"gear": [{"shortAddress": 1}]}},
             {"serial": "0000BE02", "bus": {"gear": [{"shortAddress": 4}, {"shortAddress": 5}]}}]})",
        "two", error);
    ASSERT_TRUE(scenario) << error;
    const std::shared_ptr<kit::SimBackend> backend = kit::buildSimulatedBackend(*scenario);
    SimPanelWindow panel(backend);
    ASSERT_EQ(panel.tiles().size(), 1u);
    auto* picker = panel.findChild<QComboBox*>("interface");
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(picker->itemText(1), "Interface 0000BE02");
    backend->bus(0)->transmit(backend->clock()->nowUs(), 0x03, 0x90);  // queued for the monitor, then dropped

    picker->setFocus();
    QTest::keyClick(picker, Qt::Key_Down);
    EXPECT_EQ(panel.shownInterface(), 1u);
    ASSERT_EQ(panel.tiles().size(), 2u);
    QCoreApplication::processEvents();
    EXPECT_EQ(panel.monitor().rowCount(), 0);

    backend->clock()->advanceUs(40'000);
    backend->bus(1)->transmit(backend->clock()->nowUs(), 0xFF, 0x05);  // RECALL MAX LEVEL to all
    backend->clock()->advanceUs(40'000);
    backend->bus(0)->transmit(backend->clock()->nowUs(), 0xFF, 0x05);  // the hidden bus: not listed
    QCoreApplication::processEvents();
    panel.refresh();
    EXPECT_DOUBLE_EQ(panel.tiles()[1]->lampOutput(), 1.0);
    ASSERT_EQ(panel.monitor().rowCount(), 1);
    EXPECT_EQ(panel.monitor().data(panel.monitor().index(0, sim::FrameMonitor::Meaning), Qt::DisplayRole),
              "Broadcast: RECALL MAX LEVEL");
    QTest::mouseClick(panel.tiles()[0]->findChildren<QPushButton*>()[1], Qt::LeftButton);  // mains of gear 4
    bool mains = true;
    backend->bus(1)->withGear(0, [&](sim::ControlGear& g) { mains = g.mainsPowered(); });
    EXPECT_FALSE(mains);
}

}  // namespace

namespace {

// The installer presses "Physical select" on the panel while the addressing
// assistant waits for a key: that gear, and only that one, gets the address.
TEST(SimPanelWithKelvane, PhysicalSelectOnATileAddressesThatGear) {
    HeadlessView h(OneInterfaceScenario({"{}", "{}", "{}"}));
    h.WriteConfig(0, 0, 1);
    h.Start();
    h.prompts.Answer(kDialogCancel);  // no scan
    h.view().Connect();
    SimPanelWindow panel(std::dynamic_pointer_cast<kit::SimBackend>(kit::activeBackend()));
    bool pressed = false;
    QObject::connect(&panel.monitor(), &QAbstractItemModel::rowsInserted, &panel,
                     [&](const QModelIndex&, int first, int last) {
        for (int row = first; row <= last && !pressed; ++row) {
            const QModelIndex cell = panel.monitor().index(row, sim::FrameMonitor::Meaning);
            if (panel.monitor().data(cell, Qt::DisplayRole).toString() == "Special: QUERY SHORT ADDRESS") {
                pressed = true;
                panel.tiles()[2]->findChildren<QPushButton*>()[0]->click();
            }
        }
    });
    struct Lines final : addressing::AssistantSurface {
        std::function<void(const QString&)> onLine;
        void AppendProgressLine(const QString& line) override { onLine(line); }
        void DisableRunControls() override {}
        void DisableCancel() override {}
        void ProcessPendingEvents() override {}
    } lines;
    h.surface.onAddressingDialog = [&](addressing::AddressingAssistant& assistant) {
        lines.onLine = [&](const QString& line) {
            if (line == "Adresse: 0") {
                h.prompts.Answer(kDialogOk);
                assistant.Cancel();
            }
        };
        assistant.SetSurface(&lines);
        h.prompts.Answer(kDialogOk);
        assistant.Start({addressing::AddressingMode::NewAddressing, true, false});
    };
    h.view().RunAddressingAssistant();
    EXPECT_TRUE(pressed);
    std::vector<std::optional<uint8_t>> addresses;
    for (size_t i = 0; i < 3; ++i)
        h.bus().withGear(i, [&](sim::ControlGear& g) { addresses.push_back(g.shortAddress()); });
    EXPECT_EQ(addresses, (std::vector<std::optional<uint8_t>>{std::nullopt, std::nullopt, 0}));
}

// An emergency luminaire's tile has keys that fail its battery and its lamp.
TEST_F(SimPanel, EmergencyFailureKeysAreThereForEmergencyUnitsAndReachThem) {
    std::string error;
    const auto scenario = sim::parseScenario(
        R"({"timeScale": 0, "interfaces": [{"bus": {"gear": [{"shortAddress": 1},
             {"shortAddress": 2, "deviceType": 1, "emergency": {"batteryCharge": 200}}]}}]})",
        "panel", error);
    ASSERT_TRUE(scenario) << error;
    backend = kit::buildSimulatedBackend(*scenario);
    bus = backend->bus(0);
    SimPanelWindow panel(backend);
    panel.show();
    EXPECT_FALSE(panel.tiles()[0]->findChild<QToolButton*>("batteryFailure")->isVisible());
    GearTile* tile = panel.tiles()[1];
    ASSERT_TRUE(tile->findChild<QToolButton*>("batteryFailure")->isVisible());
    const auto charge = [&] {
        uint8_t value = 0;
        bus->withGear(1, [&](sim::ControlGear& g) { value = g.emergencyUnit()->batteryCharge(backend->clock()->nowUs()); });
        return value;
    };
    EXPECT_EQ(charge(), 200);
    QTest::mouseClick(tile->findChild<QToolButton*>("batteryFailure"), Qt::LeftButton);
    EXPECT_EQ(charge(), 0);  // a failed battery holds nothing
    QTest::mouseClick(tile->findChild<QToolButton*>("lampFailure"), Qt::LeftButton);
    bool lampFailed = false;
    bus->withGear(1, [&](sim::ControlGear& g) { lampFailed = g.emergencyUnit()->lampFailure(); });
    EXPECT_TRUE(lampFailed);
    // Mended elsewhere (a test, a scenario): the keys follow.
    bus->withGear(1, [](sim::ControlGear& g) { g.emergencyUnit()->setBatteryFailure(false); });
    panel.refresh();
    EXPECT_FALSE(tile->findChild<QToolButton*>("batteryFailure")->isChecked());
    EXPECT_TRUE(tile->findChild<QToolButton*>("lampFailure")->isChecked());
}

}  // namespace
