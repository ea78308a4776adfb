// "Anlage prüfen" on a simulated bus: the list a line with one gear of each
// kind of difference gives, the frames a check sends (queries only), cancel
// and a bus failing on the way, and the actions the list offers.

#include "app/line_check_flow.h"
#include "dali/dali_commands.h"
#include "devices/line_check_text.h"
#include "storage/device_lines.h"
#include "tests/support/gear_records.h"
#include "tests/support/headless_view.h"
#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using K = LineCheckKind;
using F = LineCheckField;
using Rows = std::vector<LineCheckRow>;
constexpr int kNo = kLineCheckNoValue;

// One of each: 0 as the project has it, 1 with five values changed, 2 gone,
// 3 not in the project, 4 with a lamp failure, two gear on 5, 6 with a
// control gear failure, and two gear without a short address.
const std::string kLine = OneInterfaceScenario({
    R"({"shortAddress": 0})",
    R"({"shortAddress": 1, "groups": [0]})",
    R"({"shortAddress": 3})",
    R"({"shortAddress": 4, "lampFailure": true})",
    R"({"shortAddress": 5})",
    R"({"shortAddress": 5, "deviceType": 0})",
    R"({"shortAddress": 6, "deviceType": 0, "gearFailure": true})",
    R"({})",
    R"({})",
});


DeviceTable lineProject() {
    DeviceTable table;
    for (int a : {0, 4, 5, 6})
        table[size_t(a)] = FreshGearRecord();
    DeviceRecord& changed = table[1] = FreshGearRecord(QStringLiteral("Empfang"));
    changed.maxLevel = 200;
    changed.fadeTime = 3;
    changed.dimmingCurve = 1;
    changed.SetGroupMask(0x0005);
    changed.sceneLevel[3] = 100;
    table[2] = FreshGearRecord(QStringLiteral("Flur"));
    return table;
}

const Rows kLineRows = {
    {K::SeveralNoShortAddress, -1, F::None, -1, kNo, kNo, {}},
    {K::ValueDiffers, 1, F::MaxLevel, -1, 200, 254, QStringLiteral("Empfang")},
    {K::ValueDiffers, 1, F::FadeTime, -1, 3, 0, QStringLiteral("Empfang")},
    {K::ValueDiffers, 1, F::DimmingCurve, -1, 1, 0, QStringLiteral("Empfang")},
    {K::ValueDiffers, 1, F::Groups, -1, 5, 1, QStringLiteral("Empfang")},
    {K::ValueDiffers, 1, F::Scene, 3, 100, 255, QStringLiteral("Empfang")},
    {K::Missing, 2, F::None, -1, kNo, kNo, QStringLiteral("Flur")},
    {K::Unexpected, 3, F::None, -1, kNo, kNo, {}},
    {K::LampFailure, 4, F::None, -1, kNo, kNo, {}},
    {K::SharedAddress, 5, F::None, -1, kNo, kNo, {}},
    {K::GearFailure, 6, F::None, -1, kNo, kNo, {}},
};

std::pair<uint8_t, uint8_t> bytesOf(const std::string& frame) {
    const int value = std::stoi(frame, nullptr, 16);
    return {uint8_t(value >> 8), uint8_t(value)};
}

// The frames that are neither a query nor ENABLE DEVICE TYPE n right before
// a query of that type.
std::vector<std::string> framesOtherThanQueries(const std::vector<std::string>& frames) {
    std::vector<std::string> others;
    int enabled = -1;
    for (const std::string& frame : frames) {
        const auto [first, second] = bytesOf(frame);
        const dali::FrameMeaning meaning = dali::decodeForwardFrame(first, second, enabled);
        const bool enable = first == dali::code(dali::SpecialOp::EnableDeviceType);
        if (enabled >= 0 && (!meaning.command || meaning.command->space == dali::CommandSpace::Standard))
            others.push_back(QString::asprintf("C1%02X", enabled).toStdString());  // enabled, but no query of the type followed
        if (!enable && (!meaning.command || !meaning.command->answers))
            others.push_back(frame);
        enabled = enable ? second : -1;
    }
    return others;
}

class LineCheck : public ::testing::Test {
protected:
    explicit LineCheck(const std::string& scenario = kLine) : h(scenario) {}

