// The addressing assistant on a simulated bus, through the main view's
// command: the run on its worker thread, the progress lines, the trace, the
// gear's short addresses afterwards and the matrix the view shows.

#include "addressing/addressing_assistant.h"
#include "addressing/random_search.h"
#include "addressing/trace.h"
#include "tests/support/headless_view.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <optional>

namespace {

using addressing::AddressingAssistant;
using addressing::AddressingMode;
using addressing::AssistantChoice;

constexpr uint16_t kRandomise = 0xA700, kQueryShortAddress = 0xBB00;

class ProgressList final : public addressing::AssistantSurface {
public:
    void AppendProgressLine(const QString& line) override {
        lines << line;
        if (onLine)
            onLine(line);
    }
    void DisableRunControls() override { controlsDisabled = true; }
    void ProcessPendingEvents() override {}

    QStringList lines;
    bool controlsDisabled = false;
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

    std::optional<HeadlessView> h;
    ProgressList progress_;
    AddressingAssistant* assistant_ = nullptr;
    std::vector<uint8_t> freeAddresses_;
    QStringList trace_;
    TraceSink previousSink_;
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
            EXPECT_TRUE(assistant_->Cancel());
        }
    };
    Run(kNewAddressing);
    EXPECT_EQ(progress_.lines, (QStringList{"Adressierung läuft....", "Adresse: 0", "Adresse: 1"}));
    EXPECT_EQ(h->prompts.confirmations.back().text, "Soll die Adressierung unterbrochen werden?");
    EXPECT_EQ(ShortAddress(2), std::nullopt);
    // WITHDRAW of the second gear, Cancel's TERMINATE, the worker's, the view's.
    const std::vector<std::string> frames = h->TakeForwardFrames();
    EXPECT_EQ(std::vector<std::string>(frames.end() - 4, frames.end()),
              (std::vector<std::string>{"AB00", "A100", "A100", "A100"}));
}

TEST_F(Assistant, QueryShortAddressMismatchIsTracedAndCounted) {
    Connect({"{}", "{}"});
    FixRandomAddresses({0x40, 0x80});
    // Right after PROGRAM, the second gear takes the first one's random
    // address: both answer QUERY SHORT ADDRESS, differently.
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
    EXPECT_EQ(progress_.lines, (QStringList{"Adressierung läuft....", "Adresse: 0"}));
    EXPECT_EQ(PresentCells(), (std::vector<int>{0}));
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
    std::atomic<int> polls = 0;
    h->bus().setFrameListener([this, &polls](const sim::BusFrame& frame) {
        if (frame.data != kQueryShortAddress)
            return;
        switch (++polls) {
            case 6:   // new gear: programmed
            case 20:  // the same, now addressed: ignored
                h->bus().pressPhysicalSelectionKey(1);
                break;
            case 40: h->bus().pressPhysicalSelectionKey(2); break;  // another new one, alone
            case 60:
                QMetaObject::invokeMethod(qApp, [this] { assistant_->Cancel(); }, Qt::QueuedConnection);
                break;
            default: break;
        }
    });
    h->prompts.Answer(kDialogOk);  // the Cancel, queued behind Start's answer
    Run({AddressingMode::NewAddressing, true, false});
    const QString pressKey = "Taste \"Physical Select\" auf dem Gerät betätigen...";
    EXPECT_EQ(progress_.lines, (QStringList{pressKey, "Adresse: 0", pressKey, "Adresse: 1", pressKey}));
    EXPECT_EQ(ShortAddress(1), 0);
    EXPECT_EQ(ShortAddress(2), 1);
    EXPECT_EQ(ShortAddress(0), std::nullopt);
    EXPECT_GE(polls, 60);
    EXPECT_EQ(PresentCells(), (std::vector<int>{0, 1}));
    EXPECT_EQ(TraceCount("COMPARE FULL: erfolgreich\r\n"), 0);  // no search, no trace
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

}  // namespace
