#include "addressing/matrix_model.h"
#include "addressing/matrix_paint_plan.h"
#include "addressing/own_command.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <vector>

namespace {

using Notes = std::vector<std::pair<int, int>>;  // (code, index) in the order sent

// Key state with exactly the named buttons and modifiers held.
MouseKeys Held(std::initializer_list<bool MouseKeys::*> held) {
    MouseKeys keys;
    for (bool MouseKeys::*key : held)
        keys.*key = true;
    return keys;
}

const MouseKeys kLeft = Held({&MouseKeys::left});
const MouseKeys kNone;
const MouseKeys kCtrl = Held({&MouseKeys::ctrl});

// The matrix as the main view sets it up: 8 x 8 cells, gap 4, drag and drop and
// Ctrl multi-select on, laid out over a 300 x 300 client area.
class MatrixModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        model.columns = 8;
        model.rows = 8;
        model.gap = 4;
        model.dragEnabled = 1;
        model.ctrlMultiSelect = 1;
        model.Layout({0, 0, 300, 300});
        for (int i = 0; i < kMatrixCellCount; ++i)
            model.cells[size_t(i)].cellText = QString::asprintf("%02d", i);
        model.notifyTarget = [this](int code, int index) { notes.emplace_back(code, index); };
        model.repaintTarget = [this] { ++repaints; };
    }

    void SetPresent(std::initializer_list<int> indexes) {
        for (int i : indexes)
            model.cells[size_t(i)].present = 1;
    }

    // Centre of a cell (8 x 8 over 300 x 300: cells of 33 pixels, 37 apart).
    static std::pair<int, int> Centre(int cell) { return {1 + (cell % 8) * 37 + 16, 1 + (cell / 8) * 37 + 16}; }

    void Press(int cell) { model.Press(Centre(cell).first, Centre(cell).second); }
    bool MoveTo(int cell, const MouseKeys& keys = kLeft) {
        return model.Move(Centre(cell).first, Centre(cell).second, keys);
    }
    void Release(int cell, const MouseKeys& keys = kNone) {
        model.Release(Centre(cell).first, Centre(cell).second, keys);
    }
    void Click(int cell, const MouseKeys& keys = kNone) {
        Press(cell);
        Release(cell, keys);
    }

    std::vector<MatrixPaintOp> Paint() {
        return PlanMatrixPaint(model, [this](const QString& text) { return labelWidths[text]; });
    }

    std::vector<int> SelectedCells() const {
        std::vector<int> selected;
        for (int i = 0; i < kMatrixCellCount; ++i)
            if (model.cells[size_t(i)].selected)
                selected.push_back(i);
        return selected;
    }

    MatrixModel model;
    Notes notes;
    int repaints = 0;
    std::map<QString, int> labelWidths;
};

// --- Layout and hit test ---

TEST_F(MatrixModelTest, LayoutOf300By300GivesCellsOf33PixelsRowByRow) {
    EXPECT_EQ(model.cellWidth, 33);  // (300 - 7 * 4 - 1) / 8
    EXPECT_EQ(model.cellHeight, 33);
    const struct {
        int cell, left, top;
    } expected[] = {{0, 1, 1}, {1, 38, 1}, {7, 260, 1}, {8, 1, 38}, {9, 38, 38}, {63, 260, 260}};
    for (const auto& e : expected) {
        const MatrixCell& cell = model.cells[size_t(e.cell)];
        EXPECT_EQ(cell.rect.left, e.left) << "cell " << e.cell;
        EXPECT_EQ(cell.rect.top, e.top) << "cell " << e.cell;
        EXPECT_EQ(cell.rect.right, e.left + 33) << "cell " << e.cell;
        EXPECT_EQ(cell.rect.bottom, e.top + 33) << "cell " << e.cell;
        EXPECT_EQ(cell.box.x, e.left);
        EXPECT_EQ(cell.box.y, e.top);
        EXPECT_EQ(cell.box.width, 33);
        EXPECT_EQ(cell.box.height, 33);
    }
}

