// The addressing assistant on a simulated bus, through the main view's
// command: the run on its worker thread, the progress lines, the trace, the
// gear's short addresses afterwards and the matrix the view shows.

#include "addressing/addressing_assistant.h"
#include "addressing/random_search.h"
#include "addressing/search_steps.h"
#include "addressing/trace.h"
#include "sim/bridge_chip.h"
#include "tests/support/headless_view.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <atomic>
#include <optional>

namespace {

using addressing::AddressingAssistant;
using addressing::AddressingMode;
using addressing::AssistantChoice;

// Whole forward frames as the bus capture holds them.
constexpr uint16_t kRandomise = dali::code(dali::SpecialOp::Randomise) << 8,
                   kQueryShortAddress = dali::code(dali::SpecialOp::QueryShortAddress) << 8;

class ProgressList final : public addressing::AssistantSurface {
public:
    void AppendProgressLine(const QString& line) override {
        lines << line;
        if (onLine)
            onLine(line);
    }
    void DisableRunControls() override { controlsDisabled = true; }
    void DisableCancel() override { cancelDisabled = true; }
    void ProcessPendingEvents() override {}

    QStringList lines;
    bool controlsDisabled = false;
    bool cancelDisabled = false;
    std::function<void(const QString&)> onLine;
};

class Assistant : public ::testing::Test {
protected:
    // Connects to a bus with these gear (scanning it).
    void Connect(const std::vector<std::string>& gear) {
        h.emplace(OneInterfaceScenario(gear));
        h->WriteConfig(0, 0, 1);
        h->Start();
        h->prompts.Answer(kDialogOk);
        h->view().Connect();
        h->TakeForwardFrames();
        h->prompts.confirmations.clear();
        previousSink_ = SetTraceSink([this](const QString& line) { trace_ << line; });
    }
    void TearDown() override {
        if (previousSink_)
            SetTraceSink(previousSink_);
    }
    // The random addresses RANDOMISE leaves in gear 0, 1, ...
    void FixRandomAddresses(std::vector<uint32_t> addresses) {
        h->bus().setFrameListener([this, addresses](const sim::BusFrame& frame) {
            if (frame.data == kRandomise)
                for (size_t i = 0; i < addresses.size(); ++i)
                    h->bus().withGear(i, [&](sim::ControlGear& g) { g.setRandomAddress(addresses[i]); });
        });
    }
    // "Adressieren" with the Start button pressed and confirmed.
    void Run(AssistantChoice choice) {
        h->surface.onAddressingDialog = [this, choice](AddressingAssistant& assistant) {
            assistant_ = &assistant;
            assistant.SetSurface(&progress_);
            h->prompts.Answer(kDialogOk);
            EXPECT_TRUE(assistant.Start(choice));
            freeAddresses_.assign(assistant.run().freeAddresses.begin(),
                                  assistant.run().freeAddresses.begin() + assistant.run().freeCount);
        };
        h->view().RunAddressingAssistant();
    }
    std::optional<uint8_t> ShortAddress(size_t gear) {
        std::optional<uint8_t> address;
        h->bus().withGear(gear, [&](sim::ControlGear& g) { address = g.shortAddress(); });
        return address;
    }
    std::vector<int> PresentCells() {
        std::vector<int> cells;
        for (int i = 0; i < kMatrixCellCount; ++i)
            if (h->view().matrix().cells[size_t(i)].present == 1)
                cells.push_back(i);
        return cells;
    }
    int TraceCount(const QString& line) const { return int(trace_.count(line)); }
    // Plays the installer while the physical-selection worker polls QUERY
    // SHORT ADDRESS (two frames a poll): the action of a frame's number runs
    // once that frame is heard.
    void AtPolls(std::map<int, std::function<void()>> actions) {
        h->bus().setFrameListener([this, actions = std::move(actions)](const sim::BusFrame& frame) {
            if (frame.data != kQueryShortAddress)
                return;
            if (const auto action = actions.find(++polls_); action != actions.end())
                action->second();
        });
    }
    // Cancel, answered OK, once the worker's line has been shown.
    void CancelQueued() {
        QMetaObject::invokeMethod(qApp, [this] { assistant_->Cancel(); }, Qt::QueuedConnection);
    }

