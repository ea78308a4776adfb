#pragma once
// The installation report as a PDF, with Qt's own printing support: the
// report's HTML laid out on A4 pages by QTextDocument (tables break across
// pages with their headers repeated), and the matrix drawn as in the main
// window. The file is replaced in one step.

#include <QString>

#include <functional>

class QTextDocument;
struct InstallationReport;

// Any HTML laid out and written the same way (the emergency logbook);
// `addResources` adds the images the HTML names. False, with `error` set,
// when the file cannot be written.
bool WriteHtmlPdf(const QString& path, const QString& title, const QString& html, QString& error,
                  const std::function<void(QTextDocument&)>& addResources = {});

// False, with `error` set, when the file cannot be written.
bool WriteReportPdf(const QString& path, const InstallationReport& report, QString& error);
