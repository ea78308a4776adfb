#pragma once
// The line check's rows as the window, the CSV file and the report show them.

#include "devices/line_check.h"

#include <QByteArray>
#include <QStringList>

struct InstallationReport;

// Adresse, Name, Befund, Wert, Projekt, Bus.
QStringList LineCheckHeader(const QString& languageModulePath);

// The cells of a row under that header: the address as two digits ("—" for
// gear without a short address), levels as numbers or MASK, groups as their
// numbers, the curve by name; a value not known stays empty.
QStringList LineCheckCells(const LineCheckRow& row, const QString& languageModulePath);

// What the list as a whole says: that the check was not complete, that it
// found nothing, or nothing when it is complete with rows.
QString LineCheckSummary(const LineCheckResult& result, const QString& languageModulePath);

// As every export (CsvDocument): the language's separator, a byte-order
// mark, the header row, one row per line.
QByteArray LineCheckCsv(const LineCheckResult& result, const QString& languageModulePath);

// The check as the report's last part, dated; `outdated` when the bus changed
// after it (a replacement, an address move, a scan), which it then says first.
void AddLineCheckToReport(InstallationReport& report, const LineCheckResult& result, bool outdated,
                          const QString& languageModulePath);
