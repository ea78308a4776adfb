// Dragging a gear's cell in the matrix: the lights while dragging and the
// short-address changes of a drop, with the exact frames, the records and the
// gear's addresses afterwards.

#include "addressing/own_command.h"
#include "sim/bridge_chip.h"
#include "tests/support/headless_view.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>

namespace {

using Frames = std::vector<std::string>;

// Gear with these short addresses, each with its own group mask so the
// records can be followed.
std::vector<std::string> GearAt(const std::vector<int>& addresses) {
    std::vector<std::string> gear;
    gear.reserve(addresses.size());
    for (int a : addresses)
        gear.push_back(R"({"shortAddress": )" + std::to_string(a) + R"(, "groups": [)" + std::to_string(a % 16) +
                       "]}");
    return gear;
}

std::vector<int> Range(int from, int to) {
    std::vector<int> addresses;
    for (int a = from; a <= to; ++a)
        addresses.push_back(a);
    return addresses;
}

class AddressMove : public ::testing::Test {
protected:
    void Connect(const std::vector<int>& addresses, int autoLocate = 0, int askAddressChange = 1) {
        h.emplace(OneInterfaceScenario(GearAt(addresses)));
        h->WriteConfig(0, autoLocate, askAddressChange);
        h->Start();
        h->prompts.Answer(kDialogOk);
        h->view().Connect();
        h->prompts.confirmations.clear();
        h->TakeForwardFrames();
    }
    std::pair<int, int> Centre(int cell) {
        const CellRect r = h->view().matrix().cells[size_t(cell)].rect;
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    void Click(int cell) {
        const auto [x, y] = Centre(cell);
        h->view().matrix().Press(x, y);
        h->view().matrix().Release(x, y, MouseKeys{});
    }
    // Press on cell s, move to cell d with the left button, release there.
    void Drag(int s, int d) {
        MatrixModel& m = h->view().matrix();
        const auto [sx, sy] = Centre(s);
        const auto [dx, dy] = Centre(d);
        m.Press(sx, sy);
        m.Move(dx, dy, MouseKeys{.left = true});
        m.Release(dx, dy, MouseKeys{});
    }
    std::optional<uint8_t> ShortAddressOfGear(size_t gear) {
        std::optional<uint8_t> address;
        h->bus().withGear(gear, [&](sim::ControlGear& g) { address = g.shortAddress(); });
        return address;
    }
    const DeviceRecord& Record(int address) { return h->view().store().workingTable[size_t(address)]; }
    // The record as it is once its gear was given an address.
    static DeviceRecord Placed(DeviceRecord record) {
        record.placedAt = kHeadlessPlacedAt;
        return record;
    }
    // Each gear's record before a move, by gear.
    std::vector<DeviceRecord> RecordsByGear() {
        std::vector<DeviceRecord> records;
        records.reserve(h->bus().gearCount());
        for (size_t g = 0; g < h->bus().gearCount(); ++g)
            records.push_back(Record(*ShortAddressOfGear(g)));
        return records;
    }
    // Wherever each gear now is, its record is there and its cell is present;
    // every other cell is empty; no two gear share an address.
    void ExpectRecordsFollowTheGear(const std::vector<DeviceRecord>& before) {
        std::set<int> held;
        for (size_t g = 0; g < before.size(); ++g) {
            const std::optional<uint8_t> address = ShortAddressOfGear(g);
            ASSERT_TRUE(address) << "gear " << g << " lost its address";
            EXPECT_TRUE(held.insert(*address).second) << "two gear at " << int(*address);
            DeviceRecord now = Record(*address);
            now.placedAt = before[g].placedAt;  // a gear that moved is placed anew
            EXPECT_EQ(now, before[g]) << "gear " << g;
        }
        for (int a = 0; a < kMatrixCellCount; ++a)
            EXPECT_EQ(h->view().matrix().cells[size_t(a)].present, held.count(a)) << "cell " << a;
    }
    QStringList MessageTexts() const {
        QStringList texts;
        for (const MessageRequest& m : h->prompts.messages)
            texts << m.text;
        return texts;
    }

    std::optional<HeadlessView> h;
};

TEST_F(AddressMove, OntoAFreeAddressTheGearAndItsRecordMove) {
    Connect({5});
    const DeviceRecord before = Record(5);
    h->waitDialog.shows.clear();
    h->prompts.Answer(kDialogOk);
    Drag(0, 9);  // cell 0 has no gear: pressing it presses nothing
    Drag(5, 9);
    ASSERT_EQ(h->prompts.confirmations.size(), 1u);
    EXPECT_EQ(h->prompts.confirmations[0].text, "Soll die Adresse wirklich geändert werden?");
    EXPECT_EQ(h->prompts.confirmations[0].dontAskCaption, "Nicht mehr anzeigen");
    EXPECT_EQ(h->TakeForwardFrames(), (Frames{"A313", "0B80", "0B80", "1390"}));
    EXPECT_EQ(ShortAddressOfGear(0), 9);
    EXPECT_EQ(Record(9), Placed(before));
    EXPECT_EQ(Record(5), DeviceRecord{});
    EXPECT_EQ(h->view().matrix().cells[5].present, 0);
    EXPECT_EQ(h->view().matrix().cells[9].present, 1);
    EXPECT_EQ(h->view().matrix().pressedCell, -1);
    ASSERT_EQ(h->waitDialog.shows.size(), 1u);
    EXPECT_EQ(h->waitDialog.shows[0].text, "Bitte Warten bis der Vorgang angeschlossen ist.");
}

TEST_F(AddressMove, OntoAnAddressInUseTheGearExchangeThroughTheHighestFreeOne) {
    struct Case {
        std::vector<int> addresses;
        int free;
        Frames frames;
    };
    const Case cases[] = {
        {{5, 9}, 63, {"A37F", "1380", "1380", "7F90", "A313", "0B80", "0B80", "1390", "A30B", "7F80", "7F80", "0B90"}},
        {Range(1, 63), 0, {"A301", "1380", "1380", "0190", "A313", "0B80", "0B80", "1390", "A30B", "0180", "0180", "0B90"}},
    };
    for (const Case& c : cases) {
        Connect(c.addresses, 0, 0);  // not asked
        const auto gearAt = [&c](int a) { return size_t(std::find(c.addresses.begin(), c.addresses.end(), a) -
                                                        c.addresses.begin()); };
        const size_t gearAt5 = gearAt(5), gearAt9 = gearAt(9);
        const DeviceRecord record5 = Record(5), record9 = Record(9);
        FloorPlans& plans = h->view().store().floorPlans;
        plans.AddPlan(QStringLiteral("/eg.png"));
        plans.Place(5, 0, 0.25, 0.5);
        plans.Place(9, 0, 0.75, 0.125);
        Drag(5, 9);
        EXPECT_TRUE(h->prompts.confirmations.empty());
        // The markers follow the gear; the free address used on the way has none.
        EXPECT_EQ(plans.places[9], (PlanPlace{0, 0.25, 0.5}));
        EXPECT_EQ(plans.places[5], (PlanPlace{0, 0.75, 0.125}));
        EXPECT_FALSE(plans.places[size_t(c.free)]);
        EXPECT_EQ(h->TakeForwardFrames(), c.frames);
        EXPECT_EQ(ShortAddressOfGear(gearAt5), 9);
        EXPECT_EQ(ShortAddressOfGear(gearAt9), 5);
        EXPECT_EQ(Record(5), Placed(record9));
        EXPECT_EQ(Record(9), Placed(record5));
        EXPECT_EQ(Record(c.free), DeviceRecord{});
    }
}

TEST_F(AddressMove, OnAFullBusTheTargetGearIsFoundAgainBySearch) {
    Connect(Range(0, 63));
    const DeviceRecord record5 = Record(5), record9 = Record(9);
    FloorPlans& plans = h->view().store().floorPlans;
    plans.AddPlan(QStringLiteral("/eg.png"));
    plans.Place(5, 0, 0.25, 0.5);
    plans.Place(9, 0, 0.75, 0.125);
    h->prompts.Answer(kDialogOk);
    h->prompts.Answer(kDialogOk);
    Drag(5, 9);
    EXPECT_EQ(plans.places[9], (PlanPlace{0, 0.25, 0.5}));
    EXPECT_EQ(plans.places[5], (PlanPlace{0, 0.75, 0.125}));
    ASSERT_EQ(h->prompts.confirmations.size(), 2u);
    EXPECT_EQ(h->prompts.confirmations[1].text,
              "Keine freie Adress zum wechseln. Die Zieladresse wird entfernt und nach der Umadressierung wieder "
              "hinzugefügt.");
    const Frames frames = h->TakeForwardFrames();
    ASSERT_GT(frames.size(), 9u);
    EXPECT_EQ(Frames(frames.begin(), frames.begin() + 9),
              (Frames{"A3FF", "1380", "1380", "A313", "0B80", "0B80", "1390", "A100", "0190"}));
    EXPECT_EQ(frames.back(), "AB00");
    EXPECT_EQ(ShortAddressOfGear(5), 9);
    EXPECT_EQ(ShortAddressOfGear(9), 5);
    // The records follow the gear, as in the exchange through a free address.
    EXPECT_EQ(Record(5), Placed(record9));
    EXPECT_EQ(Record(9), Placed(record5));
    EXPECT_TRUE(h->prompts.messages.empty());
}

TEST_F(AddressMove, RefusingTheExchangeBySearchChangesNothing) {
    Connect(Range(0, 63));
    Click(5);
    h->TakeForwardFrames();
    h->prompts.Answer(kDialogOk);
    h->prompts.Answer(kDialogCancel);
    Drag(5, 9);
    EXPECT_TRUE(h->TakeForwardFrames().empty());
    EXPECT_EQ(h->view().matrix().cells[5].selected, 1);
    EXPECT_EQ(h->view().matrix().cells[9].selected, 0);
}

TEST_F(AddressMove, OfflineOrOntoItselfNothingIsSent) {
    Connect({5});
    h->view().Disconnect();
    const DeviceTable before = h->view().store().workingTable;
    h->view().matrix().pressedCell = 5;
    h->view().matrix().targetCell = 9;
    h->view().OwnCommand(WM_OWN_COMMAND_MOVE, 9);
    EXPECT_TRUE(h->prompts.confirmations.empty());
    EXPECT_EQ(h->view().store().workingTable, before);

    Connect({5});
    h->prompts.Answer(kDialogOk);
    h->view().matrix().pressedCell = 5;
    h->view().matrix().targetCell = 5;
    h->view().OwnCommand(WM_OWN_COMMAND_MOVE, 5);
    EXPECT_TRUE(h->TakeForwardFrames().empty());
}

TEST_F(AddressMove, DraggingLightsTheGearUnderTheMouse) {
    Connect({3, 5, 9});
    // Identify mode off: MOVING lights nothing, TRACK always does.
    h->view().OwnCommand(WM_OWN_COMMAND_MOVING, 3);
    h->view().OwnCommand(WM_OWN_COMMAND_TRACK, 4);  // no gear there
    h->view().OwnCommand(WM_OWN_COMMAND_TRACK, 5);
    h->view().OwnCommand(WM_OWN_COMMAND_TRACK, 9);
    EXPECT_EQ(h->TakeForwardFrames(), (Frames{"0AFE", "0A57", "12FE"}));

    Connect({3, 5, 9}, 1);
    for (int i = 0; i < 3; ++i)
        h->view().OwnCommand(WM_OWN_COMMAND_MOVING, 3);  // once per drag
    EXPECT_EQ(h->TakeForwardFrames(), (Frames{"FE57", "06FE"}));
    h->view().OwnCommand(WM_OWN_COMMAND_CLICK, 3);  // the drag ends
    h->TakeForwardFrames();
    h->view().OwnCommand(WM_OWN_COMMAND_MOVING, 3);
    EXPECT_EQ(h->TakeForwardFrames(), (Frames{"FE57", "06FE"}));
}

const char* const kMoveFailed =
    "Die Adresse konnte nicht geändert werden: ein Befehl kam nicht am Bus an. Die Matrix zeigt, wo die Geräte "
    "jetzt sind.";

// One frame of an exchange lost on the link: the exchange stops at that step,
// the steps before it stay done, the records and cells follow the gear, and
// no two gear ever share an address.
TEST_F(AddressMove, AFrameLostOnTheLinkStopsTheExchangeAtItsStep) {
    struct Case {
        uint16_t lost;
        int skip;  // copies of that frame that get through first
        Frames frames;
    };
    const Case cases[] = {
        {0xA37F, 0, {}},
        {0x1380, 0, {"A37F", "1380"}},  // one copy of STORE DTR AS SHORT ADDRESS acts on nothing
        {0x1380, 1, {"A37F", "1380"}},
        {0xA313, 0, {"A37F", "1380", "1380", "7F90"}},
        {0x0B80, 1, {"A37F", "1380", "1380", "7F90", "A313", "0B80"}},
        {0x7F80, 0, {"A37F", "1380", "1380", "7F90", "A313", "0B80", "0B80", "1390", "A30B", "7F80"}},
    };
    for (const Case& c : cases) {
        Connect({5, 9}, 0, 0);
        const std::vector<DeviceRecord> before = RecordsByGear();
        h->backend().bridge(0)->injectFrameNack(c.lost, c.skip);
        Drag(5, 9);
        EXPECT_EQ(h->TakeForwardFrames(), c.frames) << std::hex << c.lost;
        ExpectRecordsFollowTheGear(before);
        EXPECT_EQ(MessageTexts(), QStringList{kMoveFailed});
    }
}

// The dragged gear is switched off: the link carries every frame, but the
// gear never moves. The question at its new address finds nobody, so the
// exchange stops before the other gear is moved onto the dragged gear's
// address, which that gear still holds once it is switched on again.
TEST_F(AddressMove, AGearThatMissesItsMoveStopsTheExchange) {
    Connect({5, 9}, 0, 0);
    const std::vector<DeviceRecord> before = RecordsByGear();
    h->bus().withGear(0, [](sim::ControlGear& g) { g.setMainsPowered(false); });
    Drag(5, 9);
    EXPECT_EQ(h->TakeForwardFrames(), (Frames{"A37F", "1380", "1380", "7F90", "A313", "0B80", "0B80", "1390"}));
    h->bus().withGear(0, [](sim::ControlGear& g) { g.setMainsPowered(true); });
    ExpectRecordsFollowTheGear(before);
    EXPECT_EQ(MessageTexts(), QStringList{kMoveFailed});
}

// On a full bus: a lost removal changes nothing; a lost move of the dragged
// gear leaves the target gear without an address, so it is searched back
// onto its own address.
TEST_F(AddressMove, OnAFullBusALostFrameEndsWithEveryGearAtAnAddressOfItsOwn) {
    for (const uint16_t lost : {uint16_t(0x1380), uint16_t(0xA313)}) {
        Connect(Range(0, 63));
        const std::vector<DeviceRecord> before = RecordsByGear();
        h->backend().bridge(0)->injectFrameNack(lost);
        h->prompts.Answer(kDialogOk);
        h->prompts.Answer(kDialogOk);
        Drag(5, 9);
        ExpectRecordsFollowTheGear(before);
        EXPECT_EQ(ShortAddressOfGear(5), 5);
        EXPECT_EQ(ShortAddressOfGear(9), 9);
        EXPECT_EQ(MessageTexts(), QStringList{kMoveFailed});
    }
}

// The selection belongs to a gear: dragging another gear leaves it where it
// is, and when the selected gear itself is moved away by an exchange it
// follows that gear.
TEST_F(AddressMove, TheSelectionStaysWithTheSelectedGear) {
    struct Case {
        int selected, from, to, selectedAfter;
    };
    for (const Case& c : {Case{12, 3, 40, 12}, Case{40, 3, 40, 3}, Case{3, 3, 20, 20}}) {
        Connect({3, 12, 40}, 0, 0);
        Click(c.selected);
        const DeviceRecord selectedRecord = Record(c.selected);
        h->TakeForwardFrames();
        Drag(c.from, c.to);
        EXPECT_EQ(h->view().store().selectedCount, 1);
        EXPECT_EQ(h->view().store().selectedAddresses[0], c.selectedAfter);
        for (int a : {3, 12, 20, 40})
            EXPECT_EQ(h->view().matrix().cells[size_t(a)].selected, a == c.selectedAfter ? 1 : 0) << a;
        EXPECT_EQ(h->view().statusPanes()[kPaneSelection].text, QStringLiteral("Adr: %1").arg(c.selectedAfter));
        const bool moved = c.from == c.selected || c.to == c.selected;
        EXPECT_EQ(Record(c.selectedAfter), moved ? Placed(selectedRecord) : selectedRecord);
        ASSERT_FALSE(h->tabs.basicShown.empty());
        EXPECT_EQ(h->tabs.basicShown.back(), c.selectedAfter);
    }
}

// An address where several gear answered the scan is taken: a drop there is
// refused before anything is asked or sent.
TEST_F(AddressMove, AnAddressSeveralGearAnswerOnIsNoTarget) {
    Connect({5, 9, 9});
    EXPECT_TRUE(h->view().store().unclearAddresses.test(9));
    h->prompts.messages.clear();
    Drag(5, 9);
    EXPECT_TRUE(h->TakeForwardFrames().empty());
    EXPECT_TRUE(h->prompts.confirmations.empty());
    EXPECT_EQ(MessageTexts(), QStringList{"Auf mindestens einer Adresse antworten mehrere Geräte unterschiedlich. "
                                          "Bitte adressieren Sie die Geräte neu."});
    EXPECT_EQ(ShortAddressOfGear(0), 5);
}

}  // namespace
