#include "devices/colour_text.h"

#include "storage/load_text.h"

#include <QStringList>

namespace {
constexpr StringId kTunableWhite = 522, kRgbwaf = 523, kNoColour = 524;
}

QString ColourTypeText(const ColourSettings& colour, const QString& module) {
    QStringList types;
    if (colour.tunableWhite())
        types << LoadText(kTunableWhite, module);
    if (colour.channels() > 0)
        types << LoadText(kRgbwaf, module).arg(colour.channels());
    return types.isEmpty() ? LoadText(kNoColour, module) : types.join(QStringLiteral(", "));
}

QString KelvinText(uint16_t mirek) {
    const int kelvin = KelvinFromMirek(mirek);
    return kelvin > 0 ? QStringLiteral("%1 K").arg(kelvin) : QString();
}

QString ChannelLevelsText(const ColourSettings& colour, const ChannelLevels& levels) {
    QStringList shown;
    bool known = false;
    for (int i = 0; i < kColourChannels; ++i) {
        if (!colour.hasColour(i))
            continue;
        const uint8_t level = levels[size_t(i)];
        known = known || level != 255;
        shown << (level == 255 ? QStringLiteral("—") : QString::number(level));
    }
    return known ? shown.join(QLatin1Char('/')) : QString();
}