    std::optional<HeadlessView> h;
    ProgressList progress_;
    AddressingAssistant* assistant_ = nullptr;
    std::vector<uint8_t> freeAddresses_;
    QStringList trace_;
    TraceSink previousSink_;
    std::atomic<int> polls_ = 0;
};

const AssistantChoice kNewAddressing{AddressingMode::NewAddressing, false, false};
const AssistantChoice kAddGear{AddressingMode::AddToInstallation, false, false};

TEST_F(Assistant, NewAddressingGivesAddressesInTheOrderOfTheRandomAddresses) {
    Connect({R"({"shortAddress": 7})", R"({"shortAddress": 9})"});
    FixRandomAddresses({0x123456, 0x120000});
    Run(kNewAddressing);

    EXPECT_EQ(ShortAddress(1), 0);
    EXPECT_EQ(ShortAddress(0), 1);
    EXPECT_EQ(progress_.lines, (QStringList{"Adressierung läuft....", "Adresse: 0", "Adresse: 1"}));
    EXPECT_TRUE(progress_.controlsDisabled);
    for (const char* line : {"Random Result (HEX): 0011ffff\r\n", "Random Result (INT): 1.179.647\r\n",
                             "Random Result (BIT):  0001 0001 1111 1111 1111 1111\n",
                             "Random Result (HEX): 00123455\r\n", "dalikit_Command_QueryShortAddress: 00\r\n",
                             "dalikit_Command_QueryShortAddress: 01\r\n"})
        EXPECT_EQ(TraceCount(line), 1) << line;
    EXPECT_EQ(TraceCount("COMPARE FULL: erfolgreich\r\n"), 2);
    // The old addresses' marks are gone with the addresses.
    EXPECT_EQ(PresentCells(), (std::vector<int>{0, 1}));
    EXPECT_EQ(h->view().store().workingTable[7].present, 0);
    ASSERT_EQ(h->prompts.messages.size(), 1u);
    EXPECT_EQ(h->prompts.messages[0].text, "Die Adressierung wurde beendet.");
    EXPECT_TRUE(h->view().commands().IsEnabled(CommandId::GroupsTool));
    EXPECT_TRUE(h->view().commands().IsEnabled(CommandId::ScenesTool));

    const std::vector<std::string> frames = h->TakeForwardFrames();
    const std::vector<std::string> preparation{"A100", "A3FF", "FF80", "FF80", "FF06", "0190", "A500", "A500",
                                               "A700", "A700", "B1FF", "B3FF", "B5FE", "A900"};
    ASSERT_GT(frames.size(), preparation.size());
    EXPECT_EQ(std::vector<std::string>(frames.begin(), frames.begin() + 14), preparation);
    // No candidate left: TERMINATE, the worker's own, the view's.
    EXPECT_EQ(std::vector<std::string>(frames.end() - 7, frames.end()),
              (std::vector<std::string>{"B1FF", "B3FF", "B5FE", "A900", "A100", "A100", "A100"}));
}

TEST_F(Assistant, GearAtTheEdgesOfTheRandomRange) {
    // 0xFFFFFF never answers the candidate check; 0x000000 answers every
    // COMPARE and is told apart from 0x000001 by one COMPARE at 0.
    Connect({"{}", "{}", "{}"});
    FixRandomAddresses({0xFFFFFF, 0x000000, 0x000005});
    Run({AddressingMode::NewAddressing, false, true});  // with visual confirmation
    EXPECT_EQ(ShortAddress(1), 0);
    EXPECT_EQ(ShortAddress(2), 1);
    EXPECT_EQ(ShortAddress(0), std::nullopt);
    EXPECT_EQ(progress_.lines, (QStringList{"Adressierung läuft....", "Adresse: 0", "Adresse: 1"}));
    EXPECT_EQ(TraceCount("Random Result (HEX): 00000000\r\n"), 1);
    EXPECT_EQ(TraceCount("Random Result (HEX): 00000004\r\n"), 1);
    EXPECT_EQ(TraceCount("COMPARE FULL: NICHT erfolgreich\r\n"), 0);
    const std::vector<std::string> frames = h->TakeForwardFrames();
    const auto withdrawn = std::find(frames.begin(), frames.end(), "AB00");
    ASSERT_NE(withdrawn, frames.end());
    EXPECT_EQ(*(withdrawn + 1), "0105");  // RECALL MAX LEVEL right after the gear is done
    EXPECT_EQ(std::count(frames.begin(), frames.end(), "0305"), 1);
}

TEST_F(Assistant, AddingKeepsTheAddressedGearAndFillsTheGaps) {
    Connect({R"({"shortAddress": 0})", R"({"shortAddress": 1})", R"({"shortAddress": 5})", "{}", "{}", "{}"});
    FixRandomAddresses({0, 0, 0, 0x300000, 0x100000, 0x200000});
    Run(kAddGear);
    ASSERT_EQ(freeAddresses_.size(), 61u);
    EXPECT_EQ(std::vector<uint8_t>(freeAddresses_.begin(), freeAddresses_.begin() + 4),
              (std::vector<uint8_t>{2, 3, 4, 6}));
    EXPECT_EQ(ShortAddress(4), 2);
    EXPECT_EQ(ShortAddress(5), 3);
    EXPECT_EQ(ShortAddress(3), 4);
    EXPECT_EQ(ShortAddress(2), 5);
    EXPECT_EQ(progress_.lines, (QStringList{"Suche nach freien Adressen...", "Adressierung läuft....", "Adresse: 2",
                                            "Adresse: 3", "Adresse: 4"}));
    EXPECT_EQ(PresentCells(), (std::vector<int>{0, 1, 2, 3, 4, 5}));
}

// "Hinzufügen" asks every address once; only silence makes it free. Two gear
// answering at 3 garble their reply: 3 is neither given out nor shown.
TEST_F(Assistant, AddingAsksEveryAddressAndGivesNoAddressWhereSeveralAnswer) {
    Connect({R"({"shortAddress": 1})", R"({"shortAddress": 3})", R"({"shortAddress": 3})",
             R"({"randomDraws": ["0x123456"]})"});
    Run(kAddGear);
    EXPECT_EQ(progress_.lines, (QStringList{"Suche nach freien Adressen...",
                                            "Adresse 3: mehrere Geräte antworten. Die Adresse wird nicht vergeben.",
                                            "Adressierung läuft....", "Adresse: 0"}));
    ASSERT_EQ(freeAddresses_.size(), 62u);
    EXPECT_EQ(std::vector<uint8_t>(freeAddresses_.begin(), freeAddresses_.begin() + 3),
              (std::vector<uint8_t>{0, 2, 4}));
    EXPECT_EQ(ShortAddress(3), 0);
    EXPECT_EQ(PresentCells(), (std::vector<int>{0, 1}));
    std::vector<std::string> preparation;
    preparation.reserve(72);
    for (int a = 0; a < 64; ++a)
        preparation.push_back(QString::asprintf("%02X90", a * 2 + 1).toStdString());
    preparation.insert(preparation.end(), {"A100", "A100", "FF06", "0190", "A5FF", "A5FF", "A700", "A700"});
    const std::vector<std::string> frames = h->TakeForwardFrames();
    ASSERT_GT(frames.size(), preparation.size());
    EXPECT_EQ(std::vector<std::string>(frames.begin(), frames.begin() + std::ptrdiff_t(preparation.size())),
              preparation);
}

TEST_F(Assistant, MoreNewGearThanFreeAddressesStopsAtTheLastOne) {
    std::vector<std::string> gear;
    gear.reserve(65);
    for (int a = 0; a < 62; ++a)
        gear.push_back(R"({"shortAddress": )" + std::to_string(a) + "}");
    gear.insert(gear.end(), {"{}", "{}", "{}"});
    Connect(gear);
    Run(kAddGear);
    EXPECT_EQ(progress_.lines.mid(1), (QStringList{"Adressierung läuft....", "Adresse: 62", "Adresse: 63",
                                                   "Keine freie Adresse mehr. Die übrigen Geräte wurden nicht "
                                                   "adressiert."}));
    int unaddressed = 0;
    for (size_t i = 62; i < 65; ++i)
        unaddressed += !ShortAddress(i).has_value();
    EXPECT_EQ(unaddressed, 1);
    EXPECT_EQ(PresentCells().size(), 64u);
}

TEST_F(Assistant, NoGearInTheSearchEndsBeforeTheRunLine) {
    Connect({R"({"shortAddress": 3})"});
    Run(kAddGear);
    EXPECT_EQ(progress_.lines, (QStringList{"Suche nach freien Adressen..."}));
    EXPECT_EQ(h->surface.addressingDialogs, 1);
    EXPECT_EQ(h->prompts.messages.size(), 1u);  // result 1: the run's end is told
    EXPECT_EQ(PresentCells(), (std::vector<int>{3}));
}

TEST_F(Assistant, CancelBeforeStartSendsNothing) {
    Connect({"{}"});
    h->surface.onAddressingDialog = [](AddressingAssistant& assistant) { EXPECT_TRUE(assistant.Cancel()); };
    h->view().RunAddressingAssistant();
    EXPECT_TRUE(h->TakeForwardFrames().empty());
    EXPECT_TRUE(h->prompts.messages.empty());
    EXPECT_TRUE(h->prompts.confirmations.empty());
}

TEST_F(Assistant, CancelDuringARunAsksAndARefusalGoesOn) {
    Connect({"{}", "{}", "{}"});
    FixRandomAddresses({0x10, 0x20, 0x30});
    progress_.onLine = [this](const QString& line) {
        if (line == "Adresse: 0") {
            h->prompts.Answer(kDialogCancel);
            EXPECT_FALSE(assistant_->Cancel());
        } else if (line == "Adresse: 1") {
            h->prompts.Answer(kDialogOk);
            EXPECT_FALSE(assistant_->Cancel());  // the dialog stays until the worker has stopped
            EXPECT_TRUE(progress_.cancelDisabled);
        }
    };
    Run(kNewAddressing);
    EXPECT_EQ(assistant_->result(), 1);
    EXPECT_EQ(progress_.lines, (QStringList{"Adressierung läuft....", "Adresse: 0", "Adresse: 1"}));
    EXPECT_EQ(h->prompts.confirmations.back().text, "Soll die Adressierung unterbrochen werden?");
    EXPECT_EQ(ShortAddress(2), std::nullopt);
    // WITHDRAW of the second gear, Cancel's TERMINATE, the worker's, the view's.
    const std::vector<std::string> frames = h->TakeForwardFrames();
    EXPECT_EQ(std::vector<std::string>(frames.end() - 4, frames.end()),
              (std::vector<std::string>{"AB00", "A100", "A100", "A100"}));
}

// Twins found only after programming: both took the address and answer
// QUERY SHORT ADDRESS at once. The address is taken back, new random
// addresses part them, and each gets an address of its own.
TEST_F(Assistant, TwinsThatBothTookTheAddressGiveItBackAndDrawAgain) {
    Connect({"{}", "{}"});
    // Right after PROGRAM, the second gear takes the first one's random address.
    bool once = false;
    h->bus().setFrameListener([this, &once](const sim::BusFrame& frame) {
        if (frame.data == kRandomise)
            for (size_t i = 0; i < 2; ++i)
                h->bus().withGear(i, [&](sim::ControlGear& g) { g.setRandomAddress(i == 0 ? 0x40 : 0x80); });
        if ((frame.data >> 8) == 0xB7 && !once) {
            once = true;
            h->bus().withGear(1, [](sim::ControlGear& g) { g.setRandomAddress(0x40); });
        }
    });
    Run(kNewAddressing);
    EXPECT_EQ(TraceCount("dalikit_Command_QueryShortAddress: 7F\r\n"), 1);
    EXPECT_EQ(TraceCount("dalikit_Command_QueryShortAddress: result und dali ERROR\r\n"), 1);
    EXPECT_EQ(progress_.lines, (QStringList{"Adressierung läuft....", "Adresse: 0", "Adresse: 1"}));
    EXPECT_EQ(ShortAddress(0), 0);
    EXPECT_EQ(ShortAddress(1), 1);
    EXPECT_EQ(PresentCells(), (std::vector<int>{0, 1}));
    const std::vector<std::string> frames = h->TakeForwardFrames();
    const std::vector<std::string> takeBack{"B701", "B901", "BB00", "BB00", "B7FF", "A700", "A700", "B1FF"};
    EXPECT_NE(std::search(frames.begin(), frames.end(), takeBack.begin(), takeBack.end()), frames.end());
}

// Two of four gear draw the same random address: the final COMPARE of the
// search is garbled, nothing is programmed, every gear still in the search
// draws again, and the search goes on.
TEST_F(Assistant, TwinRandomAddressesAreSeparatedByDrawingAgain) {
    h.emplace(R"({ "timeScale": 0, "interfaces": [ { "bus": { "gear": [
        {"randomDraws": ["0x100000"]}, {"randomDraws": ["0x200000", "0x500000"]},
        {"randomDraws": ["0x200000", "0x300000"]}, {"randomDraws": ["0x400000", "0x600000"]} ] } } ] })");
    h->WriteConfig(0, 0, 1);
    h->Start();
    h->prompts.Answer(kDialogCancel);  // no scan
    h->view().Connect();
    h->TakeForwardFrames();
    Run(kNewAddressing);
    EXPECT_EQ(ShortAddress(0), 0);
    EXPECT_EQ(ShortAddress(2), 1);
    EXPECT_EQ(ShortAddress(1), 2);
    EXPECT_EQ(ShortAddress(3), 3);
    EXPECT_EQ(progress_.lines,
              (QStringList{"Adressierung läuft....", "Adresse: 0", "Adresse: 1", "Adresse: 2", "Adresse: 3"}));
    EXPECT_EQ(PresentCells(), (std::vector<int>{0, 1, 2, 3}));
    const std::vector<std::string> frames = h->TakeForwardFrames();
    std::vector<std::string> programs;
    std::copy_if(frames.begin(), frames.end(), std::back_inserter(programs),
                 [](const std::string& f) { return f.starts_with("B7"); });
    EXPECT_EQ(programs, (std::vector<std::string>{"B701", "B703", "B705", "B707"}));
    EXPECT_EQ(std::count(frames.begin(), frames.end(), "A700"), 4);  // the preparation's two, the separation's two
    // The garbled COMPARE at 0x200000, then the draw, then the next search.
    const std::vector<std::string> separation{"B120", "B300", "B500", "A900", "A700", "A700", "B1FF", "B3FF", "B5FE"};
    EXPECT_NE(std::search(frames.begin(), frames.end(), separation.begin(), separation.end()), frames.end());
}

