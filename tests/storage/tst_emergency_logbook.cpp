// The emergency test logbook beside the project: the lines a staggered test
// run leaves, appending, reading back, damaged and foreign files, the CSV.

#include "devices/emergency_test_run.h"
#include "storage/emergency_logbook.h"
#include "tests/sim/bus_test_support.h"
#include "tests/support/file_bytes.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QDateTime kRunStart(QDate(2026, 3, 2), QTime(9, 0), Qt::UTC);

sim::GearConfig unitAt(int shortAddress, bool batteryFailure = false, bool lampFailure = false) {
    sim::GearConfig gear = gearAt(shortAddress);
    gear.deviceType = dali::kDeviceTypeEmergency;
    gear.emergency.functionTestSeconds = 5;
    gear.emergency.batteryFailure = batteryFailure;
    gear.emergency.lampFailure = lampFailure;
    return gear;
}

// A function test run over a corridor whose second unit has a failed battery
// and whose third a failed lamp; the project names two of them.
std::vector<EmergencyLogEntry> corridorRun() {
    LinkedBus bus({unitAt(40), unitAt(41, true), unitAt(42, false, true)});
    const uint64_t startUs = bus.clock().nowUs();
    EmergencyTestRunContext c{.link = bus.link(), .units = {40, 41, 42}, .kind = EmergencyTestKind::Function};
    c.clock = [&] { return kRunStart.addMSecs(qint64((bus.clock().nowUs() - startUs) / 1000)); };
    RunEmergencyTestRun(c);
    DeviceTable table{};
    table[40].name = QStringLiteral("Notausgang Treppe");
    table[42].name = QStringLiteral("Flur\tSüd");  // a tab in a name must not split the line
    table[40].identity = {.identificationNumber = 123456789, .identificationBytes = 8};
    return EmergencyLogEntries(c.results, table);
}

const QByteArray kCorridorLines =
    "2026-03-02T09:00:10Z\t40\tfunction\tpassed\t00\t-\tNotausgang Treppe\t00000000075BCD15\n"
    "2026-03-02T09:00:30Z\t41\tfunction\tfailed\t44\t-\t\t-\n"
    "2026-03-02T09:01:00Z\t42\tfunction\tfailed\t48\t-\tFlur S\xC3\xBC"
    "d\t-\n";

class Logbook : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = EmergencyLogbookPath(dir.filePath(QStringLiteral("Büro 2.kvp")));
    QString error;
};

TEST_F(Logbook, LiesBesideTheProject) { EXPECT_EQ(path, dir.path() + QStringLiteral("/Büro 2.emergency.log")); }

TEST_F(Logbook, ARunIsAppendedLineByLineAndReadsBack) {
    std::vector<EmergencyLogEntry> entries = corridorRun();
    ASSERT_TRUE(AppendToEmergencyLogbook(path, entries, error)) << error.toStdString();
    EXPECT_EQ(ReadFileBytes(path), "#kelvane-emergency-log 2\n" + kCorridorLines);

    EmergencyLogEntry duration;
    duration.at = kRunStart.addDays(1);
    duration.shortAddress = 41;
    duration.kind = EmergencyTestKind::Duration;
    duration.outcome = EmergencyOutcome::TimedOut;
    duration.durationMinutes = 40;
    EmergencyLogEntry waiting = duration;  // still waiting for its battery when the run ended
    waiting.outcome = EmergencyOutcome::PostponedCharging;
    waiting.durationMinutes.reset();
    ASSERT_TRUE(AppendToEmergencyLogbook(path, {duration, waiting}, error));
    EXPECT_EQ(ReadFileBytes(path), "#kelvane-emergency-log 2\n" + kCorridorLines +
                                       "2026-03-03T09:00:00Z\t41\tduration\ttimeout\t-\t40\t\t-\n"
                                       "2026-03-03T09:00:00Z\t41\tduration\tpostponed-charging\t-\t-\t\t-\n");

    const std::optional<EmergencyLogbook> read = ReadEmergencyLogbook(path, error);
    ASSERT_TRUE(read);
    entries[2].name = QStringLiteral("Flur Süd");
    entries.push_back(duration);
    entries.push_back(waiting);
    EXPECT_EQ(read->entries, entries);
    EXPECT_EQ(read->skippedLines, 0);
}