TEST_F(MatrixModelTest, LayoutTakesTheGapCountFromColumnsAndLeavesSurplusCellsEmpty) {
    MatrixModel wide;
    wide.columns = 8;
    wide.rows = 4;
    wide.gap = 4;
    wide.Layout({0, 0, 300, 200});
    EXPECT_EQ(wide.cellWidth, 33);
    EXPECT_EQ(wide.cellHeight, 42);  // (200 - 7 * 4 - 1) / 4, seven gaps although there are four rows
    EXPECT_EQ(wide.cells[31].rect.top, 1 + 3 * 46);
    EXPECT_EQ(wide.cells[32].rect.right, 0);  // past 8 x 4: never laid out
    EXPECT_EQ(wide.HitTest(wide.cells[31].rect.left + 1, wide.cells[31].rect.top + 1), 31);
}

TEST_F(MatrixModelTest, LayoutWithoutColumnsOrRowsChangesNothing) {
    model.columns = 0;
    model.Layout({0, 0, 100, 100});
    EXPECT_EQ(model.cellWidth, 33);
    EXPECT_EQ(model.cells[9].rect.left, 38);
}

TEST_F(MatrixModelTest, HitTestExcludesBordersAndGaps) {
    EXPECT_EQ(model.HitTest(2, 2), 0);
    EXPECT_EQ(model.HitTest(33, 33), 0);
    EXPECT_EQ(model.HitTest(1, 10), -1);   // left border
    EXPECT_EQ(model.HitTest(10, 1), -1);   // top border
    EXPECT_EQ(model.HitTest(34, 10), -1);  // right border
    EXPECT_EQ(model.HitTest(10, 34), -1);  // bottom border
    EXPECT_EQ(model.HitTest(36, 10), -1);  // gap
    EXPECT_EQ(model.HitTest(39, 39), 9);
    EXPECT_EQ(model.HitTest(292, 292), 63);
    EXPECT_EQ(model.HitTest(293, 292), -1);
    EXPECT_EQ(model.HitTest(-5, -5), -1);
}

TEST_F(MatrixModelTest, DragEndTestIncludesBorders) {
    EXPECT_TRUE(model.ContainsWithBorders(0, 1, 1));
    EXPECT_TRUE(model.ContainsWithBorders(0, 34, 34));
    EXPECT_FALSE(model.ContainsWithBorders(0, 35, 34));
    EXPECT_FALSE(model.ContainsWithBorders(0, 0, 10));
    EXPECT_FALSE(model.ContainsWithBorders(-1, 10, 10));
}

// --- Clicks ---

TEST_F(MatrixModelTest, ClickOnPresentCellSelectsOnlyItAndSendsClick) {
    SetPresent({3, 12});
    model.cells[3].selected = 1;
    Click(12);
    EXPECT_EQ(notes, (Notes{{WM_OWN_COMMAND_CLICK, 12}}));
    EXPECT_EQ(SelectedCells(), std::vector<int>{12});
    EXPECT_EQ(model.selectedCount, 1);
    EXPECT_EQ(model.pressedCell, 12);
    EXPECT_EQ(model.targetCell, 12);
    EXPECT_EQ(model.lastClickedCell, 12);
    EXPECT_EQ(model.buttonHeld, 0);
    EXPECT_EQ(repaints, 1);
}

TEST_F(MatrixModelTest, ClickOnGreyCellSelectsNothingAndSendsNothing) {
    SetPresent({3});
    Click(3);
    notes.clear();
    Click(20);
    EXPECT_TRUE(notes.empty());
    EXPECT_EQ(SelectedCells(), std::vector<int>{3});
    EXPECT_EQ(model.pressedCell, -1);
    // The release lands on another cell than the (missing) pressed one.
    EXPECT_EQ(model.targetCell, 20);
    EXPECT_EQ(model.lastClickedCell, 20);
}

TEST_F(MatrixModelTest, CtrlClickTogglesOnlyThatCellAndSendsClickMinusOne) {
    SetPresent({3, 5});
    Click(3);
    Click(5, kCtrl);
    EXPECT_EQ(SelectedCells(), (std::vector<int>{3, 5}));
    EXPECT_EQ(model.selectedCount, 2);
    EXPECT_EQ(model.targetCell, -1);  // reset by the press, not set by the toggle
    Click(5, kCtrl);
    EXPECT_EQ(SelectedCells(), std::vector<int>{3});
    EXPECT_EQ(model.selectedCount, 1);
    EXPECT_EQ(notes, (Notes{{WM_OWN_COMMAND_CLICK, 3}, {WM_OWN_COMMAND_CLICK, -1}, {WM_OWN_COMMAND_CLICK, -1}}));
}