    // Connected and scanned, with this project opened (its addresses differ
    // from the bus's: it is shown, not transferred).
    MainView& Opened(const DeviceTable& project, int transferAnswer = -1) {
        h.WriteConfig(0, 0, 1);
        MainView& view = h.Start();
        h.prompts.Answer(kDialogOk);
        view.Connect();
        const QString path = h.folder.filePath(QStringLiteral("line.prj"));
        EXPECT_TRUE(WriteProjectFile(path, project));
        h.prompts.ChoosePath(path);
        if (transferAnswer >= 0)
            h.prompts.Answer(transferAnswer);
        view.OpenProject();
        h.TakeForwardFrames();
        h.prompts.messages.clear();
        h.waitDialog.shows.clear();
        return view;
    }

    HeadlessView h;
};

TEST_F(LineCheck, OneGearOfEachKindGivesExactlyItsRowsAndOnlyQueriesAreSent) {
    MainView& view = Opened(lineProject());
    view.CheckLine();
    const LineCheckResult& result = view.lastLineCheck();
    EXPECT_TRUE(result.ran);
    EXPECT_TRUE(result.complete);
    EXPECT_EQ(result.rows, kLineRows);
    EXPECT_EQ(h.surface.lineCheckDialogs, 1);
    EXPECT_EQ(framesOtherThanQueries(h.TakeForwardFrames()), std::vector<std::string>{});
    EXPECT_EQ(h.waitDialog.steps, 65);
    ASSERT_EQ(h.waitDialog.shows.size(), 1u);
    EXPECT_EQ(h.waitDialog.shows[0].title, "Anlage prüfen");
    EXPECT_FALSE(h.waitDialog.visible);
    EXPECT_TRUE(h.prompts.messages.empty());
    // Nothing of the main view changed: no record read into, nothing selected.
    EXPECT_EQ(view.store().workingTable[1].maxLevel, 0);
    EXPECT_EQ(view.store().selectedCount, 0);
}

TEST_F(LineCheck, TheListAsCsvAndInTheReport) {
    MainView& view = Opened(lineProject());
    EXPECT_TRUE(view.Report().sections.empty());
    view.CheckLine();
    const QByteArray csv = LineCheckCsv(view.lastLineCheck(), QString());
    EXPECT_EQ(csv.toStdString(),  // as the gear table: a byte-order mark and the language's separator
              "\xEF\xBB\xBF"
              "Adresse;Name;Befund;Wert;Projekt;Bus\n"
              "—;;Mehrere Geräte ohne Kurzadresse;;;\n"
              "01;Empfang;Wert weicht ab;MAX LEVEL;200;254\n"
              "01;Empfang;Wert weicht ab;FADE TIME;3;0\n"
              "01;Empfang;Wert weicht ab;Dimmkurve;Linear;Logaritmisch\n"
              "01;Empfang;Wert weicht ab;Gruppenzugehörigkeit;0, 2;0\n"
              "01;Empfang;Wert weicht ab;Szene 3;100;MASK\n"
              "02;Flur;Fehlt: im Projekt, antwortet nicht;;;\n"
              "03;;Unerwartet: antwortet, nicht im Projekt;;;\n"
              "04;;Status: Lampenfehler;;;\n"
              "05;;Mehrere Geräte auf dieser Adresse;;;\n"
              "06;;Status: Betriebsgerätefehler;;;\n");
    const InstallationReport report = view.Report();
    ASSERT_EQ(report.sections.size(), 1u);
    const ReportSection& check = report.sections[0];
    EXPECT_EQ(check.heading, "Anlage prüfen");
    EXPECT_EQ(check.lines.size(), 1);  // its date
    ASSERT_EQ(check.table.rows.size(), kLineRows.size());
    EXPECT_EQ(check.table.rows[7], LineCheckCells(kLineRows[7], QString()));

    // A scan since (as a replacement or a move would) makes it outdated, which it says after its date.
    view.SearchDevices();
    EXPECT_EQ(view.Report().sections[0].lines.mid(1),
              QStringList{"Veraltet: Die Anlage wurde seit dieser Prüfung geändert (Austausch, Adressänderung oder "
                          "Suche). Bitte erneut prüfen."});
    EXPECT_TRUE(ReportHtml(report).contains(QStringLiteral("<h2>Anlage prüfen</h2>")));
}

class LineCheckOneGear : public LineCheck {
protected:
    LineCheckOneGear() : LineCheck(OneInterfaceScenario({R"({"shortAddress": 0})"})) {}
};