// Twins that keep drawing alike are given up on after a bounded number of
// draws: they stay without an address, the list says so once, and the
// search goes on for the others.
TEST_F(Assistant, TwinsThatCannotBePartedStayWithoutAnAddress) {
    const std::string twin = R"({"randomDraws": ["0x100", "0x100", "0x100", "0x100", "0x100", "0x100"]})";
    Connect({twin, twin, R"({"randomDraws": ["0x800000"]})"});
    Run(kNewAddressing);
    EXPECT_EQ(progress_.lines,
              (QStringList{"Adressierung läuft....",
                           "Mehrere Geräte haben dieselbe Zufallsadresse und konnten nicht getrennt werden. Sie "
                           "bleiben ohne Adresse.",
                           "Adresse: 0"}));
    EXPECT_EQ(ShortAddress(0), std::nullopt);
    EXPECT_EQ(ShortAddress(1), std::nullopt);
    EXPECT_EQ(ShortAddress(2), 0);
    EXPECT_EQ(PresentCells(), (std::vector<int>{0}));
    const std::vector<std::string> frames = h->TakeForwardFrames();
    EXPECT_EQ(std::count(frames.begin(), frames.end(), "A700"), 2 + 2 * addressing::kTwinRedraws);
    EXPECT_EQ(std::count(frames.begin(), frames.end(), "AB00"), 2);  // the twins once, the third gear once
}