TEST_F(MatrixModelTest, CtrlClickWithoutMultiSelectSelectsOnlyTheClickedCell) {
    SetPresent({3, 5});
    Click(3);
    model.ctrlMultiSelect = 0;
    Click(5, kCtrl);
    EXPECT_EQ(SelectedCells(), std::vector<int>{5});
    EXPECT_EQ(notes.back(), std::make_pair(WM_OWN_COMMAND_CLICK, 5));
}

TEST_F(MatrixModelTest, ClickOnCellThatLostItsGearSendsNothing) {
    SetPresent({7});
    Press(7);
    model.cells[7].present = 0;
    Release(7);
    EXPECT_TRUE(notes.empty());
    EXPECT_TRUE(SelectedCells().empty());
}

TEST_F(MatrixModelTest, SelectionIsRecountedAfterTheViewHandledTheClick) {
    SetPresent({3, 4, 12});
    // The view refuses the change and restores an earlier selection of two cells.
    model.notifyTarget = [this](int code, int index) {
        notes.emplace_back(code, index);
        for (MatrixCell& cell : model.cells)
            cell.selected = 0;
        model.cells[3].selected = 1;
        model.cells[4].selected = 1;
    };
    Click(12);
    EXPECT_EQ(model.selectedCount, 2);
}

// --- Drags ---

TEST_F(MatrixModelTest, DragSendsMovingPerMoveTrackPerCellChangeAtRepaintAndMoveOnRelease) {
    SetPresent({10, 20});
    Press(10);
    EXPECT_TRUE(MoveTo(10));  // inside the pressed cell: no drag yet
    EXPECT_EQ(model.dragging, 0);
    EXPECT_TRUE(MoveTo(20));
    EXPECT_EQ(model.dragging, 1);
    Paint();
    EXPECT_TRUE(MoveTo(20));
    // Same cell under the mouse: no second TRACK.
    Paint();
    model.Move(36, 10, kLeft);  // in a gap: MOVING, but no cell to track
    Paint();
    EXPECT_TRUE(MoveTo(21));
    Paint();
    Release(21);
    EXPECT_EQ(notes, (Notes{{WM_OWN_COMMAND_MOVING, 10},
                            {WM_OWN_COMMAND_TRACK, 20},
                            {WM_OWN_COMMAND_MOVING, 10},
                            {WM_OWN_COMMAND_MOVING, 10},
                            {WM_OWN_COMMAND_MOVING, 10},
                            {WM_OWN_COMMAND_TRACK, 21},
                            {WM_OWN_COMMAND_MOVE, 21}}));
    EXPECT_EQ(model.pressedCell, 10);
    EXPECT_EQ(model.targetCell, 21);
    EXPECT_EQ(model.lastClickedCell, 21);
    EXPECT_EQ(model.lastTrackedCell, 21);
    EXPECT_EQ(model.buttonHeld, 0);
    EXPECT_TRUE(SelectedCells().empty());  // a drop selects nothing; the view does
}

TEST_F(MatrixModelTest, DragOntoGreyCellIsTrackedAndDropped) {
    SetPresent({10});
    Press(10);
    MoveTo(40);
    Paint();
    Release(40);
    EXPECT_EQ(notes, (Notes{{WM_OWN_COMMAND_MOVING, 10}, {WM_OWN_COMMAND_TRACK, 40}, {WM_OWN_COMMAND_MOVE, 40}}));
}

TEST_F(MatrixModelTest, PressedCellBorderStillCountsAsInsideForTheDrag) {
    SetPresent({0});
    Press(0);
    model.Move(34, 34, kLeft);  // bottom-right border of cell 0
    EXPECT_EQ(model.dragging, 0);
    model.Move(35, 34, kLeft);
    EXPECT_EQ(model.dragging, 1);
    EXPECT_EQ(notes, (Notes{{WM_OWN_COMMAND_MOVING, 0}}));
}

TEST_F(MatrixModelTest, BackInThePressedCellAReleaseIsAClick) {
    SetPresent({10, 20});
    Press(10);
    MoveTo(20);
    MoveTo(10);
    EXPECT_EQ(model.dragging, 0);
    Release(10);
    EXPECT_EQ(notes, (Notes{{WM_OWN_COMMAND_MOVING, 10}, {WM_OWN_COMMAND_CLICK, 10}}));
}

