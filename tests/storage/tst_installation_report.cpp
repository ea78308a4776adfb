// The installation report: its content from the records, the gear table as
// CSV bytes, the PDF as pdftotext reads it, and the main view's commands.

#include "devices/device_store.h"
#include "storage/emergency_logbook.h"
#include "storage/emergency_report.h"
#include "storage/installation_report.h"
#include "storage/report_pdf.h"
#include "tests/support/file_bytes.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/headless_view.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <utility>

#include <gtest/gtest.h>

namespace {

const QString kEnglish = QStringLiteral(KELVANE_LANGUAGE_DIR "/en-EN.qm");

// A named project shown offline: gear 5 read (from the file), gear 17 present
// but never read.
DeviceStore NamedPartlyRead() {
    DeviceStore store;
    store.projectHeader = {"Büro Nord", "Halle 3", "Licht GmbH", {}};
    DeviceRecord& a = store.workingTable[5];
    a = {.readState = kReadStateParameters | kReadStateScenes, .present = 1, .fadeRate = 7, .fadeTime = 4,
         .maxLevel = 254, .minLevel = 85, .powerOnLevel = 254, .systemFailureLevel = 255, .deviceType = 6};
    a.name = "Empfang Downlight 1";
    a.SetGroupMask(0x0003);
    a.sceneLevel[1] = 128;
    // Tunable white, its colours from the project file's colour line.
    a.colour = {.features = dali::kColourFeatureTc, .mirek = 250, .coolest = 200, .warmest = 400,
                .physicalCoolest = 125, .physicalWarmest = 500, .powerOnMirek = 250};
    store.workingTable[17] = {.present = 1, .deviceType = 6};
    return store;
}

const ReportSource kOffline{false, {}, {}, "office.prj", QDateTime(QDate(2026, 12, 9), QTime(8, 30))};

QString RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(-1);  // the tool ends on its own; no timer decides
    return QString::fromUtf8(process.readAllStandardOutput());
}

struct LanguageCase {
    const char* name;
    QString module;
    QStringList titleLines;
    QStringList legend;
    QStringList readGear;
    QStringList colourGear;
    std::string csv;
    QStringList pdfLines;  // as pdftotext reads them, among others
};

class ReportLanguage : public ::testing::TestWithParam<LanguageCase> {};

