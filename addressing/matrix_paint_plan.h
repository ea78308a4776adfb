#pragma once
// What one repaint of the device matrix draws, in order, computed from the
// model alone so that drawing can be checked without a window. The widget
// executes the plan with its painter.

#include "addressing/matrix_model.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

struct Argb {
    uint8_t alpha = 0;
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
};

// Every fill is a linear gradient from a first to a second colour.
enum class MatrixFill {
    Absent,          // cell without gear: grey
    Present,         // cell with gear: blue
    Selected,        // selected cell with gear: orange
    DragPressed,     // the pressed cell while the button is held in a drag: light blue
    DragTarget,      // the target cell of a drag: cyan
    DragUnderMouse,  // the cell under the mouse in a drag: dark red
    MouseFollower,   // cell-sized rectangle following the mouse: translucent red
    GroupBar,        // bar of a group member: green, fading in from the top
    EmergencyMark,   // corner square of an emergency luminaire: safety green
    ColourMark,      // corner square of a colour gear: magenta to violet
};

struct FillColours {
    Argb first;
    Argb second;
};

FillColours MatrixFillColours(MatrixFill fill);
// A cell's own fill, without the drag: absent, present or selected.
MatrixFill CellFill(const MatrixCell& cell);

inline constexpr Argb kMatrixOutlineColour{255, 192, 192, 192};  // 1-pixel outline of every fill
inline constexpr Argb kMatrixTextColour{255, 255, 255, 255};
inline constexpr int32_t kGroupBarHeight = 15;
inline constexpr int32_t kGroupBarGradientLength = 70;  // measured from the cell's top
inline constexpr char kBarLabelTooWide[] = "????";
inline constexpr int32_t kEmergencyMarkSize = 8;   // square in a top corner
inline constexpr int32_t kEmergencyMarkInset = 2;  // from the cell's edges

// What kind of gear a present cell holds, as a square in one of its top
// corners: an emergency luminaire top right, a colour gear top left.
struct CellMark {
    MatrixFill fill;
    bool right;  // the top-right corner, else the top-left
};
std::vector<CellMark> CellMarks(const MatrixModel& model, int cell);

// The line along which a gradient runs from its first to its second colour.
struct GradientLine {
    int32_t x1 = 0;
    int32_t y1 = 0;
    int32_t x2 = 0;
    int32_t y2 = 0;
};

struct MatrixPaintOp {
    enum class Kind {
        Background,  // the whole client area in the button-face colour
        Fill,        // box filled along gradient, then outlined
        CellText,    // text centred in box (the cell)
        BarLabel,    // text centred in box (the group bar)
    };
    Kind kind = Kind::Background;
    int cell = -1;  // the cell drawn; -1 for the background and the mouse rectangle
    MatrixFill fill = MatrixFill::Absent;
    CellBox box;
    GradientLine gradient;
    QString text;
};

// Width of a text in the bar label's font, in pixels.
using TextWidthFn = std::function<int(const QString&)>;

// Plans one repaint. Planning is the repaint as far as the model can tell: when
// the cell under a dragged mouse differs from lastTrackedCell it sends TRACK
// for it and remembers it, exactly once per change.
std::vector<MatrixPaintOp> PlanMatrixPaint(MatrixModel& model, const TextWidthFn& barLabelWidth);