TEST_F(MatrixModelTest, ReleaseElsewhereAfterReturningSendsNoMoveUntilTheMouseLeavesAgain) {
    SetPresent({10, 20});
    Press(10);
    MoveTo(20);
    MoveTo(10);
    Release(20);  // no move event reported the way out
    EXPECT_EQ(notes, (Notes{{WM_OWN_COMMAND_MOVING, 10}}));
    EXPECT_EQ(model.targetCell, 20);

    notes.clear();
    Press(10);
    MoveTo(20);
    MoveTo(10);
    MoveTo(30);
    Release(30);
    EXPECT_EQ(notes, (Notes{{WM_OWN_COMMAND_MOVING, 10}, {WM_OWN_COMMAND_MOVING, 10}, {WM_OWN_COMMAND_MOVE, 30}}));
}

TEST_F(MatrixModelTest, WithTwoSelectedNoDragHappensButReleaseStillSetsTarget) {
    SetPresent({3, 4, 20});
    model.cells[3].selected = 1;
    model.cells[4].selected = 1;
    model.RecountSelected();
    Press(3);
    EXPECT_FALSE(MoveTo(20));  // no repaint and no move cursor
    EXPECT_EQ(model.dragging, 0);
    EXPECT_EQ(model.buttonHeld, 1);
    for (const MatrixPaintOp& op : Paint())
        EXPECT_NE(op.fill, MatrixFill::DragUnderMouse);
    Release(20);
    EXPECT_TRUE(notes.empty());
    EXPECT_EQ(model.targetCell, 20);
    EXPECT_EQ(model.lastClickedCell, 20);
    EXPECT_EQ(repaints, 1);  // the release only
}

TEST_F(MatrixModelTest, TrackIsNotRepeatedForTheLastReportedCellEvenInALaterDrag) {
    SetPresent({10, 30});
    Press(10);
    MoveTo(20);
    Paint();
    Release(20);
    model.ResetFlags();  // does not forget the tracked cell either
    SetPresent({10, 30});
    notes.clear();
    Press(30);
    MoveTo(20);
    Paint();
    MoveTo(21);
    Paint();
    EXPECT_EQ(notes, (Notes{{WM_OWN_COMMAND_MOVING, 30}, {WM_OWN_COMMAND_MOVING, 30}, {WM_OWN_COMMAND_TRACK, 21}}));
}

TEST_F(MatrixModelTest, MovesWithOtherKeysNeitherHoldNorDrag) {
    SetPresent({10});
    Press(10);
    const MouseKeys others[] = {Held({&MouseKeys::left, &MouseKeys::shift}), Held({&MouseKeys::left, &MouseKeys::ctrl}),
                                Held({&MouseKeys::left, &MouseKeys::right}),
                                Held({&MouseKeys::left, &MouseKeys::middle}), kNone};
    for (const MouseKeys& keys : others) {
        EXPECT_TRUE(MoveTo(20, keys));  // drag and drop is possible: repaint and move cursor
        EXPECT_EQ(model.buttonHeld, 0);
        EXPECT_EQ(model.dragging, 0);
    }
    EXPECT_TRUE(notes.empty());
    EXPECT_EQ(model.mouseX, Centre(20).first);  // the point is still remembered
    EXPECT_EQ(model.mouseKeys.left, false);
}

TEST_F(MatrixModelTest, WithoutDragEnabledMovesOnlyHoldTheButton) {
    model.dragEnabled = 0;
    SetPresent({10});
    Press(10);
    EXPECT_FALSE(MoveTo(20));
    EXPECT_EQ(model.buttonHeld, 1);
    EXPECT_EQ(model.dragging, 0);
    EXPECT_EQ(model.mouseX, 0);
    EXPECT_TRUE(notes.empty());
    EXPECT_EQ(repaints, 0);
}

TEST_F(MatrixModelTest, LeaveDropsTheHeldButtonAndRepaints) {
    SetPresent({10});
    Press(10);
    MoveTo(20);
    repaints = 0;
    model.Leave();
    EXPECT_EQ(model.buttonHeld, 0);
    EXPECT_EQ(model.dragging, 1);
    EXPECT_EQ(repaints, 1);
}