TEST_F(LineCheckOneGear, AGearAsInTheProjectIsAskedThisAndNothingIsListed) {
    DeviceTable project;
    project[0] = FreshGearRecord();
    MainView& view = Opened(project, kDialogCancel);  // same addresses: the transfer is declined
    // Deaf to the broadcast and the first QUERY STATUS: asked once more, not listed missing.
    h.bus().withGear(0, [](sim::ControlGear& g) { g.setFaults({.missFrames = 2}); });
    view.CheckLine();
    std::vector<std::string> expected = {"FF96", "0190", "0190", "0199", "01A1", "01A2", "01A3", "01A4", "01A5",
                                         "C106", "01FD", "C106", "01EE", "01C0", "01C1"};
    expected.reserve(expected.size() + 16 + 63);
    for (int n = 0; n < 16; ++n)
        expected.push_back("01B" + std::string(1, "0123456789ABCDEF"[n]));
    char text[8];
    for (int a = 1; a < 64; ++a) {
        std::snprintf(text, sizeof text, "%02X90", a * 2 + 1);
        expected.emplace_back(text);
    }
    EXPECT_EQ(h.TakeForwardFrames(), expected);
    EXPECT_TRUE(view.lastLineCheck().rows.empty());
    EXPECT_EQ(LineCheckSummary(view.lastLineCheck(), QString()),
              "Keine Abweichungen: die Anlage entspricht dem Projekt.");
    const InstallationReport report = view.Report();
    ASSERT_EQ(report.sections.size(), 1u);
    ASSERT_EQ(report.sections[0].lines.size(), 2);
    EXPECT_TRUE(report.sections[0].lines[0].startsWith("Geprüft am " + QDate::currentDate().toString(Qt::ISODate)));
    EXPECT_EQ(report.sections[0].lines[1], "Keine Abweichungen: die Anlage entspricht dem Projekt.");
    EXPECT_TRUE(report.sections[0].table.header.isEmpty());  // nothing found: no empty table
}

TEST_F(LineCheck, CancelEndsAfterTheAddressBeingAskedAndTheListSaysItIsIncomplete) {
    MainView& view = Opened(lineProject());
    h.waitDialog.PressCancelAfterSteps(3);  // the unaddressed gear, address 0, address 1
    view.CheckLine();
    const LineCheckResult& result = view.lastLineCheck();
    EXPECT_TRUE(result.ran);
    EXPECT_FALSE(result.complete);
    EXPECT_EQ(result.rows, Rows(kLineRows.begin(), kLineRows.begin() + 6));  // no "Fehlt" for 2
    EXPECT_EQ(h.TakeForwardFrames().back(), "03BF");
    EXPECT_EQ(LineCheckSummary(result, QString()), "Die Prüfung wurde nicht beendet: die Liste ist unvollständig.");
    EXPECT_EQ(h.surface.lineCheckDialogs, 1);
}

TEST_F(LineCheck, ABusLosingItsPowerStopsTheCheckWithTheBusErrorAndNoFalseMissing) {
    MainView& view = Opened(lineProject());
    h.bus().setFrameListener([this](const sim::BusFrame& frame) {
        if (frame.kind == sim::FrameKind::Forward && frame.data == 0x0790)
            h.bus().setPowered(false);
    });
    view.CheckLine();
    const LineCheckResult& result = view.lastLineCheck();
    EXPECT_FALSE(result.complete);
    EXPECT_EQ(result.rows, Rows(kLineRows.begin(), kLineRows.begin() + 7));  // up to the "Fehlt" of 2
    ASSERT_EQ(h.prompts.messages.size(), 1u);
    EXPECT_EQ(h.prompts.messages[0].titleId, 249);
    EXPECT_FALSE(h.waitDialog.visible);
}

TEST_F(LineCheck, TheCommandWantsAConnectionAndAProject) {
    h.WriteConfig(0, 0, 1);
    MainView& view = h.Start();
    h.prompts.Answer(kDialogOk);
    view.Connect();
    EXPECT_FALSE(view.commands().IsEnabled(CommandId::CheckLine));
    h.TakeForwardFrames();
    view.CheckLine();
    EXPECT_TRUE(h.TakeForwardFrames().empty());
    EXPECT_FALSE(view.lastLineCheck().ran);
    const QString path = h.folder.filePath(QStringLiteral("line.prj"));
    ASSERT_TRUE(WriteProjectFile(path, lineProject()));
    h.prompts.ChoosePath(path);
    view.OpenProject();
    EXPECT_TRUE(view.commands().IsEnabled(CommandId::CheckLine));
    view.Disconnect();
    EXPECT_FALSE(view.commands().IsEnabled(CommandId::CheckLine));
}