// One whole search round on one gear whose random address is 0x800000:
// which SEARCHADDR bytes go out, then programming, verifying, asking back
// and withdrawing.
TEST_F(Assistant, OneSearchRoundFrameByFrame) {
    Connect({R"({"randomDraws": ["0x800000"]})"});
    Run(kNewAddressing);
    const std::vector<std::string> frames = h->TakeForwardFrames();
    std::vector<std::string> round{"B1FF", "B3FF", "B5FE", "A900", "B300", "B500"};
    for (const char* trial : {"B180", "B140", "B160", "B170", "B178", "B17C", "B17E", "B17F"})
        round.insert(round.end(), {trial, "A900"});
    round.emplace_back("B17F");
    for (const char* trial : {"B380", "B3C0", "B3E0", "B3F0", "B3F8", "B3FC", "B3FE", "B3FF"})
        round.insert(round.end(), {trial, "A900"});
    round.emplace_back("B3FF");
    for (const char* trial : {"B580", "B5C0", "B5E0", "B5F0", "B5F8", "B5FC", "B5FE", "B5FF"})
        round.insert(round.end(), {trial, "A900"});
    round.insert(round.end(), {"B180", "B300", "B500", "A900", "B701", "B901", "BB00", "BB00", "AB00",
                               "B1FF", "B3FF", "B5FE", "A900", "A100", "A100", "A100"});
    ASSERT_GE(frames.size(), round.size());
    EXPECT_EQ(std::vector<std::string>(frames.end() - std::ptrdiff_t(round.size()), frames.end()), round);
    EXPECT_EQ(TraceCount("Random Result (HEX): 007fffff\r\n"), 1);
}

