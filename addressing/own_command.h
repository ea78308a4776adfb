#pragma once
// Codes of the main view's own notification (WM_OWN_COMMAND): the device
// matrix and the tabs tell the view what happened with a code and an index
// (a cell index 0..63, -1, or 0 for the codes that carry no index).

inline constexpr int WM_OWN_COMMAND_CLICK = 1;    // matrix: selection changed
inline constexpr int WM_OWN_COMMAND_MOVE = 4;     // matrix: a cell was dropped on another cell
inline constexpr int WM_OWN_COMMAND_UPDATE = 8;   // basic tab: redraw the matrix from the records
inline constexpr int WM_OWN_COMMAND_CLOSE = 16;   // main window: about to close
inline constexpr int WM_OWN_COMMAND_SEND = 32;    // tabs' "Send" buttons
inline constexpr int WM_OWN_COMMAND_MOVING = 64;  // matrix: a drag has begun or goes on
inline constexpr int WM_OWN_COMMAND_TRACK = 128;  // matrix: the cell under the dragged mouse changed