TEST_F(LineCheck, SendingTheProjectValuesWritesTheGearAndItsRowsGoWhenItAnswersThem) {
    MainView& view = Opened(lineProject());
    std::vector<std::string> sent;
    h.surface.onLineCheckDialog = [&](LineCheckActions& actions) {
        EXPECT_TRUE(actions.canSend(kLineRows[1]));
        EXPECT_FALSE(actions.canSend(kLineRows[7]));  // not in the project
        EXPECT_FALSE(actions.canSend(kLineRows[6]));  // nothing to send to
        h.TakeForwardFrames();
        actions.sendProjectValues(kLineRows[1]);
        sent = h.TakeForwardFrames();
    };
    view.CheckLine();
    Rows expected = kLineRows;
    expected.erase(expected.begin() + 1, expected.begin() + 6);
    EXPECT_EQ(view.lastLineCheck().rows, expected);
    EXPECT_TRUE(view.lastLineCheck().complete);
    EXPECT_FALSE(framesOtherThanQueries(sent).empty());  // the writing, asked for
    EXPECT_EQ(view.store().workingTable[1].maxLevel, 200);
    EXPECT_EQ(view.store().workingTable[1].name, "Empfang");
}

class LineCheckColourGear : public LineCheck {
protected:
    LineCheckColourGear() : LineCheck(OneInterfaceScenario({R"({"shortAddress": 0, "deviceType": 8})"})) {}
};

// Prepared in the office, checked on site: connecting closes the project
// shown offline (nothing to check against), and once it is opened on the
// scanned bus the check compares it truly.
TEST_F(LineCheckOneGear, AProjectPreparedOfflineIsClosedByConnectingAndCheckedOnceOpenedOnSite) {
    DeviceTable project;
    project[0] = FreshGearRecord(QStringLiteral("Flur"));
    const QString path = h.folder.filePath(QStringLiteral("office.prj"));
    ASSERT_TRUE(WriteProjectFile(path, project));
    h.WriteConfig(0, 0, 1);
    MainView& view = h.Start();
    h.prompts.ChoosePath(path);
    view.OpenProject();
    h.prompts.Answer(kDialogOk);  // "Das Projekt wird geschlossen…"
    h.prompts.Answer(kDialogOk);  // the search
    view.Connect();
    EXPECT_EQ(view.projectLoaded, 0);
    EXPECT_FALSE(view.commands().IsEnabled(CommandId::CheckLine));
    EXPECT_FALSE(view.commands().IsEnabled(CommandId::ReplaceGear));

    h.prompts.ChoosePath(path);
    h.prompts.Answer(kDialogCancel);  // shown, not sent
    view.OpenProject();
    view.CheckLine();
    EXPECT_TRUE(view.lastLineCheck().complete);
    EXPECT_TRUE(view.lastLineCheck().rows.empty());
}

// The project file knows neither the device type nor a name typed since
// opening: the gear keeps both, and its colours go out with its levels.
TEST_F(LineCheckColourGear, SendingTheProjectValuesKeepsTheGearsTypeAndNameAndSendsItsColours) {
    DeviceTable project;
    DeviceRecord& lamp = project[0] = FreshGearRecord(QStringLiteral("Leuchte"));
    lamp.maxLevel = 200;
    lamp.colour.features = dali::kColourFeatureTc;
    lamp.colour.coolest = lamp.colour.physicalCoolest = 153;
    lamp.colour.warmest = lamp.colour.physicalWarmest = 370;
    lamp.colour.powerOnMirek = 300;
    MainView& view = Opened(project, kDialogCancel);
    view.tabActions().NameEdited(0, QStringLiteral("Leuchte Nord"));
    std::vector<std::string> sent;
    h.surface.onLineCheckDialog = [&](LineCheckActions& actions) {
        h.TakeForwardFrames();
        actions.sendProjectValues({K::ValueDiffers, 0, F::MaxLevel, -1, 200, 254, {}});
        sent = h.TakeForwardFrames();
    };
    view.CheckLine();
    const std::vector<std::string> powerOnColour{"A32C", "C301", "C108", "01E7", "A3FE", "012D", "012D"};
    EXPECT_NE(std::search(sent.begin(), sent.end(), powerOnColour.begin(), powerOnColour.end()), sent.end());
    sim::GearColourPoint stored;
    h.bus().withGear(0, [&](sim::ControlGear& g) { stored = g.colour().powerOn; });
    EXPECT_EQ(stored, sim::GearColourPoint::tc(300));
    const DeviceRecord& record = view.store().workingTable[0];
    EXPECT_EQ(record.deviceType, 8);
    EXPECT_EQ(record.name, "Leuchte Nord");
    EXPECT_EQ(record.maxLevel, 200);
}