TEST_F(MatrixModelTest, ReleaseOutsideEveryCellOnlyEndsTheHold) {
    SetPresent({10});
    Press(10);
    MoveTo(20);
    model.Release(-5, -5, kNone);
    EXPECT_EQ(notes, (Notes{{WM_OWN_COMMAND_MOVING, 10}}));
    EXPECT_EQ(model.targetCell, -1);
    EXPECT_EQ(model.lastClickedCell, -1);
    EXPECT_EQ(model.dragging, 1);
    EXPECT_EQ(model.buttonHeld, 0);
}

TEST_F(MatrixModelTest, PressOnGreyCellAndMovingDrawsOnlyTheMouseRectangle) {
    SetPresent({10});
    Press(0);
    EXPECT_TRUE(model.Move(100, 120, kLeft));
    EXPECT_EQ(model.buttonHeld, 1);
    const std::vector<MatrixPaintOp> ops = Paint();
    EXPECT_TRUE(notes.empty());
    const MatrixPaintOp& last = ops.back();
    EXPECT_EQ(last.kind, MatrixPaintOp::Kind::Fill);
    EXPECT_EQ(last.fill, MatrixFill::MouseFollower);
    EXPECT_EQ(last.cell, -1);
    EXPECT_EQ(last.box.x, 100 - 16);
    EXPECT_EQ(last.box.y, 120 - 16);
    EXPECT_EQ(last.box.width, 33);
    EXPECT_EQ(last.box.height, 33);
    for (const MatrixPaintOp& op : ops)
        EXPECT_TRUE(op.fill != MatrixFill::DragPressed && op.fill != MatrixFill::DragUnderMouse &&
                    op.fill != MatrixFill::DragTarget);
}

TEST_F(MatrixModelTest, ResetFlagsClearsPresenceSelectionAndDragButKeepsGroupsAndClickHistory) {
    SetPresent({10, 20});
    model.cells[5].groupHighlight = 1;
    Click(20);
    Press(10);
    MoveTo(20);
    Paint();
    repaints = 0;
    model.ResetFlags();
    for (const MatrixCell& cell : model.cells) {
        EXPECT_EQ(cell.present, 0);
        EXPECT_EQ(cell.selected, 0);
    }
    EXPECT_EQ(model.cells[5].groupHighlight, 1);
    EXPECT_EQ(model.dragging, 0);
    EXPECT_EQ(model.pressedCell, -1);
    EXPECT_EQ(model.targetCell, -1);
    EXPECT_EQ(model.lastClickedCell, -1);  // from the press, untouched by the reset
    EXPECT_EQ(model.lastTrackedCell, 20);
    EXPECT_EQ(repaints, 1);
}

// --- Paint plan ---

TEST_F(MatrixModelTest, IdlePlanIsBackgroundThenCellFillsByFlagsThenTexts) {
    model.cells[1].present = 1;
    model.cells[2].present = 1;
    model.cells[2].selected = 1;
    model.cells[3].selected = 1;  // selected without gear stays grey
    model.cells[4].present = 2;   // only exactly 1 means present
    const std::vector<MatrixPaintOp> ops = Paint();
    ASSERT_EQ(ops.size(), 1u + 64u + 64u);
    EXPECT_EQ(ops[0].kind, MatrixPaintOp::Kind::Background);
    const MatrixFill expected[] = {MatrixFill::Absent, MatrixFill::Present, MatrixFill::Selected, MatrixFill::Absent,
                                   MatrixFill::Absent};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(ops[size_t(1 + i)].fill, expected[i]) << "cell " << i;
        EXPECT_EQ(ops[size_t(1 + i)].cell, i);
    }
    const MatrixPaintOp& fill9 = ops[1 + 9];
    EXPECT_EQ(fill9.kind, MatrixPaintOp::Kind::Fill);
    EXPECT_EQ(fill9.box.x, 38);
    EXPECT_EQ(fill9.gradient.x1, 38);
    EXPECT_EQ(fill9.gradient.y1, 38);
    EXPECT_EQ(fill9.gradient.x2, 71);
    EXPECT_EQ(fill9.gradient.y2, 71);
    const MatrixPaintOp& text63 = ops.back();
    EXPECT_EQ(text63.kind, MatrixPaintOp::Kind::CellText);
    EXPECT_EQ(text63.text, QStringLiteral("63"));
    EXPECT_EQ(text63.box.x, 260);
    EXPECT_EQ(text63.box.width, 33);
}

