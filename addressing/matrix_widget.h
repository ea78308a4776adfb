#pragma once
// The device matrix control: shows a MatrixModel and feeds it the mouse. The
// model belongs to the main view, which also receives its notifications
// (MatrixModel::notifyTarget); the control only turns state into pixels and
// mouse events into model calls.

#include "addressing/matrix_model.h"

#include <QFont>
#include <QImage>
#include <QWidget>

#include <functional>

class CMatrix final : public QWidget {
    Q_OBJECT

public:
    // The model must outlive every paint and mouse event of the control.
    explicit CMatrix(MatrixModel& model, QWidget* parent = nullptr);

    MatrixModel& Model() const { return model_; }

    // Lays the model's cells out over the current client area.
    void Layout();

    // Draws one repaint of the model into an image of the client size. Like
    // every repaint it may send TRACK.
    QImage Render();

    // A gear's cell was dragged out of the control and let go there (at a
    // point on the screen): the plan takes it when the point lies on it.
    std::function<void(int cell, QPoint globalPos)> dropOutside;

protected:
    bool event(QEvent* event) override;  // the tool tip of the cell under the mouse
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    MatrixModel& model_;
    QFont textFont_;
    QFont labelFont_;
    bool outside_ = false;  // the mouse left the control with a button held
};
