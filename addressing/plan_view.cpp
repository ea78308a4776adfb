#include "addressing/plan_view.h"

#include "addressing/matrix_paint_plan.h"

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QLinearGradient>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>

#include <cmath>

namespace {

constexpr double kMarkerRadius = 12.0;
constexpr double kMarkerMark = 6.0;     // the emergency square
constexpr int kDragThreshold = 4;       // pixels before a press on a marker moves it
constexpr double kWheelStep = 1.25;     // zoom per notch
constexpr double kMinScale = 0.02, kMaxScale = 20.0;

QColor colourOf(const Argb& c) { return QColor(c.red, c.green, c.blue, c.alpha); }

void fillWithGradient(QPainter& painter, const QRectF& box, MatrixFill fill, bool round) {
    const FillColours colours = MatrixFillColours(fill);
    QLinearGradient gradient(box.topLeft(), box.bottomRight());
    gradient.setColorAt(0, colourOf(colours.first));
    gradient.setColorAt(1, colourOf(colours.second));
    painter.setBrush(gradient);
    painter.setPen(colourOf(kMatrixOutlineColour));
    if (round)
        painter.drawEllipse(box);
    else
        painter.drawRect(box);
}

}  // namespace

CPlanView::CPlanView(DeviceStore& store, MatrixModel& matrix, QWidget* parent)
    : QWidget(parent), store_(store), matrix_(matrix), markerMenu_(new QMenu(this)) {
    setMouseTracking(true);
    setMinimumSize(200, 200);
    QAction* remove = markerMenu_->addAction(QString());
    remove->setObjectName(QStringLiteral("removeMarker"));
    connect(remove, &QAction::triggered, this, [this] {
        store_.floorPlans.Remove(menuMarker_);
        update();
        if (placesChanged)
            placesChanged();
    });
}

void CPlanView::ShowPlan(int plan, const QImage& image) {
    plan_ = image.isNull() ? -1 : plan;
    image_ = image;
    Fit();
}

void CPlanView::Fit() {
    if (image_.isNull()) {
        update();
        return;
    }
    scale_ = std::min(double(width()) / image_.width(), double(height()) / image_.height());
    origin_ = QPointF((width() - image_.width() * scale_) / 2, (height() - image_.height() * scale_) / 2);
    update();
}

QPointF CPlanView::PointOf(double x, double y) const {
    return origin_ + QPointF(x * image_.width() * scale_, y * image_.height() * scale_);
}

std::optional<QPointF> CPlanView::FractionAt(QPointF point) const {
    if (image_.isNull())
        return std::nullopt;
    const QPointF f((point.x() - origin_.x()) / (image_.width() * scale_),
                    (point.y() - origin_.y()) / (image_.height() * scale_));
    if (f.x() < 0 || f.x() > 1 || f.y() < 0 || f.y() > 1)
        return std::nullopt;
    return f;
}

int CPlanView::MarkerAt(QPointF point) const {
    if (plan_ < 0)
        return -1;
    // The marker drawn last lies on top.
    for (int a = kDeviceCount - 1; a >= 0; --a) {
        const std::optional<PlanPlace>& place = store_.floorPlans.places[size_t(a)];
        if (!place || place->plan != plan_)
            continue;
        const QPointF d = point - PointOf(place->x, place->y);
        if (std::hypot(d.x(), d.y()) <= kMarkerRadius)
            return a;
    }
    return -1;
}

bool CPlanView::DropGear(int address, QPoint globalPos) {
    const QPointF local = mapFromGlobal(QPointF(globalPos));
    if (!isVisible() || !rect().contains(local.toPoint()) || !FractionAt(local))
        return false;
    placeAt(address, local);
    return true;
}

void CPlanView::placeAt(int address, QPointF point) {
    const std::optional<QPointF> f = FractionAt(point);
    if (!f)
        return;
    store_.floorPlans.Place(address, plan_, f->x(), f->y());
    update();
    if (placesChanged)
        placesChanged();
}

void CPlanView::paintMarker(QPainter& painter, int address, QPointF at) const {
    const MatrixCell& cell = matrix_.cells[size_t(address)];
    const QRectF box(at.x() - kMarkerRadius, at.y() - kMarkerRadius, 2 * kMarkerRadius, 2 * kMarkerRadius);
    fillWithGradient(painter, box, CellFill(cell), true);
    for (const CellMark& mark : CellMarks(matrix_, address))
        fillWithGradient(painter,
                         QRectF(mark.right ? box.right() - kMarkerMark : box.left(), box.top(), kMarkerMark, kMarkerMark),
                         mark.fill, false);
    painter.setPen(colourOf(kMatrixTextColour));
    painter.drawText(box, Qt::AlignCenter, QString::asprintf("%02d", address));
}

void CPlanView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    if (plan_ < 0)
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(origin_, QSizeF(image_.size()) * scale_), image_);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int a = 0; a < kDeviceCount; ++a) {
        const std::optional<PlanPlace>& place = store_.floorPlans.places[size_t(a)];
        if (!place || place->plan != plan_)
            continue;
        paintMarker(painter, a, a == pressedMarker_ && movedMarker_ ? markerAt_ : PointOf(place->x, place->y));
    }
}

void CPlanView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    pressedAt_ = event->position();
    pressedMarker_ = MarkerAt(pressedAt_);
    movedMarker_ = false;
    if (pressedMarker_ < 0)
        panFrom_ = pressedAt_;
}

void CPlanView::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    if (!(event->buttons() & Qt::LeftButton)) {
        const int marker = MarkerAt(at);
        if (marker != hovered_ && marker >= 0 && markerHovered)
            markerHovered(marker);
        hovered_ = marker;
        return;
    }
    if (panFrom_) {
        origin_ += at - *panFrom_;
        panFrom_ = at;
        update();
    } else if (pressedMarker_ >= 0 && (movedMarker_ || (at - pressedAt_).manhattanLength() >= kDragThreshold)) {
        movedMarker_ = true;
        markerAt_ = at;
        update();
    }
}

void CPlanView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const int marker = std::exchange(pressedMarker_, -1);
    panFrom_.reset();
    if (marker < 0)
        return;
    if (movedMarker_)
        placeAt(marker, event->position());  // off the picture it stays where it was
    else if (markerClicked)
        markerClicked(marker, event->modifiers() & Qt::ControlModifier);
    movedMarker_ = false;
    update();
}

void CPlanView::wheelEvent(QWheelEvent* event) {
    if (image_.isNull())
        return;
    const double factor = std::pow(kWheelStep, event->angleDelta().y() / 120.0);
    const double scale = std::clamp(scale_ * factor, kMinScale, kMaxScale);
    // The point under the mouse stays where it is.
    const QPointF at = event->position();
    origin_ = at - (at - origin_) * (scale / scale_);
    scale_ = scale;
    update();
}

void CPlanView::contextMenuEvent(QContextMenuEvent* event) {
    menuMarker_ = MarkerAt(event->pos());
    if (menuMarker_ >= 0)
        markerMenu_->popup(event->globalPos());
}

bool CPlanView::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const int marker = MarkerAt(help->pos());
    const QString name = marker >= 0 ? store_.workingTable[size_t(marker)].name : QString();
    if (name.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), name, this);
    return true;
}