// A logbook of the first version, whose lines have no unit: read as units
// without a number; the append makes it the second version and keeps them.
TEST_F(Logbook, DamagedLinesAreSkippedAndCountedAndTheRestStays) {
    ASSERT_TRUE(WriteFileBytes(path,
                               "#kelvane-emergency-log 1\n"
                               "2026-03-02T09:00:10Z\t40\tfunction\tpassed\t00\t-\tA\n"
                               "2026-03-02T09:00:10Z\t64\tfunction\tpassed\t00\t-\tB\n"  // no such address
                               "2026-03-02T09:00:1"));                                   // cut off
    const std::optional<EmergencyLogbook> read = ReadEmergencyLogbook(path, error);
    ASSERT_TRUE(read);
    ASSERT_EQ(read->entries.size(), 1u);
    EXPECT_EQ(read->entries[0].name, "A");
    EXPECT_EQ(read->skippedLines, 2);

    EXPECT_TRUE(read->entries[0].unit.isEmpty());

    // An append keeps the cut-off line as a line of its own.
    EmergencyLogEntry next;
    next.at = kRunStart;
    ASSERT_TRUE(AppendToEmergencyLogbook(path, {next}, error));
    const QByteArray bytes = ReadFileBytes(path);
    EXPECT_TRUE(bytes.startsWith("#kelvane-emergency-log 2\n2026-03-02T09:00:10Z\t40\tfunction\tpassed\t00\t-\tA\n"));
    EXPECT_TRUE(bytes.endsWith("2026-03-02T09:00:1\n2026-03-02T09:00:00Z\t0\tfunction\tpassed\t-\t-\t\t-\n"));
    EXPECT_EQ(ReadEmergencyLogbook(path, error)->entries.size(), 2u);
}

TEST_F(Logbook, AForeignOrUnreadableFileIsLeftAlone) {
    const QByteArray foreign = "Datum;Adresse\n1;2\n";
    ASSERT_TRUE(WriteFileBytes(path, foreign));
    EXPECT_FALSE(AppendToEmergencyLogbook(path, {EmergencyLogEntry{}}, error));
    EXPECT_FALSE(ReadEmergencyLogbook(path, error));
    EXPECT_EQ(error, path + ": not an emergency logbook");
    EXPECT_EQ(ReadFileBytes(path), foreign);

    const QString folder = dir.filePath(QStringLiteral("x.emergency.log"));
    ASSERT_TRUE(QDir().mkdir(folder));  // exists, but cannot be read as a file
    EXPECT_FALSE(AppendToEmergencyLogbook(folder, {EmergencyLogEntry{}}, error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(QFileInfo(folder).isDir());
}

TEST_F(Logbook, AMissingFileIsAnEmptyLogbook) {
    const std::optional<EmergencyLogbook> read = ReadEmergencyLogbook(path, error);
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->entries.empty());
    EXPECT_FALSE(QFileInfo::exists(path));
}

TEST(LogbookCsv, GermanHeaderOutcomesAndFailuresInWords) {
    std::vector<EmergencyLogEntry> entries = corridorRun();
    EmergencyLogEntry duration;
    duration.at = kRunStart.addSecs(3600);
    duration.shortAddress = 42;
    duration.kind = EmergencyTestKind::Duration;
    duration.outcome = EmergencyOutcome::Failed;
    duration.failureStatus = 0x82;
    duration.durationMinutes = 40;
    duration.name = QStringLiteral("Flur, Süd");
    entries.push_back(duration);
    EXPECT_EQ(EmergencyLogbookCsv(entries, {}).toStdString(),
              "\xEF\xBB\xBF"
              "Datum (UTC);Adresse;Name;Test;Ergebnis;Fehler;Erreichte Dauer (min)\n"
              "2026-03-02 09:00:10;40;Notausgang Treppe;Funktionstest;bestanden;keine Fehler;\n"
              "2026-03-02 09:00:30;41;;Funktionstest;nicht bestanden;Batteriefehler, Funktionstest fehlgeschlagen;\n"
              "2026-03-02 09:01:00;42;Flur\tSüd;Funktionstest;nicht bestanden;"
              "Notlichtlampe defekt, Funktionstest fehlgeschlagen;\n"
              "2026-03-02 10:00:00;42;Flur, Süd;Betriebsdauertest;nicht bestanden;"
              "Batteriedauer zu kurz, Betriebsdauertest fehlgeschlagen;40\n");
    EXPECT_TRUE(EmergencyLogbookCsv(entries, QStringLiteral(KELVANE_LANGUAGE_DIR "/en-EN.qm"))
                    .contains("2026-03-02 10:00:00,42,\"Flur, Süd\",Duration test,failed,"));
}

}  // namespace