TEST_P(ReportLanguage, ANamedPartlyReadOfflineProject) {
    const LanguageCase& c = GetParam();
    const InstallationReport report = BuildInstallationReport(NamedPartlyRead(), kOffline, c.module);
    EXPECT_EQ(report.titleLines, c.titleLines);
    EXPECT_EQ(report.legendLines, c.legend);
    ASSERT_EQ(report.gear.rows.size(), 2u);
    EXPECT_EQ(report.gear.rows[0], c.readGear);
    EXPECT_EQ(report.gear.rows[1].mid(3), QStringList(8, "?"));  // never read: nothing shown as a value
    EXPECT_EQ(report.groups.rows[0].mid(1, 3), (QStringList{"●", "●", ""}));
    EXPECT_EQ(report.groups.rows[1][1], "?");
    EXPECT_EQ(report.scenes.rows[0].mid(1, 2), (QStringList{"—", "128"}));
    EXPECT_EQ(report.scenes.rows[1][16], "?");
    EXPECT_EQ(report.initials[5], "ED1");
    ASSERT_EQ(report.colour.rows.size(), 1u);
    EXPECT_EQ(report.colour.rows[0], c.colourGear);
    EXPECT_EQ(GearTableCsv(report).toStdString(), c.csv);

    QTemporaryDir dir;
    QString error;
    ASSERT_TRUE(WriteReportPdf(dir.filePath("r.pdf"), report, error)) << error.toStdString();
    const QString text = RunTool("pdftotext", {dir.filePath("r.pdf"), "-"}).normalized(QString::NormalizationForm_KC);
    for (const QString& line : c.pdfLines)
        EXPECT_TRUE(text.contains(line + '\n')) << line.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Languages, ReportLanguage,
    ::testing::Values(
        LanguageCase{"German",
                     QString(),
                     {"Projekt: Büro Nord", "Standort: Halle 3", "Errichter: Licht GmbH", "Erstellt am 2026-12-09 08:30",
                      "Offline, Projektdatei office.prj", "Geräte: 2", "Gerätetyp unbekannt: 2"},
                     {"? = nicht ausgelesen", "— = MASK (kein Wert)"},
                     {"5", "Empfang Downlight 1", "unbekannt", "Logaritmisch", "85 (0.991%)", "254 (100.000%)",
                      "254 (100.000%)", "—", "2", "44.7", "<25ms"},
                     {"5", "Empfang Downlight 1", "Farbtemperatur (Tc)", "4000 K", "5000 K", "2500 K", "2000–8000 K",
                      "4000 K", "—"},
                     "\xEF\xBB\xBF"
                     "Adresse;Name;Gerätetyp;Dimmkurve;Minimum;Minimum in %;Maximum;Maximum in %;Einschaltwert;"
                     "Einschaltwert in %;Systemfehlerwert;Systemfehlerwert in %;Überblendzeit (s);"
                     "Überblendrate (Schritte/s);Schnelle Überblendzeit (ms)\n"
                     "5;Empfang Downlight 1;unbekannt;Logaritmisch;85;0,991;254;100,000;254;100,000;MASK;;2;44,7;<25\n"
                     "17;;unbekannt;?;?;?;?;?;?;?;?;?;?;?;?\n",
                     {"Kelvane – DALI-Anlagenbericht", "Projekt: Büro Nord", "? = nicht ausgelesen", "Geräte",
                      "Farbgeräte", "Gruppen", "Szenen"}},
        LanguageCase{"English",
                     kEnglish,
                     {"Project: Büro Nord", "Site: Halle 3", "Installer: Licht GmbH", "Made on 2026-12-09 08:30",
                      "Offline, project file office.prj", "Gear: 2", "Device type unknown: 2"},
                     {"? = not read", "— = MASK (no value)"},
                     {"5", "Empfang Downlight 1", "unknown", "Logarithmic", "85 (0.991%)", "254 (100.000%)",
                      "254 (100.000%)", "—", "2", "44.7", "<25ms"},
                     {"5", "Empfang Downlight 1", "Colour temperature (Tc)", "4000 K", "5000 K", "2500 K",
                      "2000–8000 K", "4000 K", "—"},
                     "\xEF\xBB\xBF"
                     "Address,Name,Device type,Dimming curve,Minimum,Minimum in %,Maximum,Maximum in %,Power-on level,"
                     "Power-on level in %,System failure level,System failure level in %,Fade time (s),"
                     "Fade rate (steps/s),Fast fade time (ms)\n"
                     "5,Empfang Downlight 1,unknown,Logarithmic,85,0.991,254,100.000,254,100.000,MASK,,2,44.7,<25\n"
                     "17,,unknown,?,?,?,?,?,?,?,?,?,?,?,?\n",
                     {"Kelvane – DALI installation report", "Project: Büro Nord", "? = not read", "Gear",
                      "Colour gear", "Groups", "Scenes"}}),
    [](const auto& info) { return std::string(info.param.name); });

// Names and notes that a spreadsheet would take for formulas stay text;
// numbers stay numbers.
TEST(InstallationReport, CsvCellsThatLookLikeFormulasStayText) {
    const QStringList cells{"=HYPERLINK(\"x\")", "+49 89", "-Flur", "@SUM(A1)", "-5", "12,5", "Flur; Süd", "Empfang"};
    EXPECT_EQ(CsvLine(cells, u';'), "\"'=HYPERLINK(\"\"x\"\")\";\"'+49 89\";\"'-Flur\";\"'@SUM(A1)\";-5;12,5;"
                                    "\"Flur; Süd\";Empfang\n");
}

