#pragma once
// The installation report as a PDF, with Qt's own printing support: the
// report's HTML laid out on A4 pages by QTextDocument (tables break across
// pages with their headers repeated), and the matrix drawn as in the main
// window. The file is replaced in one step.

#include <QString>

struct InstallationReport;

// False, with `error` set, when the file cannot be written.
bool WriteReportPdf(const QString& path, const InstallationReport& report, QString& error);
