#include "addressing/matrix_paint_plan.h"

#include "addressing/own_command.h"

namespace {

// In the order of MatrixFill.
constexpr FillColours kFillColours[] = {
    {{255, 192, 192, 192}, {255, 120, 120, 120}},  // Absent
    {{255, 0, 140, 255}, {255, 0, 70, 255}},       // Present
    {{255, 255, 170, 0}, {255, 225, 140, 0}},      // Selected
    {{255, 135, 200, 255}, {255, 105, 170, 225}},  // DragPressed
    {{255, 0, 200, 200}, {255, 0, 170, 170}},      // DragTarget
    {{255, 160, 0, 0}, {255, 130, 0, 0}},          // DragUnderMouse
    {{50, 160, 0, 0}, {50, 130, 0, 0}},            // MouseFollower
    {{0, 0, 255, 0}, {255, 0, 255, 0}},            // GroupBar
    {{255, 0, 190, 90}, {255, 0, 140, 60}},        // EmergencyMark
    {{255, 230, 0, 200}, {255, 120, 0, 220}},      // ColourMark
};

// A box filled from its top-left to its bottom-right corner.
MatrixPaintOp diagonalFill(int cell, const CellBox& box, MatrixFill fill) {
    MatrixPaintOp op;
    op.kind = MatrixPaintOp::Kind::Fill;
    op.cell = cell;
    op.fill = fill;
    op.box = box;
    op.gradient = {box.x, box.y, box.x + box.width, box.y + box.height};
    return op;
}

MatrixPaintOp textOp(MatrixPaintOp::Kind kind, int cell, const CellBox& box, const QString& text) {
    MatrixPaintOp op;
    op.kind = kind;
    op.cell = cell;
    op.box = box;
    op.text = text;
    return op;
}

void planGroupBar(std::vector<MatrixPaintOp>& ops, int index, const MatrixModel& model,
                  const TextWidthFn& barLabelWidth) {
    const MatrixCell& cell = model.cells[size_t(index)];
    const CellBox bar{cell.box.x, cell.box.y + cell.box.height - kGroupBarHeight, cell.box.width, kGroupBarHeight};
    MatrixPaintOp fill = diagonalFill(index, bar, MatrixFill::GroupBar);
    fill.gradient = {cell.box.x, cell.box.y, cell.box.x, cell.box.y + kGroupBarGradientLength};
    ops.push_back(fill);
    if (cell.cellLabel.isEmpty())
        return;
    const bool fits = barLabelWidth(cell.cellLabel) < model.cellWidth;
    ops.push_back(textOp(MatrixPaintOp::Kind::BarLabel, index, bar,
                         fits ? cell.cellLabel : QString::fromLatin1(kBarLabelTooWide)));
}

}  // namespace

FillColours MatrixFillColours(MatrixFill fill) { return kFillColours[size_t(fill)]; }

std::vector<CellMark> CellMarks(const MatrixModel& model, int cell) {
    std::vector<CellMark> marks;
    if (model.cells[size_t(cell)].present != 1)
        return marks;
    if (model.isEmergencyUnit && model.isEmergencyUnit(cell))
        marks.push_back({MatrixFill::EmergencyMark, true});
    if (model.isColourGear && model.isColourGear(cell))
        marks.push_back({MatrixFill::ColourMark, false});
    return marks;
}

MatrixFill CellFill(const MatrixCell& cell) {
    if (cell.present != 1)
        return MatrixFill::Absent;
    return cell.selected == 1 ? MatrixFill::Selected : MatrixFill::Present;
}

std::vector<MatrixPaintOp> PlanMatrixPaint(MatrixModel& model, const TextWidthFn& barLabelWidth) {
    std::vector<MatrixPaintOp> ops;
    ops.push_back(MatrixPaintOp{});  // background

    const bool dragShown = model.dragEnabled == 1 && model.selectedCount < 2 && model.dragging == 1;
    const int underMouse = dragShown ? model.HitTest(model.mouseX, model.mouseY) : -1;
    for (int index = 0; index < kMatrixCellCount; ++index) {
        const MatrixCell& cell = model.cells[size_t(index)];
        ops.push_back(diagonalFill(index, cell.box, CellFill(cell)));
        if (index != underMouse)
            continue;
        ops.push_back(diagonalFill(index, cell.box, MatrixFill::DragUnderMouse));
        if (index != model.lastTrackedCell) {
            model.lastTrackedCell = index;
            model.Notify(WM_OWN_COMMAND_TRACK, index);
        }
    }
    // Cells do not overlap, so the pressed and target fills drawn once after all
    // cells look the same as redrawing them after every cell: on each cell the
    // latest fill wins, the target's above the pressed one's.
    if (dragShown && model.buttonHeld == 1 && model.IsCell(model.pressedCell))
        ops.push_back(
            diagonalFill(model.pressedCell, model.cells[size_t(model.pressedCell)].box, MatrixFill::DragPressed));
    if (dragShown && model.IsCell(model.targetCell) && model.IsCell(model.pressedCell))
        ops.push_back(
            diagonalFill(model.targetCell, model.cells[size_t(model.targetCell)].box, MatrixFill::DragTarget));

    // Above every cell fill, so a selected or dragged gear keeps its marks.
    for (int index = 0; index < kMatrixCellCount; ++index) {
        const CellBox& box = model.cells[size_t(index)].box;
        for (const CellMark& mark : CellMarks(model, index)) {
            const int32_t x = mark.right ? box.x + box.width - kEmergencyMarkSize - kEmergencyMarkInset
                                         : box.x + kEmergencyMarkInset;
            ops.push_back(diagonalFill(index, {x, box.y + kEmergencyMarkInset, kEmergencyMarkSize, kEmergencyMarkSize},
                                       mark.fill));
        }
    }

    for (int index = 0; index < kMatrixCellCount; ++index)
        if (model.cells[size_t(index)].groupHighlight == 1)
            planGroupBar(ops, index, model, barLabelWidth);

    for (int index = 0; index < kMatrixCellCount; ++index)
        ops.push_back(textOp(MatrixPaintOp::Kind::CellText, index, model.cells[size_t(index)].box,
                             model.cells[size_t(index)].cellText));

    if (model.dragEnabled == 1 && model.buttonHeld == 1) {
        const CellBox follower{model.mouseX - model.cellWidth / 2, model.mouseY - model.cellHeight / 2, model.cellWidth,
                               model.cellHeight};
        ops.push_back(diagonalFill(-1, follower, MatrixFill::MouseFollower));
    }
    return ops;
}
