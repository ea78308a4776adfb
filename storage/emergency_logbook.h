#pragma once
// The emergency test logbook: every test result of a project, kept in a text
// file beside the project file and only ever appended to.
//
// File format (UTF-8, LF line ends): the first line is "#kelvane-emergency-log 2",
// then one line per result with eight fields separated by a tab:
//   time      UTC, ISO 8601 with seconds and "Z": 2026-03-02T09:00:10Z
//   address   the short address, 0..63
//   test      "function" or "duration"
//   outcome   "passed", "failed", "timeout", "cancelled", or for a test still
//             waiting in the unit "postponed-charging", "postponed-other-test", "postponed"
//   failures  the unit's failure status byte as two hex digits, "-" when unknown
//   duration  minutes the battery held in a duration test, "-" otherwise
//   name      the gear's name in the project, may be empty (tabs and line breaks become spaces)
//   unit      the unit's identification number from memory bank 0 in hex, "-" when it has none
// A file of version 1 has lines without the unit field; they are read as
// units without a number, and appending to such a file makes it version 2.
// A line that does not have this form is skipped and counted when reading, so
// one damaged line does not hide the others.

#include "devices/device_record.h"
#include "devices/emergency_test_run.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

struct EmergencyLogEntry {
    QDateTime at;  // UTC, whole seconds
    int shortAddress = 0;
    EmergencyTestKind kind = EmergencyTestKind::Function;
    EmergencyOutcome outcome = EmergencyOutcome::Passed;
    std::optional<uint8_t> failureStatus;
    std::optional<int> durationMinutes;
    QString name;
    QString unit;  // the identification number's hex digits; empty when not known

    bool operator==(const EmergencyLogEntry&) const = default;
};

struct EmergencyLogbook {
    std::vector<EmergencyLogEntry> entries;
    int skippedLines = 0;  // lines that were not results
};

// "<folder>/<project base name>.emergency.log" beside the project file.
QString EmergencyLogbookPath(const QString& projectPath);

// The run's results as entries, with the names and identification numbers
// the table gives the addresses.
std::vector<EmergencyLogEntry> EmergencyLogEntries(const std::vector<EmergencyTestResult>& results,
                                                   const DeviceTable& table);

// One line of the file, LF ended.
QByteArray EmergencyLogLine(const EmergencyLogEntry& entry);

// Appends the entries: the old content and the new lines replace the file in
// one step (FileReplacement), so a failure leaves the old logbook as it was.
// False with `error` set (the system's text) when the file exists but cannot
// be read, is not a logbook, or the new file cannot be written.
bool AppendToEmergencyLogbook(const QString& path, const std::vector<EmergencyLogEntry>& entries, QString& error);

// A missing file is an empty logbook. Nothing, with `error` set, when the file
// exists but cannot be read or does not start with the logbook's first line.
std::optional<EmergencyLogbook> ReadEmergencyLogbook(const QString& path, QString& error);

// The list's columns and one entry's cells in the user's language (failures
// and outcomes in words), as the list, the CSV and the printout show them.
QStringList EmergencyLogbookHeader(const QString& languageModulePath);
QStringList EmergencyLogbookRow(const EmergencyLogEntry& entry, const QString& languageModulePath);

// The logbook's title and its table as HTML, for WriteHtmlPdf (storage/report_pdf.h).
QString EmergencyLogbookHtml(const std::vector<EmergencyLogEntry>& entries, const QString& languageModulePath);

// The entries as CSV: UTF-8 with a byte-order mark, the language's
// separator, LF, the header row, the rows.
QByteArray EmergencyLogbookCsv(const std::vector<EmergencyLogEntry>& entries, const QString& languageModulePath);
