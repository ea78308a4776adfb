#include "addressing/matrix_paint_plan.h"
#include "addressing/matrix_widget.h"
#include "addressing/own_command.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include <utility>
#include <vector>

namespace {

using Notes = std::vector<std::pair<int, int>>;  // (code, index) in the order sent

class MatrixWidgetTest : public ::testing::Test {
protected:
    void SetUp() override {
        model.columns = 8;
        model.rows = 8;
        model.gap = 4;
        model.dragEnabled = 1;
        model.ctrlMultiSelect = 1;
        matrix.resize(300, 300);
        matrix.Layout();
        for (int i = 0; i < kMatrixCellCount; ++i)
            model.cells[size_t(i)].cellText = QString::asprintf("%02d", i);
        model.notifyTarget = [this](int code, int index) { notes.emplace_back(code, index); };
    }

    QPoint Centre(int cell) const {
        const CellBox& box = model.cells[size_t(cell)].box;
        return {box.x + box.width / 2, box.y + box.height / 2};
    }

    // A move with buttons held, as the window system reports it during a drag.
    void MoveHolding(int cell, Qt::MouseButtons buttons = Qt::LeftButton) {
        const QPoint at = Centre(cell);
        QMouseEvent move(QEvent::MouseMove, at, matrix.mapToGlobal(at), Qt::NoButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(&matrix, &move);
    }

    // The pixel at (dx, dy) from a cell's top-left corner.
    static QColor PixelIn(const QImage& image, const MatrixCell& cell, int dx, int dy) {
        return image.pixelColor(cell.box.x + dx, cell.box.y + dy);
    }

    MatrixModel model;
    CMatrix matrix{model};
    Notes notes;
};

TEST_F(MatrixWidgetTest, ClickAndCtrlClickNotifyLikeTheModel) {
    model.cells[12].present = 1;
    model.cells[14].present = 1;
    QTest::mouseClick(&matrix, Qt::LeftButton, Qt::NoModifier, Centre(12));
    QTest::mouseClick(&matrix, Qt::LeftButton, Qt::ControlModifier, Centre(14));
    EXPECT_EQ(notes, (Notes{{WM_OWN_COMMAND_CLICK, 12}, {WM_OWN_COMMAND_CLICK, -1}}));
    EXPECT_EQ(model.cells[12].selected, 1);
    EXPECT_EQ(model.cells[14].selected, 1);
    EXPECT_EQ(model.selectedCount, 2);
}

TEST_F(MatrixWidgetTest, OtherButtonsNeitherPressNorRelease) {
    model.cells[12].present = 1;
    model.pressedCell = 5;
    QTest::mouseClick(&matrix, Qt::RightButton, Qt::NoModifier, Centre(12));
    QTest::mouseClick(&matrix, Qt::MiddleButton, Qt::NoModifier, Centre(12));
    EXPECT_EQ(model.pressedCell, 5);
    EXPECT_EQ(model.targetCell, -1);
    EXPECT_TRUE(notes.empty());
}

TEST_F(MatrixWidgetTest, DragNotifiesMovingTrackOnRepaintAndMoveOnDrop) {
    model.cells[10].present = 1;
    model.cells[20].present = 1;
    QTest::mousePress(&matrix, Qt::LeftButton, Qt::NoModifier, Centre(10));
    MoveHolding(20);
    EXPECT_EQ(matrix.cursor().shape(), Qt::SizeAllCursor);
    matrix.Render();
    MoveHolding(21);
    matrix.grab();  // a repaint through the paint event
    QTest::mouseRelease(&matrix, Qt::LeftButton, Qt::NoModifier, Centre(21));
    EXPECT_EQ(notes, (Notes{{WM_OWN_COMMAND_MOVING, 10},
                            {WM_OWN_COMMAND_TRACK, 20},
                            {WM_OWN_COMMAND_MOVING, 10},
                            {WM_OWN_COMMAND_TRACK, 21},
                            {WM_OWN_COMMAND_MOVE, 21}}));
    EXPECT_EQ(model.targetCell, 21);
}

TEST_F(MatrixWidgetTest, MoveCursorOnlyWhileDragAndDropIsPossible) {
    model.cells[3].present = model.cells[3].selected = 1;
    model.cells[4].present = model.cells[4].selected = 1;
    model.RecountSelected();
    MoveHolding(5, Qt::NoButton);
    EXPECT_EQ(matrix.cursor().shape(), Qt::ArrowCursor);
    model.cells[4].selected = 0;
    model.RecountSelected();
    MoveHolding(5, Qt::NoButton);
    EXPECT_EQ(matrix.cursor().shape(), Qt::SizeAllCursor);
}

TEST_F(MatrixWidgetTest, MovesWithRightButtonAlsoHeldDoNotDrag) {
    model.cells[10].present = 1;
    QTest::mousePress(&matrix, Qt::LeftButton, Qt::NoModifier, Centre(10));
    MoveHolding(20, Qt::LeftButton | Qt::RightButton);
    EXPECT_EQ(model.dragging, 0);
    EXPECT_EQ(model.buttonHeld, 0);
    EXPECT_TRUE(notes.empty());
}

TEST_F(MatrixWidgetTest, LeavingTheControlDropsTheHeldButton) {
    model.cells[10].present = 1;
    QTest::mousePress(&matrix, Qt::LeftButton, Qt::NoModifier, Centre(10));
    MoveHolding(20);
    ASSERT_EQ(model.buttonHeld, 1);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&matrix, &leave);
    EXPECT_EQ(model.buttonHeld, 0);
}

TEST_F(MatrixWidgetTest, RendersCellColoursOutlineBackgroundAndGroupBar) {
    model.cells[1].present = 1;
    model.cells[2].present = model.cells[2].selected = 1;
    model.cells[4].groupHighlight = 1;
    model.cells[5].present = model.cells[5].groupHighlight = 1;
    const QImage image = matrix.grab().toImage();
    ASSERT_EQ(image.size(), QSize(300, 300));

    // Near the top-left corner each fill shows its first colour.
    const QColor blue = PixelIn(image, model.cells[1], 3, 3);
    EXPECT_LE(blue.red(), 5);
    EXPECT_NEAR(blue.green(), 134, 8);
    EXPECT_GE(blue.blue(), 250);
    const QColor orange = PixelIn(image, model.cells[2], 3, 3);
    EXPECT_GE(orange.red(), 250);
    EXPECT_NEAR(orange.green(), 167, 8);
    EXPECT_LE(orange.blue(), 5);
    const QColor grey = PixelIn(image, model.cells[3], 3, 3);
    EXPECT_EQ(grey.red(), grey.green());
    EXPECT_EQ(grey.green(), grey.blue());
    EXPECT_NEAR(grey.red(), 186, 8);
    // Further down the diagonal the gradient darkens towards the second colour.
    EXPECT_LT(PixelIn(image, model.cells[3], 30, 30).red(), 130);

    EXPECT_EQ(PixelIn(image, model.cells[1], 0, 0), QColor(192, 192, 192));
    EXPECT_EQ(PixelIn(image, model.cells[1], 33, 20), QColor(192, 192, 192));
    EXPECT_EQ(image.pixelColor(36, 10), matrix.palette().color(QPalette::Button));

    // The bar turns the bottom of a cell green and leaves its top alone.
    const QColor plainBottom = PixelIn(image, model.cells[1], 3, 28);
    const QColor barBottom = PixelIn(image, model.cells[5], 3, 28);
    EXPECT_GT(barBottom.green(), plainBottom.green() + 40);
    EXPECT_LT(barBottom.blue(), plainBottom.blue() - 60);
    EXPECT_EQ(PixelIn(image, model.cells[5], 3, 3), blue);
    const QColor greyBar = PixelIn(image, model.cells[4], 3, 28);
    EXPECT_GT(greyBar.green(), greyBar.red() + 50);
    EXPECT_GT(greyBar.green(), greyBar.blue() + 50);
}

TEST_F(MatrixWidgetTest, MarksPresentEmergencyUnitsInTheirCornerSelectedOrNot) {
    model.isEmergencyUnit = [](int cell) { return cell == 1 || cell == 2 || cell == 3; };
    model.isColourGear = [](int cell) { return cell == 2; };  // both kinds: a mark in each top corner
    model.cells[1].present = 1;
    model.cells[2].present = model.cells[2].selected = 1;  // cell 3: not present, so no mark
    model.cells[4].present = 1;
    const QImage image = matrix.grab().toImage();
    const int markX = model.cells[1].box.width - kEmergencyMarkInset - kEmergencyMarkSize / 2;
    const int markY = kEmergencyMarkInset + kEmergencyMarkSize / 2;
    for (int cell : {1, 2}) {
        const QColor mark = PixelIn(image, model.cells[size_t(cell)], markX, markY);
        EXPECT_LE(mark.red(), 5) << cell;
        EXPECT_NEAR(mark.green(), 165, 15) << cell;
        EXPECT_NEAR(mark.blue(), 75, 15) << cell;
    }
    const int colourX = kEmergencyMarkInset + kEmergencyMarkSize / 2;
    const QColor colourMark = PixelIn(image, model.cells[2], colourX, markY);
    EXPECT_GT(colourMark.red(), 120);
    EXPECT_LT(colourMark.green(), 20);
    EXPECT_GT(colourMark.blue(), 190);
    // Outside its mark a unit's cell looks like any other present cell.
    EXPECT_EQ(PixelIn(image, model.cells[1], colourX, markY), PixelIn(image, model.cells[4], colourX, markY));
    EXPECT_EQ(PixelIn(image, model.cells[1], 3, 3), PixelIn(image, model.cells[4], 3, 3));
    for (int cell : {3, 4})
        EXPECT_NE(PixelIn(image, model.cells[size_t(cell)], markX, markY).blue(),
                  PixelIn(image, model.cells[1], markX, markY).blue())
            << cell;
}

TEST_F(MatrixWidgetTest, RendersDragColours) {
    model.cells[10].present = 1;
    model.cells[20].present = 1;
    QTest::mousePress(&matrix, Qt::LeftButton, Qt::NoModifier, Centre(10));
    MoveHolding(20);
    const QImage image = matrix.Render();
    const QColor pressed = PixelIn(image, model.cells[10], 3, 3);
    EXPECT_NEAR(pressed.red(), 135, 8);
    EXPECT_NEAR(pressed.green(), 200, 8);
    EXPECT_GE(pressed.blue(), 245);
    // Dark red under the mouse, with the translucent mouse rectangle over it.
    const QColor underMouse = PixelIn(image, model.cells[20], 3, 3);
    EXPECT_GE(underMouse.red(), 140);
    EXPECT_LE(underMouse.green(), 5);
    EXPECT_LE(underMouse.blue(), 5);
}

}  // namespace
