// The installation report of a read bus: its content, the gear table as CSV
// and the PDF, as "Bericht erstellen" and the CSV export make them. It sends
// no frame; what counts is its CPU time. The PDF needs a QGuiApplication
// (kelvane-bench makes one).

#include "bench/bench_jobs.h"
#include "bench/bench_session.h"
#include "devices/read_all.h"
#include "storage/installation_report.h"
#include "storage/report_pdf.h"

#include <QFileInfo>
#include <QTemporaryDir>

namespace bench {

JobOutcome installationReportJob(const MeasureFromHere& measureFromHere) {
    ScannedBus bus;
    QTemporaryDir folder;
    if (!bus.ready())
        return {false, "no gear scanned"};
    ReadAllContext readAll{bus.store, bus.prompts, bus.waitDialog, {}, bus.noEvents};
    RunReadAll(readAll);
    const ReportSource source{true, QStringLiteral("0000BE01"), QStringLiteral("0.1.2.3"), {},
                              QDateTime(QDate(2025, 1, 1), QTime(8, 0))};
    const QString pdf = folder.filePath(QStringLiteral("report.pdf"));
    measureFromHere();
    const InstallationReport report = BuildInstallationReport(bus.store, source, {});
    const QByteArray csv = GearTableCsv(report);
    QString error;
    const bool written = WriteReportPdf(pdf, report, error);
    const int rows = int(report.gear.rows.size());
    std::string summary = std::to_string(rows) + " gear, CSV " + std::to_string(csv.size()) + " bytes, PDF " +
                          std::to_string(QFileInfo(pdf).size() / 1024) + " KiB";
    if (!written)
        summary += ": " + error.toStdString();
    return {written && rows == bus.found, summary};
}

}  // namespace bench
