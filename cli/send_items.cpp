#include "cli/send_items.h"

namespace {

// A number in range, or "mask" where MASK is allowed.
std::optional<int> number(const QString& text, int low, int high, bool maskAllowed) {
    if (maskAllowed && text == QLatin1String("mask"))
        return kLevelMask;
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok || value < low || value > high || text.startsWith(QLatin1Char('+')))
        return std::nullopt;
    return value;
}

std::optional<uint16_t> groupMask(const QString& text) {
    if (text == QLatin1String("none"))
        return uint16_t(0);
    uint16_t mask = 0;
    for (const QString& part : text.split(QLatin1Char(','))) {
        const std::optional<int> group = number(part, 0, 15, false);
        if (!group)
            return std::nullopt;
        mask = uint16_t(mask | (1U << *group));
    }
    return mask;
}

struct LevelItem {
    const char* name;
    BasicItem item;
    uint8_t BasicSettings::*value;
    int low, high;
    bool maskAllowed;
};

constexpr LevelItem kLevelItems[] = {
    {"max", BasicItem::MaxLevel, &BasicSettings::maxLevel, 1, 254, false},
    {"min", BasicItem::MinLevel, &BasicSettings::minLevel, 1, 254, false},
    {"poweron", BasicItem::PowerOnLevel, &BasicSettings::powerOnLevel, 0, 254, true},
    {"failure", BasicItem::FailureLevel, &BasicSettings::systemFailureLevel, 0, 254, true},
    {"fadetime", BasicItem::FadeTime, &BasicSettings::fadeTime, 0, 15, false},
    {"faderate", BasicItem::FadeRate, &BasicSettings::fadeRate, 1, 15, false},
    {"fastfade", BasicItem::FastFadeTime, &BasicSettings::fastFadeTime, 0, 27, false},
};

}  // namespace

BasicSettings SendItems::BasicFor(const DeviceRecord& record) const {
    BasicSettings settings = basic;
    auto keep = [&](BasicItem item, uint8_t& value, uint8_t recorded) {
        if (!settings.IsTicked(item))
            value = recorded;
    };
    keep(BasicItem::MaxLevel, settings.maxLevel, record.maxLevel);
    keep(BasicItem::MinLevel, settings.minLevel, record.minLevel);
    keep(BasicItem::PowerOnLevel, settings.powerOnLevel, record.powerOnLevel);
    keep(BasicItem::FailureLevel, settings.systemFailureLevel, record.systemFailureLevel);
    keep(BasicItem::FadeTime, settings.fadeTime, record.fadeTime);
    keep(BasicItem::FadeRate, settings.fadeRate, record.fadeRate);
    keep(BasicItem::DimmingCurve, settings.dimmingCurve, record.dimmingCurve);
    keep(BasicItem::FastFadeTime, settings.fastFadeTime, record.fastFadeTime);
    if (!settings.IsTicked(BasicItem::Groups))
        settings.groupMask = record.groupMask;
    settings.actualLevel = record.actualLevel;
    return settings;
}

SceneSettings SendItems::ScenesFor(const DeviceRecord& record) const {
    SceneSettings settings;
    for (size_t s = 0; s < kSceneCount; ++s)
        settings.sceneLevel[s] = scenes[s].value_or(record.sceneLevel[s]);
    return settings;
}

SendItems ParseSendItems(const QStringList& words) {
    SendItems items;
    items.basic.ticked.fill(false);
    for (const QString& word : words) {
        const QString name = word.section(QLatin1Char('='), 0, 0);
        const QString value = word.section(QLatin1Char('='), 1);
        bool known = word.contains(QLatin1Char('='));
        bool valid = false;
        if (known && name == QLatin1String("curve")) {
            valid = value == QLatin1String("log") || value == QLatin1String("linear");
            items.basic.dimmingCurve = value == QLatin1String("linear") ? 1 : 0;
            items.basic.Tick(BasicItem::DimmingCurve, true);
        } else if (known && name == QLatin1String("groups")) {
            const std::optional<uint16_t> mask = groupMask(value);
            valid = mask.has_value();
            items.basic.groupMask = mask.value_or(0);
            items.basic.Tick(BasicItem::Groups, true);
        } else if (known && name.startsWith(QLatin1String("scene"))) {
            const std::optional<int> scene = number(name.mid(5), 0, 15, false);
            const std::optional<int> level = number(value, 0, 254, true);
            known = scene.has_value();
            valid = level.has_value();
            if (known && valid) {
                items.scenes[size_t(*scene)] = uint8_t(*level);
                items.anyScene = true;
            }
        } else {
            known = false;
            for (const LevelItem& item : kLevelItems) {
                if (!word.contains(QLatin1Char('=')) || name != QLatin1String(item.name))
                    continue;
                known = true;
                const std::optional<int> level = number(value, item.low, item.high, item.maskAllowed);
                valid = level.has_value();
                items.basic.*item.value = uint8_t(level.value_or(0));
                items.basic.Tick(item.item, true);
            }
        }
        items.anyBasic = items.anyBasic || (known && !name.startsWith(QLatin1String("scene")));
        if (!known || !valid) {
            items.badWord = word;
            items.unknownItem = !known;
            return items;
        }
    }
    return items;
}