TEST(InstallationReport, OnlineTheDeviceTypesAreCountedAndAFullyReadBusHasNoNotReadMark) {
    DeviceStore store;
    for (int a : {1, 2, 9})
        store.workingTable[size_t(a)] = {.readState = kReadStateParameters | kReadStateScenes, .present = 1,
                                         .maxLevel = 254, .minLevel = 1, .deviceType = uint8_t(a == 9 ? 1 : 6)};
    // Gear 2 is an LED module and an RGB colour gear at once.
    DeviceRecord& rgb = store.workingTable[2];
    rgb.deviceType = 0xFF;
    rgb.deviceTypes = {6, 8};
    rgb.readState |= kReadStateColour;
    rgb.colour.features = 3 << 5;  // three RGBWAF channels
    rgb.colour.levels = {254, 120, 0, 255, 255, 255};
    // Bank 0 read for gear 9 only: the columns come, empty for the others.
    store.workingTable[9].identity = {.gtin = 4012345678901, .firmware = std::array<uint8_t, 2>{1, 4},
                                      .identificationNumber = 0x99, .identificationBytes = 8};
    const InstallationReport report = BuildInstallationReport(
        store, {true, "0000ABCD", "0.1.2.3", {}, QDateTime(QDate(2026, 12, 9), QTime(8, 30))}, QString());
    EXPECT_EQ(report.titleLines, (QStringList{"Erstellt am 2026-12-09 08:30", "Schnittstelle 0000ABCD, Revision 0.1.2.3",
                                              "Geräte: 3", "Gerätetyp 1: 1", "Gerätetyp 6: 2", "Gerätetyp 8: 1"}));
    // The scenes never stored; gear 9 marked as the emergency luminaire it is.
    EXPECT_EQ(report.legendLines, (QStringList{"— = MASK (kein Wert)", "grünes Eckquadrat = Notlichtgerät (Gerätetyp 1)"}));
    EXPECT_EQ(std::count(report.emergency.begin(), report.emergency.end(), true), 1);
    EXPECT_TRUE(report.emergency[9]);
    EXPECT_EQ(report.gear.rows[1][2], "6, 8");
    EXPECT_EQ(report.gear.rows[2][2], "1");
    EXPECT_EQ(report.identities.header, (QStringList{"Adresse", "Name", "Seriennummer", "GTIN", "Firmware"}));
    EXPECT_EQ(report.identities.rows,
              (std::vector<QStringList>{{"9", "", "0000000000000099", "4012345678901", "1.4"}}));
    EXPECT_EQ(report.csvHeader.mid(15), report.identities.header.mid(2));
    EXPECT_EQ(report.csvRows[2].mid(15), report.identities.rows[0].mid(2));
    EXPECT_EQ(report.csvRows[0].mid(15), (QStringList{"", "", ""}));
    EXPECT_TRUE(ReportHtml(report).contains("<h2>Geräte-Identifikation (Speicherbank 0)</h2>"));
    ASSERT_EQ(report.colour.rows.size(), 1u);
    EXPECT_EQ(report.colour.rows[0],
              (QStringList{"2", "", "RGBWAF, 3 Kanäle", "254/120/0", "—", "—", "—", "—", "—"}));
    EXPECT_FALSE(BuildInstallationReport(NamedPartlyRead(), kOffline, {}).colour.rows.empty());
    EXPECT_TRUE(ReportHtml(BuildInstallationReport(DeviceStore{}, kOffline, {})).indexOf("Farbgeräte") < 0);
}

EmergencyLogEntry Logged(int address, EmergencyTestKind kind, int day, EmergencyOutcome outcome, uint8_t failures,
                         std::optional<int> minutes = {}, QString name = {}, QString unit = {}) {
    return {QDateTime(QDate(2026, 3, day), QTime(9, 0), Qt::UTC), address, kind, outcome, failures, minutes,
            std::move(name), std::move(unit)};
}