TEST_F(Assistant, AFullBusOfNewGearGetsEveryAddressOnce) {
    Connect(std::vector<std::string>(64, "{}"));
    Run(kNewAddressing);
    std::vector<int> owners(64, 0);
    for (size_t i = 0; i < 64; ++i)
        if (const auto address = ShortAddress(i))
            ++owners[*address];
    EXPECT_EQ(owners, std::vector<int>(64, 1));
    EXPECT_EQ(PresentCells().size(), 64u);
    EXPECT_EQ(progress_.lines.size(), 65);
}

// Physical selection: the listener plays the installer, pressing keys while
// the worker polls QUERY SHORT ADDRESS (two frames per poll).
TEST_F(Assistant, PhysicalSelectionProgramsOnlyPressedGearWithoutAnAddress) {
    Connect({"{}", "{}", "{}"});
    const auto press = [this](size_t gear) { return [this, gear] { h->bus().pressPhysicalSelectionKey(gear); }; };
    AtPolls({{6, press(1)},    // new gear: programmed
             {20, press(1)},   // the same, now addressed: ignored
             {40, press(2)},   // another new one, alone
             {60, [this] { CancelQueued(); }}});
    h->prompts.Answer(kDialogOk);  // the Cancel, queued behind Start's answer
    Run({AddressingMode::NewAddressing, true, false});
    const QString pressKey = "Taste \"Physical Select\" auf dem Gerät betätigen...";
    EXPECT_EQ(progress_.lines, (QStringList{pressKey, "Adresse: 0", pressKey, "Adresse: 1", pressKey}));
    EXPECT_EQ(ShortAddress(1), 0);
    EXPECT_EQ(ShortAddress(2), 1);
    EXPECT_EQ(ShortAddress(0), std::nullopt);
    EXPECT_GE(polls_, 60);
    EXPECT_EQ(PresentCells(), (std::vector<int>{0, 1}));
    EXPECT_EQ(TraceCount("COMPARE FULL: erfolgreich\r\n"), 0);  // no search, no trace
}

