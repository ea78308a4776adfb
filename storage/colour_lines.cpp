#include "storage/colour_lines.h"

#include <QList>

#include <algorithm>
#include <vector>

namespace {

// The groups after the tag, in order, with their digits. The last two come
// only when they say something, and are told apart by their lengths: Colours
// when the channels carry other colours than one each from red on,
// SceneLevels when an RGBWAF gear keeps a colour with a scene.
enum Group { Address, Features, Coolest, Warmest, PhysicalCoolest, PhysicalWarmest, PowerOn, SystemFailure,
             PowerOnLevels, SystemFailureLevels, Scenes, Colours, SceneLevels, GroupCount };
constexpr int kDigits[GroupCount] = {2, 2, 4, 4, 4, 4, 4, 4, 2 * kColourChannels, 2 * kColourChannels, 4 * 16, 2,
                                     16 * 2 * kColourChannels};

struct WordField {
    Group group;
    uint16_t ColourSettings::*field;
};
constexpr WordField kWords[] = {
    {Coolest, &ColourSettings::coolest},
    {Warmest, &ColourSettings::warmest},
    {PhysicalCoolest, &ColourSettings::physicalCoolest},
    {PhysicalWarmest, &ColourSettings::physicalWarmest},
    {PowerOn, &ColourSettings::powerOnMirek},
    {SystemFailure, &ColourSettings::systemFailureMirek},
};

QString levelsText(const ChannelLevels& levels) {
    QString text;
    for (uint8_t level : levels)
        text += QString::asprintf("%02X", level);
    return text;
}

// Exactly `digits` upper- or lower-case hexadecimal digits, from the left.
std::optional<uint32_t> hexValue(QStringView text) {
    uint32_t value = 0;
    for (QChar c : text) {
        const int digit = QStringView(u"0123456789ABCDEF").indexOf(c.toUpper());
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + uint32_t(digit);
    }
    return value;
}

}  // namespace

QString FormatColourLine(int address, const ColourSettings& c) {
    QString line = kColourTag + QString::asprintf("%02X %02X", unsigned(address & 0x3F), c.features);
    for (const WordField& w : kWords)
        line += QString::asprintf(" %04X", c.*w.field);
    line += QLatin1Char(' ') + levelsText(c.powerOnLevels) + QLatin1Char(' ') + levelsText(c.systemFailureLevels) +
            QLatin1Char(' ');
    for (uint16_t mirek : c.sceneMirek)
        line += QString::asprintf("%04X", mirek);
    ColourSettings oneColourEach = c;
    oneColourEach.colours = 0;
    if (c.colours != 0 && c.colourMask() != oneColourEach.colourMask())
        line += QString::asprintf(" %02X", c.colours);
    if (c.sceneLevels != kNoSceneLevels) {
        line += QLatin1Char(' ');
        for (const ChannelLevels& levels : c.sceneLevels)
            line += levelsText(levels);
    }
    return line;
}

std::optional<std::pair<int, ColourSettings>> ParseColourLine(QStringView line) {
    if (!line.startsWith(kColourTag))
        return std::nullopt;
    const QList<QStringView> groups = line.mid(kColourTag.size()).split(u' ');
    if (groups.size() < Colours || groups.size() > GroupCount)
        return std::nullopt;
    std::vector<QStringView> parts(GroupCount);
    std::copy_n(groups.begin(), qsizetype(Colours), parts.begin());
    for (qsizetype g = Colours; g < groups.size(); ++g) {
        const Group optional = groups[g].size() == kDigits[Colours] ? Colours : SceneLevels;
        if (!parts[optional].isNull() || (optional == Colours && g != Colours))
            return std::nullopt;  // twice, or out of order
        parts[optional] = groups[g];
    }
    for (int g = 0; g < GroupCount; ++g)
        if (!parts[size_t(g)].isNull() && (parts[size_t(g)].size() != kDigits[g] || !hexValue(parts[size_t(g)])))
            return std::nullopt;
    const auto value = [&](Group g, qsizetype from = 0, qsizetype digits = -1) {
        return *hexValue(parts[size_t(g)].mid(from, digits < 0 ? kDigits[g] : digits));
    };
    const int address = int(value(Address));
    if (address >= 64)
        return std::nullopt;
    ColourSettings c;
    c.features = uint8_t(value(Features));
    if (c.features == 0)  // what no colour gear has: no line is written for it
        return std::nullopt;
    for (const WordField& w : kWords)
        c.*w.field = uint16_t(value(w.group));
    for (qsizetype i = 0; i < kColourChannels; ++i) {
        c.powerOnLevels[size_t(i)] = uint8_t(value(PowerOnLevels, 2 * i, 2));
        c.systemFailureLevels[size_t(i)] = uint8_t(value(SystemFailureLevels, 2 * i, 2));
    }
    for (qsizetype n = 0; n < 16; ++n)
        c.sceneMirek[size_t(n)] = uint16_t(value(Scenes, 4 * n, 4));
    if (!parts[Colours].isNull())
        c.colours = uint8_t(value(Colours) & 0x3F);
    for (qsizetype n = 0; n < 16 && !parts[SceneLevels].isNull(); ++n)
        for (qsizetype i = 0; i < kColourChannels; ++i)
            c.sceneLevels[size_t(n)][size_t(i)] = uint8_t(value(SceneLevels, 2 * (n * kColourChannels + i), 2));
    return std::make_pair(address, c);
}
