#pragma once
// The colour settings of a colour gear (device type 8) in project and device
// files: one comment line per gear after its device line's kin,
//   #kelvane-colour 05 02 00A0 015E 0099 0172 00C8 FFFF FFFFFFFFFFFF FFFFFFFFFFFF <16 x 4 digits>
// address, colour type features, coolest, warmest, physical coolest, physical
// warmest, power-on and system-failure colour temperature (mirek), power-on
// and system-failure channel levels (6 x 2 digits), the 16 scene colour
// temperatures; then, only when the channels carry other colours than one
// each from red on, the colours they carry (bit 0 red .. bit 5 freecolour);
// then, only when an RGBWAF gear keeps a colour with a scene, the 16 scenes'
// channel levels (16 x 6 x 2 digits);
// upper-case hexadecimal, FFFF and FF for MASK. The colour shown
// now is the gear's, not the project's: it is not kept. A gear without colour
// (features 0) has no line.

#include "devices/colour_settings.h"

#include <QString>
#include <QStringView>

#include <optional>

inline const QString kColourTag = QStringLiteral("#kelvane-colour ");

// The line of this address's colour (no line feed).
QString FormatColourLine(int address, const ColourSettings& colour);

// The address and colour of a line that starts with kColourTag; nothing for a
// line of any other form or with features 0, so a damaged line changes no
// record. The colour shown now stays MASK.
std::optional<std::pair<int, ColourSettings>> ParseColourLine(QStringView line);