// Physical selection frame by frame: the key is pressed during the first
// poll, the gear is programmed and counted once it answers with its new
// address; Cancel right then ends the run: TERMINATE from Cancel, from the
// worker and from the view.
TEST_F(Assistant, PhysicalSelectionFrameByFrame) {
    Connect({"{}"});
    std::atomic<bool> pressed = false;
    h->bus().setFrameListener([this, &pressed](const sim::BusFrame& frame) {
        if (frame.data == kQueryShortAddress && !pressed.exchange(true))
            h->bus().pressPhysicalSelectionKey(0);
    });
    progress_.onLine = [this](const QString& line) {
        if (line == "Adresse: 0") {
            h->prompts.Answer(kDialogOk);
            assistant_->Cancel();
        }
    };
    Run({AddressingMode::NewAddressing, true, false});
    EXPECT_EQ(ShortAddress(0), 0);
    const std::vector<std::string> frames = h->TakeForwardFrames();
    const auto first = std::find(frames.begin(), frames.end(), "BD00");
    EXPECT_EQ(std::vector<std::string>(first, frames.end()),
              (std::vector<std::string>{"BD00", "BD00", "BB00", "BB00", "B701", "BB00", "BB00", "A100", "A100",
                                        "A100"}));
}

// Keys of two gear pressed at once select neither: they would share one
// address. The list asks for one key, and the next single key counts.
TEST_F(Assistant, PhysicalSelectionNeverProgramsTwoGearAtOnce) {
    Connect({"{}", "{}", "{}"});
    AtPolls({{3,
              [this] {
                  h->bus().pressPhysicalSelectionKey(0);
                  h->bus().pressPhysicalSelectionKey(1);
              }},
             {9, [this] { h->bus().pressPhysicalSelectionKey(1); }},
             {30, [this] { CancelQueued(); }}});
    h->prompts.Answer(kDialogOk);  // the Cancel, queued behind Start's answer
    Run({AddressingMode::NewAddressing, true, false});
    const QString pressKey = "Taste \"Physical Select\" auf dem Gerät betätigen...";
    EXPECT_EQ(progress_.lines,
              (QStringList{pressKey, "Mehrere Geräte ausgewählt. Bitte nur die Taste eines Gerätes betätigen.",
                           "Adresse: 0", pressKey}));
    EXPECT_EQ(ShortAddress(0), std::nullopt);
    EXPECT_EQ(ShortAddress(1), 0);
    EXPECT_EQ(ShortAddress(2), std::nullopt);
    EXPECT_EQ(PresentCells(), (std::vector<int>{0}));
}

