// "Gerät ersetzen" on a simulated bus through the main view's command: the
// exact frames of finding, programming, confirming, writing and reading
// back, the questions and lists the installer sees, the gear afterwards.

#include "app/command_table.h"
#include "sim/bridge_chip.h"
#include "storage/emergency_report.h"
#include "storage/installation_report.h"
#include "tests/support/file_bytes.h"
#include "tests/support/headless_view.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <deque>
#include <optional>

namespace {

using Frames = std::vector<std::string>;

constexpr uint16_t kPhysicalSelection = 0xBD00, kQueryShortAddress = 0xBB00;

std::string Hex(int first, int second) {
    char text[5];
    std::snprintf(text, sizeof text, "%02X%02X", first & 0xFF, second & 0xFF);
    return text;
}

void Append(Frames& to, const Frames& more) { to.insert(to.end(), more.begin(), more.end()); }

// A settings record of the project, with its name, as a project file gives it.
DeviceRecord ProjectRecord(const QString& name, uint8_t maxLevel, uint16_t groups) {
    DeviceRecord r;
    r.present = 1;
    r.readState = 7;  // a file's record: read bits, no device type, actual level unknown
    r.actualLevel = 255;
    r.name = name;
    r.fadeRate = 3;
    r.fadeTime = 2;
    r.fastFadeTime = 5;
    r.dimmingCurve = 1;
    r.maxLevel = maxLevel;
    r.minLevel = 20;
    r.powerOnLevel = 150;
    r.systemFailureLevel = 100;
    r.SetGroupMask(groups);
    r.sceneLevel[0] = 10;
    r.sceneLevel[2] = 250;
    return r;
}

// The frames of writing ProjectRecord(..., maxLevel, groups) to a gear with
// MIN 1, then of reading it back.
Frames WriteAndReadBack(int address, uint8_t maxLevel, uint16_t groups) {
    const int a = address << 1 | 1;
    const auto dtr = [a](int value, int opcode) { return Frames{Hex(0xA3, value), Hex(a, opcode), Hex(a, opcode)}; };
    const auto dt6 = [a](int value, int opcode) {
        return Frames{Hex(0xA3, value), "C106", Hex(a, opcode), Hex(a, opcode)};
    };
    // The new gear's device type, then its MIN, which decides the order of MAX and MIN.
    Frames f{Hex(a, 0x99), Hex(a, 0xA2)};
    for (const Frames& step : {dtr(3, 0x2F), dtr(2, 0x2E), dt6(5, 0xE4), dt6(1, 0xE3), dtr(maxLevel, 0x2A),
                               dtr(20, 0x2B), dtr(150, 0x2D), dtr(100, 0x2C)})
        Append(f, step);
    for (int g = 0; g < 16; ++g)
        Append(f, {Hex(a, 0x70 + g), Hex(a, 0x70 + g)});
    for (int g = 0; g < 16; ++g)
        if (groups >> g & 1)
            Append(f, {Hex(a, 0x60 + g), Hex(a, 0x60 + g)});
    for (int n = 0; n < 16; ++n)
        Append(f, dtr(n == 0 ? 10 : n == 2 ? 250 : 255, 0x40 + n));
    Append(f, {Hex(a, 0xA5), Hex(a, 0x99), "C106", Hex(a, 0xFD), "C106", Hex(a, 0xEE)});
    for (int opcode : {0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xC0, 0xC1})
        f.push_back(Hex(a, opcode));
    for (int n = 0; n < 16; ++n)
        f.push_back(Hex(a, 0xB0 + n));
    return f;
}

// Listing one new gear whose random address is 0x800000: INITIALISE of the
// gear without an address, the search down to it, WITHDRAW, none left.
Frames ListingOfOneGearAt800000() {
    Frames f{"A100", "0190", "A5FF", "A5FF", "A700", "A700", "B1FF", "B3FF", "B5FE", "A900", "B300", "B500"};
    for (const char* trial : {"B180", "B140", "B160", "B170", "B178", "B17C", "B17E", "B17F"})
        Append(f, {trial, "A900"});
    f.emplace_back("B17F");
    for (const char* trial : {"B380", "B3C0", "B3E0", "B3F0", "B3F8", "B3FC", "B3FE", "B3FF"})
        Append(f, {trial, "A900"});
    f.emplace_back("B3FF");
    for (const char* trial : {"B580", "B5C0", "B5E0", "B5F0", "B5F8", "B5FC", "B5FE", "B5FF"})
        Append(f, {trial, "A900"});
    Append(f, {"B180", "B300", "B500", "A900", "AB00", "B1FF", "B3FF", "B5FE", "A900"});
    return f;
}

class Replacement : public ::testing::Test {
protected:
    void Connect(const std::vector<std::string>& gear) {
        h.emplace(OneInterfaceScenario(gear));
        h->WriteConfig(0, 0, 1);
        h->Start();
        h->prompts.Answer(kDialogOk);
        h->view().Connect();
        h->prompts.confirmations.clear();
        h->prompts.messages.clear();
        h->TakeForwardFrames();
    }
    // The open project: these records, and every gear the scan found as it is.
    void OpenProject(const std::vector<std::pair<int, DeviceRecord>>& missing) {
        DeviceStore& store = h->view().store();
        store.projectTable = store.workingTable;
        for (const auto& [address, record] : missing)
            store.projectTable[size_t(address)] = record;
        h->view().projectLoaded = 1;
    }
    std::optional<uint8_t> ShortAddress(size_t gear) {
        std::optional<uint8_t> address;
        h->bus().withGear(gear, [&](sim::ControlGear& g) { address = g.shortAddress(); });
        return address;
    }
    sim::GearConfig Gear(size_t gear) {
        sim::GearConfig config;
        h->bus().withGear(gear, [&](sim::ControlGear& g) { config = g.snapshot(); });
        return config;
    }
    // The gear holds the project's settings.
    void ExpectGearHolds(size_t gear, const DeviceRecord& r) {
        const sim::GearConfig g = Gear(gear);
        EXPECT_EQ(g.maxLevel, r.maxLevel);
        EXPECT_EQ(g.minLevel, r.minLevel);
        EXPECT_EQ(g.powerOnLevel, r.powerOnLevel);
        EXPECT_EQ(g.systemFailureLevel, r.systemFailureLevel);
        EXPECT_EQ(g.fadeTime, r.fadeTime);
        EXPECT_EQ(g.fadeRate, r.fadeRate);
        EXPECT_EQ(g.fastFadeTime, r.fastFadeTime);
        EXPECT_EQ(g.dimmingCurve, r.dimmingCurve);
        EXPECT_EQ(g.groups, r.groupMask);
        EXPECT_EQ(g.scenes, r.sceneLevel);
    }
    // The working table's record is the project's, read back from the gear.
    void ExpectRecordIsTheProjects(int address) {
        DeviceRecord shown = h->view().store().workingTable[size_t(address)];
        const DeviceRecord& wanted = h->view().store().projectTable[size_t(address)];
        shown.actualLevel = wanted.actualLevel;
        shown.readState = wanted.readState;
        shown.deviceType = wanted.deviceType;  // the gear's own, which no file holds
        EXPECT_EQ(shown.placedAt, kHeadlessPlacedAt) << "address " << address;
        shown.placedAt = wanted.placedAt;
        EXPECT_EQ(shown, wanted) << "address " << address;
        EXPECT_EQ(h->view().matrix().cells[size_t(address)].present, 1);
    }
    // Presses the keys of these gear, one at each first poll after PHYSICAL SELECTION.
    void PressKeysInTurn(std::deque<size_t> gear) {
        h->bus().setFrameListener([this, gear, armed = false](const sim::BusFrame& frame) mutable {
            if (frame.data == kPhysicalSelection)
                armed = true;
            if (frame.data == kQueryShortAddress && armed && !gear.empty()) {
                armed = false;
                h->bus().pressPhysicalSelectionKey(gear.front());
                gear.pop_front();
            }
        });
    }
    QStringList ListTexts() const {
        QStringList texts;
        for (const ListRequest& list : h->prompts.lists)
            texts << list.text + " | " + list.entries.join(" / ");
        return texts;
    }
    // From the first frame `first` to the first `last` after it, both in.
    static Frames Between(const Frames& frames, const std::string& first, const std::string& last) {
        const auto from = std::find(frames.begin(), frames.end(), first);
        const auto to = std::find(from, frames.end(), last);
        return to == frames.end() ? Frames{} : Frames(from, to + 1);
    }

