// The bus-wide emergency test run from the menu: the units picked in its
// dialog tested one after the other, the results appended to the logbook
// beside the project file, cancel stopping exactly the units under test.

#include "dali/dali_commands.h"
#include "devices/emergency_test_run.h"
#include "tests/support/file_bytes.h"
#include "tests/support/headless_view.h"
#include "tests/support/qt_printers.h"


#include <QDir>

#include <gtest/gtest.h>

#include <set>

namespace {

using dali::Dt1Op;

// 41 has a failed battery and 43 a failed lamp: their tests fail at once. 44 is in no group.
const std::string kScenario = OneInterfaceScenario({
    R"({"shortAddress": 0, "deviceType": 6, "groups": [3]})",
    R"({"shortAddress": 40, "deviceType": 1, "groups": [3], "identificationNumber": 123456789,
        "emergency": {"functionTestSeconds": 5}})",
    R"({"shortAddress": 41, "deviceType": 1, "groups": [3], "emergency": {"functionTestSeconds": 5,
        "batteryFailure": true}})",
    R"({"shortAddress": 42, "deviceType": 1, "groups": [3], "emergency": {"functionTestSeconds": 8}})",
    R"({"shortAddress": 43, "deviceType": 1, "groups": [3], "emergency": {"functionTestSeconds": 5,
        "lampFailure": true}})",
    R"({"shortAddress": 44, "deviceType": 1, "emergency": {"functionTestSeconds": 5}})",
});

class EmergencyRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        h.WriteConfig(QStringLiteral("[config]\nlang=de-DE\nauto_connect=0\nauto_locate=0\nadr_switch_ask=1\n"
                                     "emergency_stagger=1\n"));
        h.Start();
        h.prompts.Answer(kDialogOk);
        h.view().Connect();
        h.view().emergency().clock = [] { return QDateTime(QDate(2026, 3, 2), QTime(9, 0, 10), Qt::UTC); };
    }
    void SaveProject() {
        h.prompts.Answer(kDialogOk);
        h.prompts.ChoosePath(h.folder.filePath(QStringLiteral("corridor.prj")));
        h.view().SaveProject();
        h.TakeForwardFrames();
    }
    void Run(std::optional<int> group) {
        h.surface.onEmergencyRunDialog = [group](EmergencyRunChoice& choice) {
            choice.group = group;
            return true;
        };
        h.view().Execute(CommandAction::EmergencyTestRun);
    }
    QByteArray Logbook() { return ReadFileBytes(h.folder.filePath(QStringLiteral("corridor.emergency.log"))); }
    // The addresses a command went to, from its frames after ENABLE DEVICE TYPE 1.
    std::vector<int> AddressesOf(const std::vector<std::string>& frames, Dt1Op op) {
        std::vector<int> addresses;
        for (const std::string& frame : frames) {
            const int first = std::stoi(frame.substr(0, 2), nullptr, 16), second = std::stoi(frame.substr(2), nullptr, 16);
            if (second == dali::code(op) && (first & 1) && first < 0x80)
                addresses.push_back(first >> 1);
        }
        return addresses;
    }

    HeadlessView h{kScenario};
};

TEST_F(EmergencyRunTest, AGroupsFunctionTestsAreLoggedInTheOrderTheyFinished) {
    SaveProject();
    Run(3);
    // 40 tells its identification number: its result is the unit's wherever it goes.
    EXPECT_EQ(Logbook(), QByteArray("#kelvane-emergency-log 2\n"
                                    "2026-03-02T09:00:10Z\t41\tfunction\tfailed\t44\t-\t\t-\n"
                                    "2026-03-02T09:00:10Z\t43\tfunction\tfailed\t48\t-\t\t-\n"
                                    "2026-03-02T09:00:10Z\t40\tfunction\tpassed\t00\t-\t\t00000000075BCD15\n"
                                    "2026-03-02T09:00:10Z\t42\tfunction\tpassed\t00\t-\t\t-\n"));
    const std::vector<std::string> frames = h.TakeForwardFrames();
    EXPECT_EQ(AddressesOf(frames, Dt1Op::StartFunctionTest), (std::vector<int>{40, 40, 41, 41, 42, 42, 43, 43}));
    EXPECT_TRUE(AddressesOf(frames, Dt1Op::StopTest).empty());
    ASSERT_FALSE(h.waitDialog.shows.empty());
    EXPECT_EQ(h.waitDialog.shows.back().steps, 4);
    EXPECT_EQ(h.waitDialog.progressTexts.back(), "4 von 4 Notlichtgeräten fertig");
    EXPECT_EQ(h.waitDialog.steps, 4);
    ASSERT_FALSE(h.prompts.lists.empty());
    EXPECT_EQ(h.prompts.lists.back().entries.size(), 4);
    EXPECT_EQ(h.prompts.lists.back().entries[0],
              "2026-03-02 09:00:10  41    Funktionstest  nicht bestanden  Batteriefehler, Funktionstest fehlgeschlagen  ");
}

