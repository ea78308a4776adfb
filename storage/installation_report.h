#pragma once
// The installation report's content, decided from the records as they stand
// (it never sends a frame), in the program's language: the title block from
// the project's header, the matrix of present addresses, and three tables of
// the present gear (settings, groups, scenes) and one of the colour gear. Values are shown as the tabs
// show them; a value never read from the gear is "?" and a device type not
// known offline "unknown", never a 0. Also the gear table as CSV. The PDF is
// drawn from this by the widget layer (report_pdf.cpp).

#include "storage/plan_report.h"
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
    QString programVersion{};  // "1.0.0.0", in every page's foot
};

// A table of the report: its heading, header row and rows of cells.
struct ReportTable {
    QString heading;
    QStringList header;
    std::vector<QStringList> rows;
};

// A part of the report with its own heading: lines of text, then a table.
struct ReportSection {
    QString heading;
    QStringList lines;
    ReportTable table;  // no header: no table
};

struct InstallationReport {
    QString title;
    QStringList titleLines;   // header fields, date, interface or project file, gear per device type
    QStringList legendLines;  // what the marks used in the tables mean
    std::array<bool, kDeviceCount> present{};
    std::array<QString, kDeviceCount> initials{};  // of the gear's names, for the matrix picture
    std::array<bool, kDeviceCount> emergency{};    // marked in the matrix picture
    ReportTable gear;    // the settings, a level as "level (percent)"
    ReportTable identities;  // bank 0's serial number, GTIN and firmware of the gear read; no rows without any
    ReportTable groups;  // "●" per group
    ReportTable scenes;  // scene levels
    // The gear table for a spreadsheet: one value per cell, in the
    // language's separator and decimal mark.
    QStringList csvHeader;
    std::vector<QStringList> csvRows;
    QChar csvSeparator = QLatin1Char(',');
    ReportTable colour;  // colour gear only; no rows without any
    // A page per floor plan after the gear tables.
    std::vector<ReportPlan> plans;
    // Luminaire data and operation from the banks read (storage/luminaire_report.h);
    // no rows without any, and the maintenance CSV of the same columns.
    ReportTable luminaires;
    QStringList maintenanceCsvHeader;
    std::vector<QStringList> maintenanceCsvRows;
    // Parts after the gear tables (the emergency tests, the last line check),
    // each only when there is something to say.
    std::vector<ReportSection> sections;
    // The end, for the handover: date, installer and customer to fill in,
    // and a signature line for each.
    ReportSection handover;
    // Every page's foot: the project, the date and the program's version on
    // the left, "Seite %1 von %2" (page, pages) on the right.
    QString footer;
    QString pageNumbers;
};

InstallationReport BuildInstallationReport(const DeviceStore& store, const ReportSource& source,
                                           const QString& languageModulePath);

// One CSV line of these cells (a cell with the separator, a quote or a line
// break quoted; a text a spreadsheet would take for a formula, one that
// begins with =, +, - or @, behind an apostrophe and quoted), LF ended.
QString CsvLine(const QStringList& cells, QChar separator);

// A whole CSV file as every export writes it: UTF-8 with a byte-order mark
// (so a spreadsheet reads the umlauts), the header row, the rows, LF line ends.
QByteArray CsvDocument(const QStringList& header, const std::vector<QStringList>& rows, QChar separator);

// The separator of the language's CSV files: ";" in German, "," in English.
QChar CsvSeparator(const QString& languageModulePath);

// The gear table as CSV: UTF-8 with a byte-order mark (so a spreadsheet
// reads the umlauts), a header row, one row per gear, LF line ends.
QByteArray GearTableCsv(const InstallationReport& report);

// A table as the report draws it: bordered, its header repeated on every
// page and never broken inside a word; a heading above it when it has one.
QString ReportTableHtml(const ReportTable& table);

// The report as HTML for QTextDocument: the matrix is the image resource
// named kReportMatrixImage.
inline constexpr const char* kReportMatrixImage = "matrix.png";
QString ReportHtml(const InstallationReport& report);
