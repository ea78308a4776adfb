#include "devices/level_text.h"

#include "devices/device_record.h"

#include <cmath>

namespace {

struct CurveException {
    int level;
    double percent;
};

// Entries whose shown value departs from the rounded curve formula.
constexpr CurveException kCurveExceptions[] = {
    {38, 0.274},  {55, 0.434},  {76, 0.774},   {103, 1.650},  {115, 2.245},
    {129, 3.297}, {132, 3.578}, {190, 17.442}, {207, 27.712},
};

std::array<double, 255> BuildDimmingCurveTable() {
    std::array<double, 255> table{};
    table[0] = 0.0;
    for (int n = 1; n < 255; ++n) {
        const double percent = std::pow(10.0, (n - 1) / (253.0 / 3.0) - 1.0);
        table[size_t(n)] = std::round(percent * 1000.0) / 1000.0;
    }
    for (const CurveException& exception : kCurveExceptions)
        table[size_t(exception.level)] = exception.percent;
    return table;
}

}  // namespace

const std::array<double, 255>& DimmingCurveTable() {
    static const std::array<double, 255> table = BuildDimmingCurveTable();
    return table;
}

QString LevelText(uint8_t level, uint8_t dimmingCurve) {
    if (level == kLevelMask)
        return QStringLiteral("MASK");
    if (dimmingCurve != 0)
        return QString::asprintf("%0.3f%%", level / 254.0 * 100.0);
    return QString::asprintf("%0.3f%% ", DimmingCurveTable()[level]);
}
