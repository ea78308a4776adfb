#pragma once
// A colour gear's settings in words, as the colour tab and the report show them.

#include "devices/colour_settings.h"

#include <QString>

// "Farbtemperatur (Tc), RGBWAF, 3 Kanäle"; "Keine Farbsteuerung" without colour features.
QString ColourTypeText(const ColourSettings& colour, const QString& languageModulePath);

// "4000 K"; empty for MASK or 0.
QString KelvinText(uint16_t mirek);

// The levels of the colours the gear's channels carry, red first, as
// "255/128/0"; empty when none of them is known.
QString ChannelLevelsText(const ColourSettings& colour, const ChannelLevels& levels);
