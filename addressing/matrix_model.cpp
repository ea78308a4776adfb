#include "addressing/matrix_model.h"

#include "addressing/own_command.h"

namespace {

// The interior of a rectangle: its borders do not count.
bool interiorHolds(const CellRect& r, int32_t x, int32_t y) {
    return r.left < x && x < r.right && r.top < y && y < r.bottom;
}

}  // namespace

void MatrixModel::Layout(const CellRect& client) {
    if (columns < 1 || rows < 1)
        return;  // nothing to divide the client area into
    // One gap count serves both directions; the grid is square.
    cellWidth = (client.right - client.left - (columns - 1) * gap - 1) / columns;
    cellHeight = (client.bottom - client.top - (columns - 1) * gap - 1) / rows;
    for (int32_t row = 0; row < rows; ++row) {
        for (int32_t column = 0; column < columns; ++column) {
            const int32_t index = row * columns + column;
            if (!IsCell(index))
                return;
            MatrixCell& cell = cells[size_t(index)];
            cell.rect.left = 1 + column * (cellWidth + gap);
            cell.rect.top = 1 + row * (cellHeight + gap);
            cell.rect.right = cell.rect.left + cellWidth;
            cell.rect.bottom = cell.rect.top + cellHeight;
            cell.box = {cell.rect.left, cell.rect.top, cellWidth, cellHeight};
        }
    }
}

int MatrixModel::HitTest(int32_t x, int32_t y) const {
    for (int index = 0; index < kMatrixCellCount; ++index)
        if (interiorHolds(cells[size_t(index)].rect, x, y))
            return index;
    return -1;
}

bool MatrixModel::ContainsWithBorders(int cell, int32_t x, int32_t y) const {
    if (!IsCell(cell))
        return false;
    const CellRect& r = cells[size_t(cell)].rect;
    return r.left <= x && x <= r.right && r.top <= y && y <= r.bottom;
}

void MatrixModel::ResetFlags() {
    for (MatrixCell& cell : cells) {
        cell.present = 0;
        cell.selected = 0;
    }
    dragging = 0;
    targetCell = -1;
    pressedCell = -1;
    RequestRepaint();
}

void MatrixModel::RecountSelected() {
    selectedCount = 0;
    for (const MatrixCell& cell : cells)
        if (cell.selected == 1)
            ++selectedCount;
}

void MatrixModel::RequestRepaint() const {
    if (repaintTarget)
        repaintTarget();
}

void MatrixModel::Notify(int code, int index) const {
    if (notifyTarget)
        notifyTarget(code, index);
}

void MatrixModel::Press(int32_t x, int32_t y) {
    pressedCell = -1;
    targetCell = -1;
    lastClickedCell = -1;
    dragging = 0;
    // A press on a cell without a gear presses nothing.
    for (int index = 0; index < kMatrixCellCount; ++index) {
        if (interiorHolds(cells[size_t(index)].rect, x, y) && cells[size_t(index)].present == 1) {
            pressedCell = index;
            break;
        }
    }
}

bool MatrixModel::Move(int32_t x, int32_t y, const MouseKeys& keys) {
    if (keys.LeftAlone())
        buttonHeld = 1;
    if (dragEnabled != 1 || selectedCount >= 2)
        return false;  // drag and drop needs at most one selected cell
    mouseX = x;
    mouseY = y;
    mouseKeys = keys;
    if (keys.LeftAlone() && IsPresentCell(pressedCell)) {
        if (ContainsWithBorders(pressedCell, x, y)) {
            dragging = 0;  // back in the pressed cell: a release here is a click
        } else {
            dragging = 1;
            Notify(WM_OWN_COMMAND_MOVING, pressedCell);
        }
    }
    RequestRepaint();
    return true;
}

void MatrixModel::Leave() {
    // The window reports every leave, so none has to be asked for while a button is held.
    buttonHeld = 0;
    RequestRepaint();
}

void MatrixModel::ClickCell(int cell, bool ctrl) {
    if (!IsPresentCell(cell))
        return;
    MatrixCell& clicked = cells[size_t(cell)];
    if (ctrl && ctrlMultiSelect == 1) {
        clicked.selected = clicked.selected ? 0 : 1;
    } else {
        for (MatrixCell& other : cells)
            other.selected = 0;
        clicked.selected = 1;
        targetCell = cell;
        lastClickedCell = cell;
    }
    Notify(WM_OWN_COMMAND_CLICK, lastClickedCell);
}

void MatrixModel::Release(int32_t x, int32_t y, const MouseKeys& keys) {
    const int cell = HitTest(x, y);
    if (cell != -1 && cell == pressedCell) {
        ClickCell(cell, keys.ctrl);
    } else if (cell != -1) {
        targetCell = cell;
        lastClickedCell = cell;
        if (dragging == 1)
            Notify(WM_OWN_COMMAND_MOVE, cell);
    }
    // The view may have changed the selection while it handled the notification.
    RecountSelected();
    buttonHeld = 0;
    RequestRepaint();
}
