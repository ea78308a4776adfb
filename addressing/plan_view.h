#pragma once
// One floor plan with the gear's markers. The plans and the places belong to
// the store, the markers' colours to the matrix's cells; the control only
// draws them and turns the mouse into calls: the wheel zooms, dragging the
// background pans, dragging a marker moves it, a click picks its gear.

#include "addressing/matrix_model.h"
#include "devices/device_store.h"

#include <QImage>
#include <QPointF>
#include <QWidget>

#include <functional>
#include <optional>

class QMenu;

class CPlanView final : public QWidget {
    Q_OBJECT

public:
    CPlanView(DeviceStore& store, MatrixModel& matrix, QWidget* parent = nullptr);

    // The plan of this index with its picture; -1 and a null image show none.
    void ShowPlan(int plan, const QImage& image);
    int plan() const { return plan_; }
    // The whole picture in the control, centred.
    void Fit();

    // The point of the picture at this fraction, in the control.
    QPointF PointOf(double x, double y) const;
    // The fraction of the picture under this point of the control; none off the picture.
    std::optional<QPointF> FractionAt(QPointF point) const;
    // The gear whose marker lies under the point; -1 for none.
    int MarkerAt(QPointF point) const;
    // The gear's cell was let go at this point of the screen: on the picture
    // its marker lands there. False when the point is not on the picture.
    bool DropGear(int address, QPoint globalPos);
    QMenu* markerMenu() const { return markerMenu_; }

    std::function<void(int address, bool ctrl)> markerClicked;
    std::function<void(int address)> markerHovered;
    std::function<void()> placesChanged;  // a marker placed, moved or removed

protected:
    bool event(QEvent* event) override;  // the tool tip: the gear's name
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void paintMarker(QPainter& painter, int address, QPointF at) const;
    void placeAt(int address, QPointF point);

    DeviceStore& store_;
    MatrixModel& matrix_;
    QImage image_;
    int plan_ = -1;
    double scale_ = 1.0;
    QPointF origin_;  // the picture's top-left corner in the control
    // The mouse with the left button down: a marker pressed, or the background.
    int pressedMarker_ = -1;
    bool movedMarker_ = false;
    std::optional<QPointF> panFrom_;
    QPointF pressedAt_;
    QPointF markerAt_;  // the pressed marker while it is dragged
    int hovered_ = -1;
    int menuMarker_ = -1;
    QMenu* markerMenu_;
};
