#include "addressing/matrix_widget.h"

#include "addressing/matrix_paint_plan.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <QPainter>
#include <QPointer>

namespace {

QColor toColor(const Argb& c) { return QColor(c.red, c.green, c.blue, c.alpha); }

QRect toRect(const CellBox& box) { return QRect(box.x, box.y, box.width, box.height); }

MouseKeys keysOf(const QMouseEvent& event) {
    MouseKeys keys;
    keys.left = event.buttons().testFlag(Qt::LeftButton);
    keys.right = event.buttons().testFlag(Qt::RightButton);
    keys.middle = event.buttons().testFlag(Qt::MiddleButton);
    keys.shift = event.modifiers().testFlag(Qt::ShiftModifier);
    keys.ctrl = event.modifiers().testFlag(Qt::ControlModifier);
    return keys;
}

void drawFill(QPainter& painter, const MatrixPaintOp& op) {
    const FillColours colours = MatrixFillColours(op.fill);
    QLinearGradient gradient(op.gradient.x1, op.gradient.y1, op.gradient.x2, op.gradient.y2);
    gradient.setColorAt(0, toColor(colours.first));
    gradient.setColorAt(1, toColor(colours.second));
    const QRect area = toRect(op.box);
    painter.fillRect(area, gradient);
    painter.setPen(toColor(kMatrixOutlineColour));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area);
}

void drawCentredText(QPainter& painter, const QFont& font, const MatrixPaintOp& op) {
    painter.setFont(font);
    painter.setPen(toColor(kMatrixTextColour));
    painter.drawText(toRect(op.box), Qt::AlignCenter, op.text);
}

}  // namespace

CMatrix::CMatrix(MatrixModel& model, QWidget* parent)
    : QWidget(parent), model_(model), textFont_(QStringLiteral("Arial"), 10), labelFont_(QStringLiteral("Arial"), 6) {
    setMouseTracking(true);                 // moves without a button count too
    setAttribute(Qt::WA_OpaquePaintEvent);  // every repaint covers the whole control
    // The model may outlive the control; a repaint request then goes nowhere.
    model_.repaintTarget = [control = QPointer<CMatrix>(this)] {
        if (control)
            control->update();
    };
}

void CMatrix::Layout() { model_.Layout(CellRect{0, 0, width(), height()}); }

QImage CMatrix::Render() {
    QImage image(size(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    const QFontMetrics labelMetrics(labelFont_, &image);
    const auto plan =
        PlanMatrixPaint(model_, [&](const QString& text) { return labelMetrics.horizontalAdvance(text); });
    for (const MatrixPaintOp& op : plan) {
        switch (op.kind) {
            case MatrixPaintOp::Kind::Background:
                painter.fillRect(image.rect(), palette().color(QPalette::Button));
                break;
            case MatrixPaintOp::Kind::Fill:
                drawFill(painter, op);
                break;
            case MatrixPaintOp::Kind::CellText:
                drawCentredText(painter, textFont_, op);
                break;
            case MatrixPaintOp::Kind::BarLabel:
                drawCentredText(painter, labelFont_, op);
                break;
        }
    }
    return image;
}

void CMatrix::paintEvent(QPaintEvent*) {
    const QImage image = Render();
    QPainter(this).drawImage(0, 0, image);
}

void CMatrix::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QPoint at = event->position().toPoint();
        model_.Press(at.x(), at.y());
    }
}

void CMatrix::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    // While a button is held Qt keeps sending moves from outside the control
    // and withholds the leave event; the first such move is the leave.
    if (!rect().contains(at)) {
        if (!outside_) {
            outside_ = true;
            model_.Leave();
        }
        return;
    }
    outside_ = false;
    if (model_.Move(at.x(), at.y(), keysOf(*event)))
        setCursor(Qt::SizeAllCursor);
    else
        unsetCursor();
}

void CMatrix::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QPoint at = event->position().toPoint();
        if (!rect().contains(at) && model_.IsPresentCell(model_.pressedCell) && dropOutside)
            dropOutside(model_.pressedCell, mapToGlobal(at));
        model_.Release(at.x(), at.y(), keysOf(*event));
    }
}

bool CMatrix::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const int cell = model_.HitTest(help->pos().x(), help->pos().y());
    const QString text = model_.describeCell && MatrixModel::IsCell(cell) ? model_.describeCell(cell) : QString();
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), text, this);
    return true;
}

void CMatrix::leaveEvent(QEvent*) {
    if (!outside_)
        model_.Leave();
    outside_ = false;
}