// Each unit's latest function and duration test, whatever the order of the
// lines; a unit never tested says so; a logged unit no longer in the project
// keeps its logged name. Results follow the unit: a unit placed at 3 on the
// 4th has none of the older ones there, and the unit with its number moved
// from 21 to 20 takes its result along.
TEST(InstallationReport, TheEmergencyPartShowsEachUnitsLastTests) {
    DeviceTable table{};
    for (int a : {3, 9})
        table[size_t(a)] = {.present = 1, .deviceType = 1};
    table[9].name = "Notausgang Nord";
    table[3].placedAt = QDateTime(QDate(2026, 3, 4), QTime(9, 0), Qt::UTC).toSecsSinceEpoch();
    table[20] = {.present = 1, .deviceType = 1, .identity = {.identificationNumber = 0x1234, .identificationBytes = 8}};
    const std::vector<EmergencyLogEntry> entries = {
        Logged(3, EmergencyTestKind::Function, 2, EmergencyOutcome::Passed, 0x00),
        Logged(3, EmergencyTestKind::Duration, 6, EmergencyOutcome::Passed, 0x00, 60),
        Logged(21, EmergencyTestKind::Function, 5, EmergencyOutcome::Passed, 0x00, {}, "Flur", "0000000000001234"),
        Logged(9, EmergencyTestKind::Function, 5, EmergencyOutcome::Failed, 0x04),
        Logged(9, EmergencyTestKind::Function, 2, EmergencyOutcome::Passed, 0x00),
        Logged(9, EmergencyTestKind::Duration, 3, EmergencyOutcome::Passed, 0x00, 62),
        Logged(12, EmergencyTestKind::Function, 4, EmergencyOutcome::Passed, 0x00, {}, "Treppe"),
    };
    InstallationReport report;
    AddEmergencyTestsToReport(report, entries, {}, table, QString());
    ASSERT_EQ(report.sections.size(), 1u);
    const ReportSection& part = report.sections[0];
    EXPECT_EQ(part.heading, "Notlicht: letzte Prüfungen");
    EXPECT_TRUE(part.lines.isEmpty());
    EXPECT_EQ(part.table.header, (QStringList{"Adresse", "Name", "Letzter Funktionstest (UTC)", "Ergebnis",
                                              "Letzter Betriebsdauertest (UTC)", "Ergebnis", "Erreichte Dauer (min)"}));
    const std::vector<QStringList> rows = {
        {"3", "", "nicht geprüft", "", "2026-03-06 09:00", "bestanden", "60"},
        {"9", "Notausgang Nord", "2026-03-05 09:00", "nicht bestanden: Batteriefehler", "2026-03-03 09:00",
         "bestanden", "62"},
        {"12", "Treppe", "2026-03-04 09:00", "bestanden", "nicht geprüft", "", ""},
        {"20", "Flur", "2026-03-05 09:00", "bestanden", "nicht geprüft", "", ""},
    };
    EXPECT_EQ(part.table.rows, rows);

    InstallationReport none;
    AddEmergencyTestsToReport(none, {}, {}, DeviceTable{}, QString());
    EXPECT_TRUE(none.sections.empty());  // no unit, no logbook: no part
    InstallationReport unreadable;
    AddEmergencyTestsToReport(unreadable, {}, "Zugriff verweigert", DeviceTable{}, kEnglish);
    ASSERT_EQ(unreadable.sections.size(), 1u);
    EXPECT_EQ(unreadable.sections[0].lines, QStringList{"The logbook cannot be read: Zugriff verweigert"});
    EXPECT_TRUE(unreadable.sections[0].table.header.isEmpty());
}

// A document to sign: every page has its foot, no heading stands alone at
// a page's foot, and the handover block ends it.
void ExpectADocumentToSign(const QString& pdfText, int pageCount) {
    const QStringList pages = pdfText.split(u'\f', Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), pageCount);
    for (int p = 0; p < pages.size(); ++p) {
        QStringList lines = pages[p].split(u'\n', Qt::SkipEmptyParts);
        lines.removeIf([](const QString& line) { return line.trimmed().isEmpty(); });
        ASSERT_GE(lines.size(), 2) << p;
        const QString foot = QStringLiteral("^office.prj · \\d{4}-\\d\\d-\\d\\d · Orvent Kelvane +Seite %1 von %2$");
        EXPECT_TRUE(lines.last().contains(QRegularExpression(foot.arg(p + 1).arg(pageCount)))) << lines.last().toStdString();
        const QString beforeFoot = lines[lines.size() - 2].trimmed();
        for (const char* heading : {"Geräte", "Gruppen", "Szenen", "Übergabe"})
            EXPECT_NE(beforeFoot, QString::fromUtf8(heading)) << "page " << p + 1;
    }
    EXPECT_EQ(pages.last().count("Unterschrift"), 2);
    EXPECT_TRUE(pages.last().contains("Kunde: ____"));
}