class LineCheckStoredColours : public LineCheck {
protected:
    LineCheckStoredColours()
        : LineCheck(OneInterfaceScenario(
              {R"({"shortAddress": 0, "deviceType": 8, "colour": {"warmest": 333, "powerOn": {"tc": 250},
                   "scenes": {"2": {"tc": 300}}}})",
               R"({"shortAddress": 1, "deviceType": 8, "colour": {"tc": false, "channels": 3,
                   "channelColours": [0, 1, 3], "powerOn": {"levels": [200, 100, 255, 40, 255, 255]}}})"})) {}
};

// A colour gear's limits and the colours it keeps with its levels are
// compared with the project's: each differing value is a row, a colour
// temperature in Kelvin, an RGBWAF gear's colour by its name.
TEST_F(LineCheckStoredColours, TheColoursKeptWithTheLevelsAreCompared) {
    DeviceTable project;
    DeviceRecord& white = project[0] = FreshGearRecord(QStringLiteral("Weiß"));
    white.readState |= kReadStateColour;
    white.colour.features = dali::kColourFeatureTc;
    white.colour.coolest = 153;
    white.colour.warmest = 370;
    white.colour.powerOnMirek = 300;
    white.colour.sceneMirek[2] = 300;
    DeviceRecord& rgbw = project[1] = FreshGearRecord(QStringLiteral("Bunt"));
    rgbw.readState |= kReadStateColour;
    rgbw.colour.features = 3 << 5;
    rgbw.colour.colours = 0x0B;  // red, green, white
    rgbw.colour.powerOnLevels = {200, 120, 255, 40, 255, 255};
    MainView& view = Opened(project, kDialogCancel);
    view.CheckLine();
    const Rows expected = {
        {K::ValueDiffers, 0, F::PowerOnColour, -1, 300, 250, QStringLiteral("Weiß")},
        {K::ValueDiffers, 0, F::ColourWarmest, -1, 370, 333, QStringLiteral("Weiß")},
        {K::ValueDiffers, 1, F::PowerOnColour, -1, 120, 100, QStringLiteral("Bunt"), 1},
    };
    EXPECT_EQ(view.lastLineCheck().rows, expected);
    QStringList cells;
    for (const LineCheckRow& row : view.lastLineCheck().rows)
        cells << LineCheckCells(row, {}).mid(3).join(QStringLiteral(" | "));
    EXPECT_EQ(cells, (QStringList{"Einschaltfarbe | 3333 K | 4000 K", "Wärmste Farbtemperatur | 2703 K | 3003 K",
                                  "Einschaltfarbe (Grün) | 120 | 100"}));
    // Besides queries only the colour values' selectors in DTR0.
    for (const std::string& frame : framesOtherThanQueries(h.TakeForwardFrames()))
        EXPECT_EQ(frame.substr(0, 2), "A3") << frame;
}

TEST_F(LineCheck, ReplacementIsOfferedForMissingGearAndStartsOnceTheWindowClosed) {
    MainView& view = Opened(lineProject());
    h.surface.onLineCheckDialog = [&](LineCheckActions& actions) {
        EXPECT_TRUE(actions.canReplace(kLineRows[6]));
        EXPECT_FALSE(actions.canReplace(kLineRows[1]));
        actions.replaceAddress = 2;
        EXPECT_TRUE(h.prompts.lists.empty());  // only after the window closed
    };
    h.prompts.PickEntry(-1);
    view.CheckLine();
    // The replacement for address 2 found the two new gear and asked how to tell them apart.
    ASSERT_EQ(h.prompts.lists.size(), 1u);
    EXPECT_EQ(h.prompts.lists[0].text, "Fehlende Adressen: 1, neue Geräte: 2. Wie sollen die neuen Geräte erkannt werden?");
}

}  // namespace