TEST_F(MatrixModelTest, DragPlanMarksPressedTargetAndCellUnderMouse) {
    SetPresent({10, 20});
    Press(10);
    MoveTo(20);
    model.targetCell = 30;  // as a view may leave it after a drop it did not carry out
    std::vector<MatrixPaintOp> ops = Paint();
    std::vector<std::pair<MatrixFill, int>> dragFills;
    for (const MatrixPaintOp& op : ops)
        if (op.kind == MatrixPaintOp::Kind::Fill && op.fill != MatrixFill::Absent && op.fill != MatrixFill::Present)
            dragFills.emplace_back(op.fill, op.cell);
    EXPECT_EQ(dragFills, (std::vector<std::pair<MatrixFill, int>>{{MatrixFill::DragUnderMouse, 20},
                                                                  {MatrixFill::DragPressed, 10},
                                                                  {MatrixFill::DragTarget, 30},
                                                                  {MatrixFill::MouseFollower, -1}}));
    // The cell under the mouse is drawn right over its own fill.
    EXPECT_EQ(ops[1 + 20].fill, MatrixFill::Present);
    EXPECT_EQ(ops[1 + 21].fill, MatrixFill::DragUnderMouse);

    model.Leave();  // button no longer held: no pressed colour and no mouse rectangle
    dragFills.clear();
    for (const MatrixPaintOp& op : Paint())
        if (op.kind == MatrixPaintOp::Kind::Fill && op.fill != MatrixFill::Absent && op.fill != MatrixFill::Present)
            dragFills.emplace_back(op.fill, op.cell);
    EXPECT_EQ(dragFills, (std::vector<std::pair<MatrixFill, int>>{{MatrixFill::DragUnderMouse, 20},
                                                                  {MatrixFill::DragTarget, 30}}));
}

TEST_F(MatrixModelTest, GroupBarsOnlyOnHighlightedCellsWithTheLabelRule) {
    model.cells[9].groupHighlight = 1;
    model.cells[10].groupHighlight = 1;
    model.cells[10].cellLabel = QStringLiteral("G1");
    model.cells[11].groupHighlight = 1;
    model.cells[11].cellLabel = QStringLiteral("Kitchen");
    model.cells[12].groupHighlight = 2;  // only exactly 1 draws a bar
    labelWidths[QStringLiteral("G1")] = 32;
    labelWidths[QStringLiteral("Kitchen")] = 33;  // as wide as the cell: does not fit
    std::vector<const MatrixPaintOp*> bars;
    const std::vector<MatrixPaintOp> ops = Paint();
    for (const MatrixPaintOp& op : ops)
        if (op.fill == MatrixFill::GroupBar || op.kind == MatrixPaintOp::Kind::BarLabel)
            bars.push_back(&op);
    ASSERT_EQ(bars.size(), 5u);
    EXPECT_EQ(bars[0]->cell, 9);
    EXPECT_EQ(bars[0]->box.x, 38);
    EXPECT_EQ(bars[0]->box.y, 38 + 33 - 15);
    EXPECT_EQ(bars[0]->box.width, 33);
    EXPECT_EQ(bars[0]->box.height, 15);
    EXPECT_EQ(bars[0]->gradient.x1, 38);
    EXPECT_EQ(bars[0]->gradient.y1, 38);
    EXPECT_EQ(bars[0]->gradient.x2, 38);
    EXPECT_EQ(bars[0]->gradient.y2, 38 + 70);
    EXPECT_EQ(bars[1]->cell, 10);
    EXPECT_EQ(bars[2]->kind, MatrixPaintOp::Kind::BarLabel);
    EXPECT_EQ(bars[2]->text, QStringLiteral("G1"));
    EXPECT_EQ(bars[2]->box.y, bars[1]->box.y);
    EXPECT_EQ(bars[2]->box.height, 15);
    EXPECT_EQ(bars[3]->cell, 11);
    EXPECT_EQ(bars[4]->text, QStringLiteral("????"));
    // Bars come after every cell fill and before the cell texts.
    EXPECT_EQ(&ops[1 + 64], bars[0]);
    EXPECT_EQ(ops[1 + 64 + 5].kind, MatrixPaintOp::Kind::CellText);
}

}  // namespace