// Fourteen gear: the scenes' heading would end the second page, its table
// on the third. Notes keep their lines, an address without a clear answer
// is named, and fade rate 0 is said in words.
TEST(InstallationReport, APdfOfFourteenGearKeepsEveryHeadingWithItsTable) {
    DeviceStore store;
    for (int a = 0; a < 14; ++a)
        store.workingTable[size_t(a)] = {.readState = kReadStateParameters | kReadStateScenes, .present = 1,
                                         .fadeRate = uint8_t(a == 0 ? 0 : 7), .maxLevel = 254, .minLevel = 1};
    store.projectHeader.notes = "Zeile 1\nZeile 2";
    store.unclearAddresses.set(20);
    QTemporaryDir dir;
    const QString path = dir.filePath("report.pdf");
    QString error;
    ASSERT_TRUE(WriteReportPdf(path, BuildInstallationReport(store, kOffline, QString()), error));
    const QString text = RunTool("pdftotext", {"-layout", path, "-"}).normalized(QString::NormalizationForm_KC);
    ExpectADocumentToSign(text, 3);
    EXPECT_TRUE(text.contains("Notizen: Zeile 1\nZeile 2\n"));
    EXPECT_TRUE(text.contains("Adressen ohne klare Antwort (mehrere Geräte?): 20"));
    EXPECT_TRUE(text.contains("keine (ungültig)"));
    EXPECT_FALSE(text.contains("Impossible"));
}

TEST(InstallationReport, APdfOfAFullBusHoldsEveryGear) {
    DeviceStore store;
    for (int a = 0; a < 64; ++a) {
        store.workingTable[size_t(a)] = {.readState = kReadStateParameters | kReadStateScenes, .present = 1,
                                         .maxLevel = 254, .minLevel = uint8_t(1 + a), .deviceType = 6};
        store.workingTable[size_t(a)].SetGroupMask(uint16_t(1u << (a % 16)));
    }
    QTemporaryDir dir;
    const QString path = dir.filePath("report.pdf");
    QString error;
    ASSERT_TRUE(WriteReportPdf(path, BuildInstallationReport(store, kOffline, QString()), error))
        << error.toStdString();
    const QString text = RunTool("pdftotext", {"-layout", path, "-"}).normalized(QString::NormalizationForm_KC);
    EXPECT_TRUE(RunTool("pdfinfo", {path}).contains(QRegularExpression("Pages:\\s+8\\n")));
    ExpectADocumentToSign(text, 8);
    EXPECT_TRUE(text.contains("Kelvane – DALI-Anlagenbericht"));
    EXPECT_TRUE(text.contains("Offline, Projektdatei office.prj"));
    EXPECT_TRUE(text.contains("Geräte: 64"));
    for (int a = 0; a < 64; ++a)
        EXPECT_TRUE(text.contains(QStringLiteral("%1 (").arg(1 + a))) << "MIN of gear " << a;
    // Every header word whole, and the header again on the next page.
    for (const char* word : {"Adresse", "Gerätetyp", "Dimmkurve", "Einschaltwert", "Systemfehlerwert", "Überblendrate",
                             "Schnelle"})
        EXPECT_GE(text.count(QString::fromUtf8(word)), 2) << word;
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
        EXPECT_FALSE(WriteReportPdf(path, BuildInstallationReport(NamedPartlyRead(), kOffline, {}), error));
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
    h.prompts.Answer(kDialogCancel);  // not read first
    h.prompts.ChoosePath(h.folder.filePath("site.pdf"));
    h.view().CreateReport();
    EXPECT_TRUE(h.TakeForwardFrames().empty());  // made from the records, never from the bus
    ASSERT_EQ(h.surface.reports.size(), 1u);
    EXPECT_EQ(h.surface.reports[0].titleLines[1], "Schnittstelle 0000ABCD, Revision 0.1.2.3");
    EXPECT_EQ(h.prompts.fileChoosers.back().filter, "PDF (*.pdf)|*.pdf|All Files (*.*)|*.*||");
    h.surface.writeReport = false;
    h.prompts.Answer(kDialogCancel);  // not read first
    h.prompts.ChoosePath(h.folder.filePath("site.pdf"));
    h.view().CreateReport();
    EXPECT_EQ(h.prompts.messages.back().text, "Die Datei konnte nicht gespeichert werden.");

    h.prompts.messages.clear();
    h.prompts.Answer(kDialogCancel);  // not read first
    h.prompts.ChoosePath(h.folder.filePath("gear.csv"));
    h.view().ExportGearTable();
    EXPECT_TRUE(ReadFileBytes(h.folder.filePath("gear.csv")).startsWith("\xEF\xBB\xBF" "Adresse;Name;Gerätetyp"));
    EXPECT_TRUE(h.prompts.messages.empty());
    h.prompts.Answer(kDialogCancel);  // not read first
    h.prompts.ChoosePath(h.folder.filePath("no/folder/gear.csv"));
    h.view().ExportGearTable();
    EXPECT_EQ(h.prompts.messages.size(), 1u);
}

