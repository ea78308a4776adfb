#include "storage/report_pdf.h"

#include "addressing/plan_image.h"

#include "storage/file_replacement.h"
#include "storage/installation_report.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>

#include <cmath>
#include <set>

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

// A plan scaled into `room` with its markers: each a disc at its place,
// blue for a gear that answers, grey for one that does not, its address in
// it and its name beside it. An unreadable picture leaves a blank plan.
QImage planImage(const ReportPlan& plan, const QSizeF& room) {
    QImage picture;
    if (LoadPlanImage(plan.file, picture) != PlanImageResult::Read) {
        picture = QImage(4, 3, QImage::Format_RGB32);
        picture.fill(Qt::white);
    }
    const QSize size = picture.size().scaled(room.toSize(), Qt::KeepAspectRatio);
    QImage image = picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                       .convertToFormat(QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    painter.setFont(font);
    constexpr qreal kRadius = 11;
    for (const ReportPlanMarker& marker : plan.markers) {
        const QPointF at(marker.x * image.width(), marker.y * image.height());
        const QRectF disc(at.x() - kRadius, at.y() - kRadius, 2 * kRadius, 2 * kRadius);
        painter.setPen(Qt::NoPen);
        painter.setBrush(marker.present ? QColor(0, 100, 255) : QColor(150, 150, 150));
        painter.drawEllipse(disc);
        painter.setPen(Qt::white);
        painter.drawText(disc, Qt::AlignCenter, QString::asprintf("%02d", marker.address));
    }
    return image;
}

// A heading with less than this many lines of room below it on its page
// starts the next page: it belongs with the table or text after it.
constexpr int kLinesKeptWithHeading = 8;
const QRegularExpression kHeadingTag(QStringLiteral("<h[1-6](?=[ >])"));

// The first heading (counted in document order) that stands too near the
// foot of its page; -1 when none does.
int firstHeadingNearFoot(QTextDocument& document, qreal pageHeight, qreal lineHeight) {
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    int heading = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 0)
            continue;
        const qreal roomBelow = pageHeight - std::fmod(layout->blockBoundingRect(block).bottom(), pageHeight);
        if (block.next().isValid() && roomBelow < kLinesKeptWithHeading * lineHeight)
            return heading;
        ++heading;
    }
    return -1;
}

// The HTML with these headings starting a new page.
QString withPageBreaks(const QString& html, const std::set<int>& headings) {
    QString result;
    qsizetype from = 0;
    int heading = 0;
    for (auto it = kHeadingTag.globalMatch(html); it.hasNext(); ++heading) {
        const QRegularExpressionMatch tag = it.next();
        result += html.mid(from, tag.capturedEnd() - from);
        if (headings.count(heading))
            result += QStringLiteral(" style=\"page-break-before: always\"");
        from = tag.capturedEnd();
    }
    return result + html.mid(from);
}

// Laid out afresh with a page break before each heading that would end a
// page, one at a time, since each moves the ones after it.
void setHtmlKeepingHeadingsWithWhatFollows(QTextDocument& document, const QString& html, qreal pageHeight,
                                           qreal lineHeight) {
    std::set<int> breaks;
    document.setHtml(html);
    for (int heading; (heading = firstHeadingNearFoot(document, pageHeight, lineHeight)) >= 0 &&
                      breaks.insert(heading).second;)
        document.setHtml(withPageBreaks(html, breaks));
}

}  // namespace

bool WriteReportPdf(const QString& path, const InstallationReport& report, QString& error) {
    const auto addMatrix = [&](QTextDocument& document) {
        document.addResource(QTextDocument::ImageResource, QUrl(QString::fromLatin1(kReportMatrixImage)),
                             matrixImage(report));
        // A plan fills its page below its heading; the layout enlarges a
        // picture from screen pixels to the writer's resolution.
        constexpr double kScreenDpi = 96.0;
        const double enlarged = document.documentLayout()->paintDevice()->logicalDpiX() / kScreenDpi;
        const QSizeF room(document.pageSize().width() * 0.95 / enlarged,
                          document.pageSize().height() * 0.8 / enlarged);
        for (size_t p = 0; p < report.plans.size(); ++p)
            document.addResource(QTextDocument::ImageResource, QUrl(ReportPlanImage(int(p))),
                                 planImage(report.plans[p], room));
    };
    return WriteHtmlPdf(path, report.title, ReportHtml(report), error, addMatrix, {report.footer, report.pageNumbers});
}

bool WriteHtmlPdf(const QString& path, const QString& title, const QString& html, QString& error,
                  const std::function<void(QTextDocument&)>& addResources, const PdfFooter& footer) {
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
        // Laid out on the page in the writer's own pixels, in a small print
        // font, above a foot of two lines.
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(writer.resolution() * 8 / 72);
        const qreal lineHeight = QFontMetricsF(font, &writer).lineSpacing();
        const QSizeF paper = writer.pageLayout().paintRectPixels(writer.resolution()).size();
        const bool withFoot = !footer.text.isEmpty() || !footer.pageNumbers.isEmpty();
        const QSizeF page(paper.width(), paper.height() - (withFoot ? 2 * lineHeight : 0));
        document.documentLayout()->setPaintDevice(&writer);
        document.setPageSize(page);
        document.setDefaultFont(font);
        if (addResources)
            addResources(document);
        setHtmlKeepingHeadingsWithWhatFollows(document, html, page.height(), lineHeight);

        QPainter painter(&writer);
        const int pages = document.pageCount();
        for (int p = 0; p < pages; ++p) {
            if (p > 0)
                writer.newPage();
            painter.save();
            painter.translate(0, -p * page.height());
            document.drawContents(&painter, QRectF(QPointF(0, p * page.height()), page));
            painter.restore();
            if (!withFoot)
                continue;
            const QRectF foot(0, paper.height() - lineHeight, paper.width(), lineHeight);
            painter.setFont(font);
            painter.drawText(foot, Qt::AlignLeft | Qt::AlignVCenter, footer.text);
            if (!footer.pageNumbers.isEmpty())
                painter.drawText(foot, Qt::AlignRight | Qt::AlignVCenter, footer.pageNumbers.arg(p + 1).arg(pages));
        }
    }
    if (!file.Commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}
