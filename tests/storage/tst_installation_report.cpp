// The installation report: its content from the records, the gear table as
// CSV bytes, the PDF as pdftotext reads it, and the main view's commands.

#include "devices/device_store.h"
#include "storage/emergency_logbook.h"
#include "storage/installation_report.h"
#include "storage/report_pdf.h"
#include "tests/support/file_bytes.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/headless_view.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

DeviceStore TwoGear() {
    DeviceStore store;
    DeviceRecord& a = store.workingTable[5];
    a = {.present = 1, .fadeRate = 7, .fadeTime = 4, .maxLevel = 254, .minLevel = 85, .powerOnLevel = 254,
         .systemFailureLevel = 255, .deviceType = 6};
    a.SetGroupMask(0x0003);
    a.sceneLevel[1] = 128;
    DeviceRecord& b = store.workingTable[17];
    b = {.present = 1, .maxLevel = 200, .minLevel = 1, .powerOnLevel = 127, .systemFailureLevel = 0,
         .dimmingCurve = 1, .fastFadeTime = 4, .deviceType = 6};
    return store;
}

const ReportSource kOffline{false, {}, {}, "office.prj", QDateTime(QDate(2026, 12, 9), QTime(8, 30))};

TEST(InstallationReport, TheGearTableAsCsv) {
    const InstallationReport report = BuildInstallationReport(TwoGear(), kOffline, QString());
    EXPECT_EQ(report.titleLines, (QStringList{"2026-12-09 08:30", "Offline, project office.prj", "2 gear"}));
    EXPECT_EQ(GearTableCsv(report).toStdString(),
              std::string("Address,Device type,Dimming curve,MIN,MAX,POWER ON,FAIL,Fade time,Fade rate,Fast fade time\n"
                         "5,6,Logaritmisch,85 (0.991%),254 (100.000%),254 (100.000%),—,4,7,0\n"
                         "17,6,Linear,1 (0.394%),200 (78.740%),127 (50.000%),0 (0.000%),0,0,4\n"));
    ASSERT_EQ(report.sceneRows.size(), 2u);
    EXPECT_EQ(report.sceneRows[0].second[1], "128");
    EXPECT_EQ(report.sceneRows[0].second[0], "—");
    EXPECT_EQ(report.groupRows[0], (std::pair<int, uint16_t>{5, 0x0003}));
}

QString RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(-1);  // the tool ends on its own; no timer decides
    return QString::fromUtf8(process.readAllStandardOutput());
}

TEST(InstallationReport, APdfOfAFullBusHoldsEveryGear) {
    DeviceStore store;
    for (int a = 0; a < 64; ++a) {
        store.workingTable[size_t(a)] = {.present = 1, .maxLevel = 254, .minLevel = uint8_t(1 + a), .deviceType = 6};
        store.workingTable[size_t(a)].SetGroupMask(uint16_t(1u << (a % 16)));
    }
    QTemporaryDir dir;
    const QString path = dir.filePath("report.pdf");
    QString error;
    ASSERT_TRUE(WriteReportPdf(path, BuildInstallationReport(store, kOffline, QString()), error))
        << error.toStdString();
    EXPECT_TRUE(RunTool("pdfinfo", {path}).contains(QRegularExpression("Pages:\\s+4\\n")));
    // The title's font joins "ffl" and "ffi" into ligatures.
    const QString text = RunTool("pdftotext", {"-layout", path, "-"});
    EXPECT_TRUE(text.contains("Kelvane — DALI installation"));
    EXPECT_TRUE(text.contains("project"));
    EXPECT_TRUE(text.contains("64 gear"));
    for (int a = 0; a < 64; ++a)
        EXPECT_TRUE(text.contains(QStringLiteral("%1 (").arg(1 + a))) << "MIN of gear " << a;
    EXPECT_GE(text.count("Fast fade time"), 2);  // the header again on the next page
    EXPECT_FALSE(WriteReportPdf(dir.filePath("no/folder/report.pdf"), BuildInstallationReport(store, kOffline, {}),
                                error));
}