// The scan reads no settings: the report offers to read every gear first,
// and sends nothing when the user declines.
TEST(InstallationReport, GearNeverReadAreReadFirstOnlyWhenTheUserSaysSo) {
    HeadlessView h(OneInterfaceScenario({R"({"shortAddress": 3, "minLevel": 40})"}));
    h.StartConnected();

    h.prompts.Answer(kDialogCancel);
    h.prompts.ChoosePath(h.folder.filePath("site.pdf"));
    h.view().CreateReport();
    EXPECT_EQ(h.prompts.confirmations.back().text,
              "Einige Geräte wurden noch nicht ausgelesen; der Bericht zeigt ihre Werte als „?“. Sollen zuerst alle "
              "Geräte ausgelesen werden?");
    EXPECT_TRUE(h.TakeForwardFrames().empty());
    ASSERT_EQ(h.surface.reports.size(), 1u);
    EXPECT_EQ(h.surface.reports[0].legendLines, QStringList{"? = nicht ausgelesen"});

    h.prompts.Answer(kDialogOk);
    h.prompts.ChoosePath(h.folder.filePath("site.pdf"));
    h.view().CreateReport();
    EXPECT_FALSE(h.TakeForwardFrames().empty());
    ASSERT_EQ(h.surface.reports.size(), 2u);
    EXPECT_EQ(h.surface.reports[1].gear.rows[0][4], "40 (0.290%)");

    const size_t asked = h.prompts.confirmations.size();
    h.prompts.ChoosePath(h.folder.filePath("site.pdf"));
    h.view().CreateReport();  // all read now: no question, no frame
    EXPECT_EQ(h.prompts.confirmations.size(), asked);
    EXPECT_TRUE(h.TakeForwardFrames().empty());
}