    std::optional<HeadlessView> h;
};

const QString kResult = "Ergebnis: | ";

TEST_F(Replacement, OneMissingAndOneNewGearTakeOneQuestion) {
    Connect({R"({"shortAddress": 0})", R"({"randomDraws": ["0x800000"]})"});
    const DeviceRecord reception = ProjectRecord("Empfang", 200, 0x0012);
    OpenProject({{5, reception}});
    h->prompts.Answer(kDialogOk);
    EXPECT_TRUE(h->view().commands().IsEnabled(CommandId::ReplaceGear));
    h->view().Execute(CommandAction::ReplaceGear);

    ASSERT_EQ(h->prompts.confirmations.size(), 1u);
    EXPECT_EQ(h->prompts.confirmations[0].text, "Soll das neue Gerät die Adresse 5 (Empfang) übernehmen? Es erhält "
                                                "alle Einstellungen dieser Adresse aus dem Projekt.");
    Frames expected{"0190", "0B90"};  // which gear of the project answer: 5 does not
    Append(expected, ListingOfOneGearAt800000());
    // Asked again before programming, INITIALISE renewed, programmed at its random address, confirmed.
    Append(expected, {"0B90", "A5FF", "A5FF", "B180", "B300", "B500", "B70B", "BB00", "BB00", "A100"});
    Append(expected, WriteAndReadBack(5, 200, 0x0012));
    EXPECT_EQ(h->TakeForwardFrames(), expected);

    EXPECT_EQ(ShortAddress(1), 5);
    ExpectGearHolds(1, reception);
    ExpectRecordIsTheProjects(5);
    EXPECT_EQ(ListTexts(), (QStringList{kResult + "Adresse 5 (Empfang): ersetzt, Einstellungen geschrieben und "
                                                  "bestätigt."}));

    // The failed unit's passed test is not the new unit's: the report shows it untested.
    const EmergencyLogEntry failedUnits{QDateTime(QDate(2026, 2, 2), QTime(9, 0), Qt::UTC), 5,
                                        EmergencyTestKind::Function, EmergencyOutcome::Passed, 0x00, {}, "Empfang", {}};
    InstallationReport report;
    AddEmergencyTestsToReport(report, {failedUnits}, {}, h->view().store().workingTable, {});
    ASSERT_EQ(report.sections.size(), 1u);
    EXPECT_EQ(report.sections[0].table.rows, (std::vector<QStringList>{{"5", "Empfang", "nicht geprüft", "",
                                                                        "nicht geprüft", "", ""}}));
}

TEST_F(Replacement, TwoGearByTheirKeysEachTakingTheAddressPicked) {
    Connect({R"({"shortAddress": 0})", R"({"randomDraws": ["0x100000"]})", R"({"randomDraws": ["0x200000"]})"});
    const DeviceRecord hall = ProjectRecord("Flur", 180, 0x0001), kitchen = ProjectRecord("Küche", 220, 0x8000);
    OpenProject({{3, hall}, {7, kitchen}});
    h->prompts.PickEntry(0);  // by the key
    h->prompts.PickEntry(1);  // gear 2 takes 7 ...
    h->prompts.PickEntry(0);  // ... gear 1 the one left, 3
    PressKeysInTurn({2, 1});
    h->view().Execute(CommandAction::ReplaceGear);

    EXPECT_EQ(ListTexts(),
              (QStringList{"Fehlende Adressen: 2, neue Geräte: 2. Wie sollen die neuen Geräte erkannt werden? | "
                           "Taste \"Physical Select\" am Gerät betätigen / Gerät blinken lassen (Geräte ohne Taste)",
                           "Welche Adresse soll das ausgewählte Gerät übernehmen? | 3 (Flur) / 7 (Küche)",
                           "Welche Adresse soll das ausgewählte Gerät übernehmen? | 3 (Flur)",
                           kResult + "Adresse 3 (Flur): ersetzt, Einstellungen geschrieben und bestätigt. / "
                                     "Adresse 7 (Küche): ersetzt, Einstellungen geschrieben und bestätigt."}));
    const Frames frames = h->TakeForwardFrames();
    // INITIALISE again, then per gear: its key, the address asked, PROGRAM, the confirmation.
    const Frames selection{"A5FF", "A5FF", "BD00", "BD00", "BB00", "BB00", "0F90", "B70F", "BB00", "BB00",
                           "BD00", "BD00", "BB00", "BB00", "0790", "B707", "BB00", "BB00", "A100"};
    const auto at = std::search(frames.begin(), frames.end(), selection.begin(), selection.end());
    ASSERT_NE(at, frames.end());
    Frames written(at + std::ptrdiff_t(selection.size()), frames.end());
    Frames expected = WriteAndReadBack(3, 180, 0x0001);
    Append(expected, WriteAndReadBack(7, 220, 0x8000));
    EXPECT_EQ(written, expected);

    EXPECT_EQ(ShortAddress(1), 3);
    EXPECT_EQ(ShortAddress(2), 7);
    ExpectGearHolds(1, hall);
    ExpectGearHolds(2, kitchen);
    ExpectRecordIsTheProjects(3);
    ExpectRecordIsTheProjects(7);
}

// Gear without a key: each new gear takes the first open address for the
// moment and flashes there; the first is moved to the address picked, the
// second stays where it flashed.
TEST_F(Replacement, GearWithoutAKeyFlashAndTakeTheAddressPicked) {
    const std::string noKey = R"(, "faults": {"noSelectionKey": true}})";
    Connect({R"({"shortAddress": 0})", R"({"randomDraws": ["0x100000"])" + noKey,
             R"({"randomDraws": ["0x200000"])" + noKey});
    OpenProject({{3, ProjectRecord("Flur", 180, 0x0001)}, {7, ProjectRecord("Küche", 220, 0x8000)}});
    h->prompts.PickEntry(1);  // by flashing
    h->prompts.PickEntry(1);  // the first flashing gear takes 7
    h->prompts.PickEntry(0);  // the second 3
    h->view().Execute(CommandAction::ReplaceGear);

    const Frames flashAt3{"0705", "0700", "0705", "0700", "0705", "0700", "0705"};
    Frames expected{"0790", "A5FF", "A5FF", "B110", "B300", "B500", "B707", "BB00", "BB00"};
    Append(expected, flashAt3);
    Append(expected, {"0F90", "A5FF", "A5FF", "B110", "B300", "B500", "B70F", "BB00", "BB00"});
    Append(expected, {"0790", "A5FF", "A5FF", "B120", "B300", "B500", "B707", "BB00", "BB00"});
    Append(expected, flashAt3);
    expected.emplace_back("A100");
    const Frames frames = h->TakeForwardFrames();
    const auto listed = std::find(frames.rbegin(), frames.rend(), "AB00").base();  // after the listing
    EXPECT_EQ(Between(Frames(listed, frames.end()), "0790", "A100"), expected);

    EXPECT_EQ(ShortAddress(1), 7);
    EXPECT_EQ(ShortAddress(2), 3);
    EXPECT_EQ(ListTexts().mid(1, 2),
              (QStringList{"Ein neues Gerät blinkt jetzt. Welche Adresse soll es übernehmen? | 3 (Flur) / 7 (Küche)",
                           "Ein neues Gerät blinkt jetzt. Welche Adresse soll es übernehmen? | 3 (Flur)"}));
    ExpectRecordIsTheProjects(3);
    ExpectRecordIsTheProjects(7);
}

// A colour gear from a project file: its device type is the gear's own, and
// its colours go back with its levels.
TEST_F(Replacement, AColourGearGetsItsColoursBack) {
    Connect({R"({"shortAddress": 0})", R"({"randomDraws": ["0x800000"], "deviceType": 8})"});
    DeviceRecord lamp = ProjectRecord("Empfang", 200, 0x0012);
    lamp.colour.features = dali::kColourFeatureTc;
    lamp.colour.coolest = lamp.colour.physicalCoolest = 153;
    lamp.colour.warmest = lamp.colour.physicalWarmest = 370;
    lamp.colour.powerOnMirek = 300;
    OpenProject({{5, lamp}});
    h->prompts.Answer(kDialogOk);
    h->view().Execute(CommandAction::ReplaceGear);
    EXPECT_EQ(ListTexts(), (QStringList{kResult + "Adresse 5 (Empfang): ersetzt, Einstellungen geschrieben und "
                                                  "bestätigt."}));
    EXPECT_EQ(Gear(1).colour.powerOn, sim::GearColourPoint::tc(300));
    EXPECT_EQ(h->view().store().workingTable[5].deviceType, 8);
}

// Written, but silent when read back: the record says nothing is known, the
// project's stays as it was, and the count shows the gear.
TEST_F(Replacement, AReadBackWithoutAnswerLeavesTheRecordUnread) {
    Connect({R"({"shortAddress": 0})", R"({"randomDraws": ["0x800000"]})"});
    const DeviceRecord reception = ProjectRecord("Empfang", 200, 0x0012);
    OpenProject({{5, reception}});
    h->bus().setFrameListener([this](const sim::BusFrame& frame) {
        if (frame.data == 0x0B4F)  // the last scene stored: deaf from here on
            h->bus().withGear(1, [](sim::ControlGear& g) { g.setFaults({.missFrames = 100}); });
    });
    h->prompts.Answer(kDialogOk);
    h->view().Execute(CommandAction::ReplaceGear);

    EXPECT_EQ(ListTexts(), (QStringList{kResult + "Adresse 5 (Empfang): ersetzt und beschrieben, aber das Gerät hat "
                                                  "beim Zurücklesen nicht geantwortet. Seine Werte sind ungelesen."}));
    DeviceRecord unread;
    unread.present = 1;
    unread.name = "Empfang";
    unread.placedAt = kHeadlessPlacedAt;
    EXPECT_EQ(h->view().store().workingTable[5], unread);
    EXPECT_EQ(h->view().store().projectTable[5], reception);
    EXPECT_EQ(h->view().statusPanes()[kPaneCount].text, "2/64");
    ExpectGearHolds(1, reception);
}

// A project opened on a bus where one of its gear failed: the transfer is
// refused, the gear is replaced, and the save keeps every name of the project.
TEST_F(Replacement, AfterAReplacementTheSaveKeepsEveryName) {
    Connect({R"({"shortAddress": 0})", R"({"randomDraws": ["0x800000"]})"});
    const QString project = h->folder.filePath("site.prj"), saved = h->folder.filePath("saved.prj");
    const QString scenes(32, u'F');
    ASSERT_TRUE(WriteFileBytes(project, Utf16LE("00FE01FEFE000007000000" + scenes + "\n05C8146496120003020105" + scenes +
                                                "\n#kelvane-name 00 Flur\n#kelvane-name 05 Empfang\n")));
    h->prompts.ChoosePath(project);
    h->view().OpenProject();
    ASSERT_EQ(h->prompts.messages.back().text, "Die gefundenen DALI Adressen entsprechen nicht denen in der "
                                               "Projektdatei. Der Vorgang wird abgebrochen.");
    h->prompts.Answer(kDialogOk);
    h->view().Execute(CommandAction::ReplaceGear);
    EXPECT_EQ(h->view().statusPanes()[kPaneCount].text, "2/64");

    h->prompts.Answer(kDialogOk);
    h->prompts.ChoosePath(saved);
    h->view().SaveProject();
    const QByteArray bytes = ReadFileBytes(saved);
    EXPECT_TRUE(bytes.endsWith(Utf16LE("\n#kelvane-name 00 Flur\n#kelvane-name 05 Empfang\n"
                                       "#kelvane-unit 05 placed=2026-03-01T08:00:00Z\n")))
        << bytes.toHex().data();
}

// Nothing is written where a gear answers: asked for an address a gear
// holds again, and a gear that answers only once the installer has said yes.
TEST_F(Replacement, AnAddressWhereAGearAnswersGetsNothing) {
    Connect({R"({"shortAddress": 5})", "{}"});
    OpenProject({{5, ProjectRecord("Empfang", 200, 0x0012)}});
    const QString refused = kResult + "Adresse 5 (Empfang): ein Gerät antwortet dort. Es wurde nichts geschrieben.";

    h->view().ReplaceGear(5);
    EXPECT_EQ(h->TakeForwardFrames(), (Frames{"0B90"}));
    EXPECT_EQ(ListTexts(), QStringList{refused});

    // Deaf to the first question: it looks missing until it is asked again.
    h->bus().withGear(0, [](sim::ControlGear& g) { g.setFaults({.missFrames = 1}); });
    h->prompts.lists.clear();
    h->prompts.Answer(kDialogOk);
    h->view().Execute(CommandAction::ReplaceGear);
    const Frames frames = h->TakeForwardFrames();
    EXPECT_EQ(Frames(frames.end() - 2, frames.end()), (Frames{"0B90", "A100"}));
    EXPECT_EQ(std::count_if(frames.begin(), frames.end(), [](const std::string& f) { return f.starts_with("B7"); }),
              0);
    EXPECT_EQ(ListTexts(), QStringList{refused});
    EXPECT_EQ(ShortAddress(1), std::nullopt);
    EXPECT_EQ(Gear(0).maxLevel, 254);
}

// Nothing to replace, or the installer says no: the user reads why, and the
// bus sees no more than the questions, the listing and its TERMINATE.
TEST_F(Replacement, WithoutAPairOfMissingAndNewGearNothingIsProgrammed) {
    struct Case {
        std::vector<std::string> gear;
        bool missing;
        int answer;  // to the one question, or -1: none asked
        QString message;
    };
    const Case cases[] = {
        {{R"({"shortAddress": 5})", "{}"}, false, -1, "Alle Geräte des Projekts antworten. Es fehlt kein Gerät."},
        {{R"({"shortAddress": 0})"}, true, -1, "Es wurde kein neues Gerät ohne Adresse gefunden."},
        {{R"({"shortAddress": 0})", "{}"}, true, kDialogCancel, ""},
    };
    for (const Case& c : cases) {
        Connect(c.gear);
        OpenProject(c.missing ? std::vector<std::pair<int, DeviceRecord>>{{5, ProjectRecord("", 200, 1)}}
                              : std::vector<std::pair<int, DeviceRecord>>{});
        if (c.answer >= 0)
            h->prompts.Answer(c.answer);
        h->view().Execute(CommandAction::ReplaceGear);
        const Frames frames = h->TakeForwardFrames();
        EXPECT_EQ(std::count_if(frames.begin(), frames.end(),
                                [](const std::string& f) { return f.starts_with("B7") || f.starts_with("A3"); }),
                  0);
        EXPECT_EQ(frames.back(), c.missing ? "A100" : "0B90");
        EXPECT_EQ(h->prompts.messages.empty() ? QString() : h->prompts.messages.back().text, c.message);
        EXPECT_TRUE(h->prompts.lists.empty());
        EXPECT_EQ(h->prompts.pendingAnswers(), 0u);
    }
}

TEST_F(Replacement, TheCommandWantsAConnectionAndAnOpenProject) {
    Connect({R"({"shortAddress": 0})"});
    EXPECT_FALSE(h->view().commands().IsEnabled(CommandId::ReplaceGear));
    OpenProject({});
    EXPECT_TRUE(h->view().commands().IsEnabled(CommandId::ReplaceGear));
    h->prompts.AnswerTheRestWith(kDialogCancel);
    h->view().Disconnect();
    EXPECT_FALSE(h->view().commands().IsEnabled(CommandId::ReplaceGear));
}

}  // namespace