TEST_F(EmergencyRunTest, CancelStopsExactlyTheUnitsUnderTestAndKeepsWhatWasLearnt) {
    SaveProject();
    // Cancel is pressed while the third unit starts: the first still tests, the second has failed.
    const uint16_t thirdStarts = uint16_t(dali::commandAddress(42) << 8 | dali::code(Dt1Op::StartFunctionTest));
    h.bus().setFrameListener([&](const sim::BusFrame& frame) {
        if (frame.kind == sim::FrameKind::Forward && frame.data == thirdStarts)
            h.waitDialog.PressCancel();
    });
    Run(std::nullopt);
    h.bus().setFrameListener(nullptr);
    const std::vector<std::string> frames = h.TakeForwardFrames();
    EXPECT_EQ(AddressesOf(frames, Dt1Op::StartFunctionTest), (std::vector<int>{40, 40, 41, 41, 42, 42}));
    EXPECT_EQ(AddressesOf(frames, Dt1Op::StopTest), (std::vector<int>{40, 40, 42, 42}));
    EXPECT_EQ(Logbook(), QByteArray("#kelvane-emergency-log 2\n"
                                    "2026-03-02T09:00:10Z\t41\tfunction\tfailed\t44\t-\t\t-\n"
                                    "2026-03-02T09:00:10Z\t40\tfunction\tcancelled\t-\t-\t\t00000000075BCD15\n"
                                    "2026-03-02T09:00:10Z\t42\tfunction\tcancelled\t-\t-\t\t-\n"));
}

TEST_F(EmergencyRunTest, ALogbookThatCannotBeWrittenIsReportedWithTheResultsStillListed) {
    SaveProject();
    ASSERT_TRUE(QDir(h.folder.path()).mkdir(QStringLiteral("corridor.emergency.log")));  // in the file's way
    Run(3);
    ASSERT_EQ(h.prompts.lists.size(), 2u);
    EXPECT_EQ(h.prompts.lists[0].textId, 669);
    EXPECT_EQ(h.prompts.lists[0].entries.size(), 1);
    EXPECT_FALSE(h.prompts.lists[0].entries[0].isEmpty());  // the system's reason
    EXPECT_EQ(h.prompts.lists[1].textId, 668);
    EXPECT_EQ(h.prompts.lists[1].entries.size(), 4);
}

TEST_F(EmergencyRunTest, WithoutAProjectFileOrUnitsNothingIsSent) {
    Run(3);  // not saved: no place for the logbook
    ASSERT_EQ(h.prompts.messages.size(), 1u);
    EXPECT_EQ(h.prompts.messages[0].textId, 664);
    SaveProject();
    Run(7);  // a group without emergency units
    ASSERT_EQ(h.prompts.messages.size(), 2u);
    EXPECT_EQ(h.prompts.messages[1].textId, 665);
    h.surface.onEmergencyRunDialog = nullptr;  // the dialog cancelled
    h.view().Execute(CommandAction::EmergencyTestRun);
    EXPECT_TRUE(h.TakeForwardFrames().empty());
    EXPECT_FALSE(QFile::exists(h.folder.filePath(QStringLiteral("corridor.emergency.log"))));
}

TEST_F(EmergencyRunTest, TheLogbookWindowShowsTheRunAndExportsItAsCsvAndPdf) {
    SaveProject();
    Run(3);
    h.TakeForwardFrames();
    h.prompts.ChoosePath(h.folder.filePath(QStringLiteral("log.csv")));
    h.prompts.ChoosePath(h.folder.filePath(QStringLiteral("log.pdf")));
    std::vector<int> shownAddresses;
    h.surface.onEmergencyLogbookDialog = [&](EmergencyLogbookActions& actions) {
        for (const EmergencyLogEntry& entry : actions.logbook().entries)
            shownAddresses.push_back(entry.shortAddress);
        actions.ExportCsv();
        actions.PrintPdf();
    };
    h.view().Execute(CommandAction::EmergencyLogbook);
    EXPECT_EQ(shownAddresses, (std::vector<int>{41, 43, 40, 42}));
    const QList<QByteArray> csv = ReadFileBytes(h.folder.filePath(QStringLiteral("log.csv"))).split('\n');
    ASSERT_EQ(csv.size(), 6);  // header, four rows, the empty rest after the last LF
    EXPECT_EQ(csv[4], "2026-03-02 09:00:10;42;;Funktionstest;bestanden;keine Fehler;");
    ASSERT_EQ(h.surface.htmlPdfs.size(), 1u);
    EXPECT_EQ(h.surface.htmlPdfs[0].path, h.folder.filePath(QStringLiteral("log.pdf")));
    EXPECT_EQ(h.surface.htmlPdfs[0].title, "Notlicht-Prüfbuch");
    EXPECT_TRUE(h.TakeForwardFrames().empty());  // reading the logbook asks nothing of the bus
}

TEST_F(EmergencyRunTest, AFileThatIsNoLogbookIsReportedAndNoWindowOpens) {
    SaveProject();
    ASSERT_TRUE(WriteFileBytes(h.folder.filePath(QStringLiteral("corridor.emergency.log")), "Einkaufsliste\n"));
    h.view().Execute(CommandAction::EmergencyLogbook);
    EXPECT_EQ(h.surface.logbookDialogs, 0);
    ASSERT_EQ(h.prompts.lists.size(), 1u);
    EXPECT_EQ(h.prompts.lists[0].textId, 675);
}

}  // namespace
