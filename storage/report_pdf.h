#pragma once
// The installation report as a PDF, with Qt's own printing support: the
// report's HTML laid out on A4 pages by QTextDocument (tables break across
// pages with their headers repeated, a heading never stays alone at a page's
// foot), the matrix drawn as in the main window, and a foot on every page.
// The file is replaced in one step.

#include <QString>

#include <functional>

class QTextDocument;
struct InstallationReport;

// What every page carries at its foot: a text on the left, the page number
// on the right ("Seite %1 von %2": page, pages). Empty: no foot.
struct PdfFooter {
    QString text;
    QString pageNumbers;
};

// Any HTML laid out and written the same way (the emergency logbook);
// `addResources` adds the images the HTML names. False, with `error` set,
// when the file cannot be written.
bool WriteHtmlPdf(const QString& path, const QString& title, const QString& html, QString& error,
                  const std::function<void(QTextDocument&)>& addResources = {}, const PdfFooter& footer = {});

// False, with `error` set, when the file cannot be written.
bool WriteReportPdf(const QString& path, const InstallationReport& report, QString& error);