TEST_F(Assistant, PhysicalSelectionStillWorksAfterTheInitialisationWindow) {
    Connect({"{}"});
    constexpr uint64_t kSixteenMinutesUs = 16ull * 60 * 1000 * 1000;
    std::atomic<bool> pressed = false, gaveUp = false;
    h->bus().setFrameListener([this, &pressed, &gaveUp](const sim::BusFrame& frame) {
        if (frame.data == kQueryShortAddress && frame.timeUs > kSixteenMinutesUs && !pressed.exchange(true))
            h->bus().pressPhysicalSelectionKey(0);
        // A key that is never taken must not keep the test waiting.
        if (frame.timeUs > 2 * kSixteenMinutesUs && !gaveUp.exchange(true)) {
            h->prompts.Answer(kDialogOk);
            QMetaObject::invokeMethod(qApp, [this] { assistant_->Cancel(); }, Qt::QueuedConnection);
        }
    });
    progress_.onLine = [this](const QString& line) {
        if (line == "Adresse: 0") {
            h->prompts.Answer(kDialogOk);
            assistant_->Cancel();
        }
    };
    Run({AddressingMode::NewAddressing, true, false});
    EXPECT_TRUE(pressed);
    EXPECT_FALSE(gaveUp);
    EXPECT_EQ(ShortAddress(0), 0);
}

TEST_F(Assistant, TheSingleSearchGivesUpWhenNoGearLacksAnAddress) {
    Connect({R"({"shortAddress": 2})"});
    EXPECT_FALSE(addressing::AddressOneUnaddressed(h->view().link(), 4));
    EXPECT_EQ(TraceCount("COMPARE FULL: NICHT erfolgreich\r\n"), addressing::kSingleSearchAttempts);
    EXPECT_EQ(ShortAddress(0), 2);
}

// The single search counts a gear only once it answers QUERY SHORT ADDRESS
// with the address it was given: a PROGRAM lost on the link every time it
// was sent leaves the gear without one, so the search goes round again.
TEST_F(Assistant, TheSingleSearchCountsOnlyAGearThatAnswersItsNewAddress) {
    Connect({R"({"shortAddress": 2})", "{}"});
    h->backend().bridge(0)->injectFrameNack(0xB709, 0, addressing::kProgramAttempts);
    EXPECT_TRUE(addressing::AddressOneUnaddressed(h->view().link(), 4));
    EXPECT_EQ(ShortAddress(1), 4);
    EXPECT_EQ(TraceCount("COMPARE FULL: erfolgreich\r\n"), 2);
    const std::vector<std::string> frames = h->TakeForwardFrames();
    EXPECT_EQ(std::count(frames.begin(), frames.end(), "B709"), 1);
    EXPECT_EQ(frames.back(), "AB00");
}

}  // namespace
