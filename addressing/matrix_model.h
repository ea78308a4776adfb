#pragma once
// State and mouse protocol of the device matrix: 64 cells, one per DALI short
// address, laid out as a grid. Clicking selects, Ctrl-click toggles, dragging a
// present cell onto another one asks the main view to move the gear. The model
// draws nothing itself (see matrix_paint_plan.h) and keeps no link to the bus:
// it reports what happened through notifyTarget, synchronously, and the main
// view decides what to do.

#include <QString>

#include <array>
#include <cstdint>
#include <functional>

inline constexpr int kMatrixCellCount = 64;

// Edges of a rectangle in client coordinates; right and bottom lie one past the
// cell's last filled pixel.
struct CellRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

// The same rectangle as origin and size, as drawing wants it.
struct CellBox {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
};

struct MatrixCell {
    CellRect rect;
    CellBox box;
    QString cellText;            // drawn in the middle: the view writes the address as "%02d"
    QString cellLabel;           // drawn in the bottom bar when not empty
    uint8_t groupHighlight = 0;  // 1 = green bottom bar (member of the chosen group)
    uint8_t present = 0;         // 1 = a gear answers at this address
    uint8_t selected = 0;        // 1 = selected
};

// Buttons and modifier keys held during a mouse event.
struct MouseKeys {
    bool left = false;
    bool right = false;
    bool middle = false;
    bool shift = false;
    bool ctrl = false;

    // Exactly the left button, with no other button and no modifier.
    bool LeftAlone() const { return left && !right && !middle && !shift && !ctrl; }
};

using MatrixNotifyFn = std::function<void(int code, int index)>;

class MatrixModel {
public:
    // Computes the cell rectangles for the client rectangle. Cells are numbered
    // row by row; cells past columns x rows keep empty rectangles.
    void Layout(const CellRect& client);

    // Index of the first cell whose interior (borders excluded) holds the
    // point, or -1.
    int HitTest(int32_t x, int32_t y) const;

    // True when the point lies in the cell, borders included.
    bool ContainsWithBorders(int cell, int32_t x, int32_t y) const;

    // Clears present and selected on every cell (groupHighlight stays), ends any
    // drag and repaints.
    void ResetFlags();

    // Counts the cells whose selected flag is 1 into selectedCount.
    void RecountSelected();

    // Asks the owner of the window to repaint; callers use it after changing
    // cell flags or the drag state.
    void RequestRepaint() const;

    // The mouse protocol. Notifications go out through notifyTarget while the
    // call runs, and the target may change the model before the call goes on.
    // Left button down.
    void Press(int32_t x, int32_t y);
    // Mouse moved, with or without buttons. Returns true when the four-headed
    // move cursor is to be shown.
    bool Move(int32_t x, int32_t y, const MouseKeys& keys);
    // The mouse left the control.
    void Leave();
    // Left button up.
    void Release(int32_t x, int32_t y, const MouseKeys& keys);
    // A click on a present cell, here or elsewhere (a marker on the plan):
    // selects it alone, or with Ctrl toggles it while several may be
    // selected, and notifies the click. Nothing for a cell without gear.
    void ClickCell(int cell, bool ctrl);

    // Sends one notification to the target, if one is set.
    void Notify(int code, int index) const;

    // True when index names one of the 64 cells.
    static bool IsCell(int index) { return index >= 0 && index < kMatrixCellCount; }
    bool IsPresentCell(int index) const { return IsCell(index) && cells[size_t(index)].present == 1; }

    std::array<MatrixCell, kMatrixCellCount> cells;
    int32_t columns = 1;
    int32_t rows = 1;
    int32_t gap = 8;
    int32_t cellWidth = 0;
    int32_t cellHeight = 0;
    uint8_t dragEnabled = 0;
    uint8_t ctrlMultiSelect = 0;
    int32_t selectedCount = 0;
    int32_t pressedCell = -1;
    int32_t targetCell = -1;
    int32_t lastClickedCell = -1;
    int32_t lastTrackedCell = -1;  // only ever set by painting's TRACK; never reset
    uint8_t dragging = 0;
    uint8_t buttonHeld = 0;
    int32_t mouseX = 0;  // last mouse move seen while drag and drop was possible
    int32_t mouseY = 0;
    MouseKeys mouseKeys;

    MatrixNotifyFn notifyTarget;          // the main view
    std::function<void()> repaintTarget;  // the window that shows the model
    // What the tool tip of a cell says (the gear's name); empty: no tool tip.
    std::function<QString(int cell)> describeCell;
    // The cell's gear is an emergency luminaire, a colour gear: a mark in a
    // corner each. Asked at every repaint, so the marks follow the records
    // without a flag to keep.
    std::function<bool(int cell)> isEmergencyUnit;
    std::function<bool(int cell)> isColourGear;
};
