#include "addressing/plan_image.h"

#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

namespace {

bool tooLarge(const QSize& size) { return qint64(size.width()) * size.height() > kMaxPlanPixels; }

PlanImageResult loadSvg(const QString& path, QImage& image) {
    QSvgRenderer renderer(path);
    const QSize size = renderer.defaultSize();
    if (!renderer.isValid() || size.isEmpty())
        return PlanImageResult::Unreadable;
    if (tooLarge(size))
        return PlanImageResult::TooLarge;
    QImage drawn(size, QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::white);
    QPainter painter(&drawn);
    renderer.render(&painter);
    painter.end();
    image = drawn;
    return PlanImageResult::Read;
}

}  // namespace

PlanImageResult LoadPlanImage(const QString& path, QImage& image) {
    if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive))
        return loadSvg(path, image);
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (!reader.canRead() || size.isEmpty())
        return PlanImageResult::Unreadable;
    if (tooLarge(size))
        return PlanImageResult::TooLarge;
    QImage read = reader.read();
    if (read.isNull())
        return PlanImageResult::Unreadable;
    image = read;
    return PlanImageResult::Read;
}
