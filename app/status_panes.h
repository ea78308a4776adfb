#pragma once
// The main window's status bar as state: twelve panes with their placeholder
// string (which fixes a pane's minimum size), width, text and style. The
// window renders it; the flows set the texts.

#include "resources/string_table.h"

#include <QString>

#include <array>

enum class PaneStyle {
    Normal,   // black on the normal background
    Offline,  // white on red (200, 0, 0)
    Online,   // white on green (0, 180, 0)
};

struct StatusPane {
    StringId placeholderId;  // its text fixes the pane's minimum size
    int width;               // pixels; 0: as the placeholder; -1: the rest of the bar
    QString text;
    PaneStyle style = PaneStyle::Normal;
};

inline constexpr int kPaneState = 0, kPaneSerial = 2, kPaneRevision = 4, kPaneSelection = 6, kPaneCount = 8,
                     kPaneName = 10, kPaneVersion = 11;
inline constexpr int kStatusPaneCount = 12;

using StatusPanes = std::array<StatusPane, kStatusPaneCount>;

// The panes as the window creates them: placeholders and widths, no texts.
StatusPanes InitialStatusPanes();

// The program version as the window shows it: the four parts of the file
// version in upper-case hexadecimal without leading zeros ("%X.%X.%X.%X").
QString VersionText();
QString VersionText(int major, int minor, int build, int revision);
