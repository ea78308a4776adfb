#pragma once
// The installation report's content, decided from the records as they stand
// (it never sends a frame): the title lines, the matrix of present
// addresses, and three tables of the present gear (settings, groups,
// scenes). Also the gear table as CSV. The PDF is drawn from this by the
// widget layer (report_pdf.cpp).

#include "devices/device_record.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

class DeviceStore;

struct ReportSource {
    bool online = false;
    QString serial, revision;  // of the interface, when online
    QString projectFile;       // the project's file name, when offline
    QDateTime madeAt;
};

struct InstallationReport {
    QString title;
    QStringList titleLines;  // date, interface or "Offline", number of gear
    std::array<bool, kDeviceCount> present{};
    QStringList gearHeader;  // the settings table
    std::vector<QStringList> gearRows;
    std::vector<std::pair<int, uint16_t>> groupRows;  // address, membership bits
    std::vector<std::pair<int, QStringList>> sceneRows;  // address, 16 levels ("—" = MASK)
    // The last line check; an empty title when none was made.
    QString checkTitle;
    QStringList checkLines;  // whether it found nothing or was not complete
    QStringList checkHeader;
    std::vector<QStringList> checkRows;
};

InstallationReport BuildInstallationReport(const DeviceStore& store, const ReportSource& source,
                                           const QString& languageModulePath);

// One CSV line of these cells (a cell with a comma or quote quoted), LF ended.
QString CsvLine(const QStringList& cells);

// The gear table as CSV: UTF-8, a header row, one row per gear, LF line ends.
QByteArray GearTableCsv(const InstallationReport& report);

// A table as the report draws it: bordered, its header repeated on every page.
QString ReportTableHtml(const QStringList& header, const std::vector<QStringList>& rows);

// The report as HTML for QTextDocument: table headers repeat on every page;
// the matrix is the image resource named kReportMatrixImage.
inline constexpr const char* kReportMatrixImage = "matrix.png";
QString ReportHtml(const InstallationReport& report);