TEST(InstallationReport, TheEmergencyLogbookPrintsThroughTheSameWriter) {
    std::vector<EmergencyLogEntry> entries(40);
    for (size_t i = 0; i < entries.size(); ++i) {
        entries[i].at = QDateTime(QDate(2026, 3, 2), QTime(9, 0), Qt::UTC).addSecs(qint64(i) * 30);
        entries[i].shortAddress = int(i);
        entries[i].outcome = i == 7 ? EmergencyOutcome::Failed : EmergencyOutcome::Passed;
        entries[i].failureStatus = i == 7 ? 0x44 : 0x00;
        entries[i].name = QStringLiteral("Notleuchte %1").arg(i);
    }
    QTemporaryDir dir;
    const QString path = dir.filePath("logbook.pdf");
    QString error;
    ASSERT_TRUE(WriteHtmlPdf(path, "Notlicht-Prüfbuch", EmergencyLogbookHtml(entries, {}), error));
    const QString text = RunTool("pdftotext", {"-layout", path, "-"});
    EXPECT_TRUE(text.contains("Notlicht-Prüfbuch"));
    EXPECT_TRUE(text.contains("Notleuchte 39"));
    EXPECT_TRUE(text.contains("2026-03-02 09:03:30"));
    EXPECT_EQ(text.count("Batteriefehler, Funktionstest fehlgeschlagen"), 1);
    EXPECT_EQ(text.count("keine Fehler"), 39);
}

TEST(InstallationReport, AFullDiskKeepsTheOldPdfAndLeavesNothingBeside) {
    QTemporaryDir dir;
    const QString path = dir.filePath("report.pdf");
    ASSERT_TRUE(WriteFileBytes(path, "%PDF old"));
    QString error;
    {
        FileSizeLimit full(32);
        ASSERT_TRUE(full.active());
        EXPECT_FALSE(WriteReportPdf(path, BuildInstallationReport(TwoGear(), kOffline, {}), error));
    }
    EXPECT_EQ(ReadFileBytes(path), "%PDF old");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"report.pdf"});
}

TEST(InstallationReport, TheCommandsAskForAFileAndTellWhenItCannotBeWritten) {
    HeadlessView h(OneInterfaceScenario({R"({"shortAddress": 3})"}));
    h.WriteConfig(0, 0, 1);
    h.Start();
    EXPECT_FALSE(h.view().commands().IsEnabled(CommandId::CreateReport));
    h.view().CreateReport();  // no gear: nothing at all
    EXPECT_TRUE(h.prompts.fileChoosers.empty());
    h.prompts.Answer(kDialogOk);
    h.view().Connect();
    EXPECT_TRUE(h.view().commands().IsEnabled(CommandId::CreateReport));

    h.TakeForwardFrames();
    h.prompts.ChoosePath(h.folder.filePath("site.pdf"));
    h.view().CreateReport();
    EXPECT_TRUE(h.TakeForwardFrames().empty());  // made from the records, never from the bus
    ASSERT_EQ(h.surface.reports.size(), 1u);
    EXPECT_EQ(h.surface.reports[0].titleLines[1], "Interface 0000ABCD, revision 0.1.2.3");
    EXPECT_EQ(h.prompts.fileChoosers.back().filter, "PDF (*.pdf)|*.pdf|All Files (*.*)|*.*||");
    h.surface.writeReport = false;
    h.prompts.ChoosePath(h.folder.filePath("site.pdf"));
    h.view().CreateReport();
    EXPECT_EQ(h.prompts.messages.back().text, "Die Datei konnte nicht gespeichert werden.");

    h.prompts.messages.clear();
    h.prompts.ChoosePath(h.folder.filePath("gear.csv"));
    h.view().ExportGearTable();
    EXPECT_TRUE(ReadFileBytes(h.folder.filePath("gear.csv")).startsWith("Address,Device type"));
    EXPECT_TRUE(h.prompts.messages.empty());
    h.prompts.ChoosePath(h.folder.filePath("no/folder/gear.csv"));
    h.view().ExportGearTable();
    EXPECT_EQ(h.prompts.messages.size(), 1u);
}

}  // namespace
