#pragma once
// Percent text of a level byte under the gear's dimming curve.

#include <QString>

#include <array>
#include <cstdint>

// Percent values of levels 0..254 on the logarithmic dimming curve, rounded to
// three decimals (entry 1 = 0.100, entry 254 = 100.000).
const std::array<double, 255>& DimmingCurveTable();

// 255 -> "MASK"; linear curve (dimmingCurve != 0) -> "50.000%";
// logarithmic -> "3.206% " (with one trailing blank).
QString LevelText(uint8_t level, uint8_t dimmingCurve);
