#include "storage/report_pdf.h"

#include "storage/file_replacement.h"
#include "storage/installation_report.h"

#include <QFont>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>

namespace {

// The 8 × 8 matrix: present addresses blue, the others grey, each with its
// number, and a named gear's initials below it; an emergency luminaire has a
// green square in its top right corner, as in the program's matrix.
QImage matrixImage(const InstallationReport& report) {
    constexpr int kCell = 44, kGap = 4, kSide = 8 * kCell + 7 * kGap;
    QImage image(kSide, kSide, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QFont number = painter.font();
    number.setPixelSize(14);
    QFont initials = number;
    initials.setPixelSize(11);
    for (int a = 0; a < 64; ++a) {
        const QRect cell((a % 8) * (kCell + kGap), (a / 8) * (kCell + kGap), kCell, kCell);
        const bool present = report.present[size_t(a)];
        const QString& name = report.initials[size_t(a)];
        painter.fillRect(cell, present ? QColor(0, 100, 255) : QColor(190, 190, 190));
        painter.setPen(present ? Qt::white : Qt::black);
        painter.setFont(number);
        painter.drawText(name.isEmpty() ? cell : cell.adjusted(0, 2, 0, -kCell / 2),
                         Qt::AlignHCenter | (name.isEmpty() ? Qt::AlignVCenter : Qt::AlignBottom),
                         QString::asprintf("%02d", a));
        if (report.emergency[size_t(a)])
            painter.fillRect(QRect(cell.right() - 10, cell.top() + 3, 8, 8), QColor(0, 190, 90));
        if (!name.isEmpty()) {
            painter.setFont(initials);
            painter.drawText(cell.adjusted(0, kCell / 2, 0, -2), Qt::AlignHCenter | Qt::AlignTop, name);
        }
    }
    return image;
}

}  // namespace

bool WriteReportPdf(const QString& path, const InstallationReport& report, QString& error) {
    return WriteHtmlPdf(path, report.title, ReportHtml(report), error, [&](QTextDocument& document) {
        document.addResource(QTextDocument::ImageResource, QUrl(QString::fromLatin1(kReportMatrixImage)),
                             matrixImage(report));
    });
}

bool WriteHtmlPdf(const QString& path, const QString& title, const QString& html, QString& error,
                  const std::function<void(QTextDocument&)>& addResources) {
    FileReplacement file(path);
    if (!file.isOpen()) {
        error = file.errorString();
        return false;
    }
    {
        QPdfWriter writer(file.device());
        // Landscape: the settings table has eleven columns.
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageOrientation(QPageLayout::Landscape);
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setResolution(150);
        writer.setTitle(title);
        QTextDocument document;
        // Laid out on the page in the writer's own pixels, in a small print font.
        document.setPageSize(writer.pageLayout().paintRectPixels(writer.resolution()).size());
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(writer.resolution() * 8 / 72);
        document.setDefaultFont(font);
        if (addResources)
            addResources(document);
        document.setHtml(html);
        document.print(&writer);
    }
    if (!file.Commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}