// Reading all first reads a colour gear's colour too, and the report of a
// saved project carries the results of the logbook beside it.
TEST(InstallationReport, ReadingFirstTakesColoursAndTheSavedProjectsLogbookIsReported) {
    HeadlessView h(OneInterfaceScenario(
        {R"({"shortAddress": 3, "deviceType": 8, "colour": {"tc": true, "actual": {"tc": 250}}})"}));
    h.WriteConfig(0, 0, 1);
    h.Start();
    h.prompts.Answer(kDialogOk);
    h.view().Connect();
    h.prompts.Answer(kDialogOk);  // read first
    EXPECT_EQ(h.view().Report().colour.rows.at(0).at(3), "?");
    h.prompts.ChoosePath(h.folder.filePath("site.pdf"));
    h.view().CreateReport();
    ASSERT_EQ(h.surface.reports.size(), 1u);
    EXPECT_EQ(h.surface.reports[0].colour.rows.at(0).at(3), "4000 K");
    EXPECT_TRUE(h.surface.reports[0].sections.empty());

    h.prompts.AnswerTheRestWith(kDialogOk);
    h.prompts.ChoosePath(h.folder.filePath("site.prj"));
    h.view().SaveProject();
    QString error;
    ASSERT_TRUE(AppendToEmergencyLogbook(h.folder.filePath("site.emergency.log"),
                                         {Logged(3, EmergencyTestKind::Function, 2, EmergencyOutcome::Passed, 0)},
                                         error));
    const InstallationReport report = h.view().Report();
    ASSERT_EQ(report.sections.size(), 1u);
    EXPECT_EQ(report.sections[0].table.rows.at(0).mid(0, 4),
              (QStringList{"3", "", "2026-03-02 09:00", "bestanden"}));
    EXPECT_EQ(report.titleLines.at(1), "Schnittstelle 0000ABCD, Revision 0.1.2.3");
}

}  // namespace

namespace {

// The PDF keeps pictures compressed: colours come back close, not exact.
bool Near(const QColor& a, const QColor& b) {
    constexpr int kTolerance = 24;
    return std::abs(a.red() - b.red()) <= kTolerance && std::abs(a.green() - b.green()) <= kTolerance &&
           std::abs(a.blue() - b.blue()) <= kTolerance;
}

TEST(InstallationReport, EachPlanGetsAPageWithItsMarkersWhereTheyWerePlaced) {
    QTemporaryDir dir;
    QImage picture(800, 400, QImage::Format_RGB32);
    picture.fill(QColor(250, 235, 170));  // a colour nothing else of the report has
    ASSERT_TRUE(picture.save(dir.filePath("eg.png")));
    DeviceStore store = NamedPartlyRead();
    store.floorPlans.AddPlan(dir.filePath("eg.png"));
    store.floorPlans.Place(5, 0, 0.25, 0.5);
    store.floorPlans.Place(40, 0, 0.75, 0.25);  // no longer answers
    const QString path = dir.filePath("report.pdf");
    QString error;
    ASSERT_TRUE(WriteReportPdf(path, BuildInstallationReport(store, kOffline, QString()), error));
    const QString text = RunTool("pdftotext", {"-layout", path, "-"}).normalized(QString::NormalizationForm_KC);
    EXPECT_TRUE(text.contains("Grundriss: eg.png"));
    EXPECT_TRUE(text.contains(QRegularExpression("\\n *5 +Empfang Downlight 1 *\\n"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QRegularExpression("\\n *40 *\\n")));

    // The page of the plan: the yellow picture, the markers at their fractions of it.
    RunTool("pdftoppm", {"-r", "100", "-png", path, dir.filePath("page")});
    bool found = false;
    for (const QString& file : QDir(dir.path()).entryList({"page*.png"}, QDir::Files, QDir::Name)) {
        const QImage page(dir.filePath(file));
        QRect plan;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (Near(page.pixelColor(x, y), QColor(250, 235, 170)))
                    plan |= QRect(x, y, 1, 1);
        if (plan.width() < 400)
            continue;
        found = true;
        const auto at = [&](double fx, double fy) {
            return page.pixelColor(plan.left() + int(fx * plan.width()), plan.top() + int(fy * plan.height()) - 5);
        };
        EXPECT_TRUE(Near(at(0.25, 0.5), QColor(0, 100, 255))) << at(0.25, 0.5).name().toStdString();
        EXPECT_TRUE(Near(at(0.75, 0.25), QColor(150, 150, 150))) << at(0.75, 0.25).name().toStdString();
        EXPECT_TRUE(Near(at(0.5, 0.5), QColor(250, 235, 170))) << at(0.5, 0.5).name().toStdString();
    }
    EXPECT_TRUE(found);
}

}  // namespace
