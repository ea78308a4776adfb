#include "devices/bank_layouts.h"

#include "storage/load_text.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr StringId kNotAvailable = 796, kUnknown = 797, kYesTimes = 840, kNoTimes = 841, kYes = 842, kNo = 843,
                   kDistributionType = 844, kNotSpecified = 845, kNotImplemented = 846, kLastLocation = 876,
                   kLockByte = 877, kScaleOf = 878, kCounterOf = 879;

using K = FieldKind;
constexpr Masks kNoMask = Masks::None, kBoth = Masks::MaskAndTmask;

// Bank 0 of DALI-2 gear; edition-1 gear end after a 4-byte serial number.
constexpr BankField kBank0[] = {
    {0, 0x02, 1, 890, K::Number, 0, "", kNoMask},
    {0, 0x03, 6, 730, K::Number, 0, "", kNoMask},
    {0, 0x09, 2, 731, K::Release, 0, "", kNoMask},
    {0, 0x0B, 8, 729, K::Hex, 0, "", kNoMask},
    {0, 0x13, 2, 891, K::Release, 0, "", kNoMask},
    {0, 0x15, 1, 892, K::Version},
    {0, 0x16, 1, 893, K::Version},
    {0, 0x17, 1, 894, K::Version},
    {0, 0x18, 1, 895, K::Number},
    {0, 0x19, 1, 896, K::Number},
    {0, 0x1A, 1, 897, K::Number},
};
constexpr BankField kBank0Edition1[] = {
    {0, 0x02, 1, 890, K::Number, 0, "", kNoMask},
    {0, 0x03, 6, 730, K::Number, 0, "", kNoMask},
    {0, 0x09, 2, 731, K::Release, 0, "", kNoMask},
    {0, 0x0B, 4, 729, K::Hex, 0, "", kNoMask},
};

constexpr BankField kBank1[] = {
    {1, 0x03, 6, 798, K::Number},
    {1, 0x09, 8, 799, K::Hex},
    {1, 0x13, 1, 800, K::Year},
    {1, 0x14, 1, 801, K::Number},
    {1, 0x15, 2, 802, K::Number, 0, "W"},
    {1, 0x17, 2, 803, K::Number, 0, "W"},
    {1, 0x19, 2, 804, K::Number, 0, "V"},
    {1, 0x1B, 2, 805, K::Number, 0, "V"},
    {1, 0x1D, 3, 806, K::Number, 0, "lm"},
    {1, 0x20, 1, 807, K::Number},
    {1, 0x21, 2, 808, K::Number, 0, "K"},
    {1, 0x23, 1, 809, K::Distribution},
    {1, 0x24, 24, 810, K::Text, 0, "", kNoMask},
    {1, 0x3C, 60, 811, K::Text, 0, "", kNoMask},
};

// Energy in Wh and power in W, each after its scale byte; energy shown in kWh.
constexpr BankField kBank202[] = {
    {202, 0x04, 6, 812, K::Scaled, -3, "kWh", kBoth},
    {202, 0x0B, 4, 813, K::Scaled, 0, "W", kBoth},
};
constexpr BankField kBank203[] = {
    {203, 0x04, 6, 814, K::Scaled, -3, "kVAh", kBoth},
    {203, 0x0B, 4, 815, K::Scaled, 0, "VA", kBoth},
};
constexpr BankField kBank204[] = {
    {204, 0x04, 6, 816, K::Scaled, -3, "kWh", kBoth},
    {204, 0x0B, 4, 817, K::Scaled, 0, "W", kBoth},
};

constexpr BankField kBank205[] = {
    {205, 0x04, 4, 820, K::Hours, 0, "h"},
    {205, 0x08, 3, 821, K::Number},
    {205, 0x0B, 2, 822, K::Number, -1, "V", kBoth},
    {205, 0x0D, 1, 823, K::Number, 0, "Hz", kBoth},
    {205, 0x0E, 1, 824, K::Number, -2, "", kBoth},
    {205, 0x0F, 1, 825, K::Flag, 0, "", kBoth, 0x10},
    {205, 0x11, 1, 826, K::Flag, 0, "", kBoth, 0x12},
    {205, 0x13, 1, 827, K::Flag, 0, "", kBoth, 0x14},
    {205, 0x15, 1, 828, K::Flag, 0, "", kBoth, 0x16},
    {205, 0x17, 1, 829, K::Flag, 0, "", kBoth, 0x18},
    {205, 0x19, 1, 830, K::Flag, 0, "", kBoth, 0x1A},
    {205, 0x1B, 1, 831, K::Temperature, 0, "°C", kBoth},
    {205, 0x1C, 1, 832, K::Number, 0, "%", kBoth},
};

constexpr BankField kBank206[] = {
    {206, 0x07, 3, 821, K::Number},
    {206, 0x0E, 4, 820, K::Hours, 0, "h"},
    {206, 0x12, 2, 833, K::Number, -1, "V", kBoth},
    {206, 0x14, 2, 834, K::Number, -3, "A", kBoth},
    {206, 0x16, 1, 825, K::Flag, 0, "", kBoth, 0x17},
    {206, 0x18, 1, 835, K::Flag, 0, "", kBoth, 0x19},
    {206, 0x1A, 1, 836, K::Flag, 0, "", kBoth, 0x1B},
    {206, 0x1C, 1, 829, K::Flag, 0, "", kBoth, 0x1D},
    {206, 0x1E, 1, 830, K::Flag, 0, "", kBoth, 0x1F},
    {206, 0x20, 1, 831, K::Temperature, 0, "°C", kBoth},
};

constexpr BankField kBank207[] = {
    {207, 0x04, 1, 837, K::Number, 3, "h"},
    {207, 0x05, 1, 838, K::Temperature, 0, "°C"},
    {207, 0x06, 2, 839, K::Number, 2},
};

constexpr StringId kGearPrefix = 818, kLightSourcePrefix = 819;

constexpr BankLayout kIdentity{0, BankSection::Identity, false, 0, kBank0};
constexpr BankLayout kIdentityEdition1{0, BankSection::Identity, false, 0, kBank0Edition1};

constexpr BankLayout kLayouts[] = {
    {1, BankSection::Luminaire, false, 0, kBank1},
    {202, BankSection::Energy, true, 0, kBank202},
    {203, BankSection::Energy, true, 0, kBank203},
    {204, BankSection::Energy, true, 0, kBank204},
    {205, BankSection::Health, true, kGearPrefix, kBank205},
    {206, BankSection::Health, true, kLightSourcePrefix, kBank206},
    {207, BankSection::Maintenance, false, 0, kBank207},
};

enum class Pattern { Value, Mask, Tmask };

Pattern patternOf(const BankField& field, uint64_t raw) {
    const int bits = 8 * field.size;
    const uint64_t all = bits >= 64 ? ~uint64_t{0} : (uint64_t{1} << bits) - 1;
    if (field.masks != Masks::None && raw == all)
        return Pattern::Mask;
    if (field.masks == Masks::MaskAndTmask && raw == all - 1)
        return Pattern::Tmask;
    return Pattern::Value;
}

int valueLocation(const BankField& field) { return field.kind == K::Scaled ? field.location + 1 : field.location; }

// The shown number: digits after the point as the power of ten asks.
QString numberText(double value, int exponent, const char* unit) {
    const QString number = QString::number(value, 'f', std::max(0, -exponent));
    return *unit ? number + QLatin1Char(' ') + QString::fromUtf8(unit) : number;
}

QString textOf(const BankField& field, const MemoryBankBytes& bytes) {
    QString text;
    for (int i = 0; i < field.size; ++i) {
        const std::optional<uint8_t> byte = bytes.at(field.location + i);
        if (!byte || *byte == 0 || *byte > 0x7E)
            break;
        text += QLatin1Char(char(*byte));
    }
    return text;
}

}  // namespace

uint8_t BankLayout::lastFieldLocation() const {
    int last = 0;
    for (const BankField& field : fields)
        last = std::max({last, valueLocation(field) + field.size - 1, int(field.counterAt)});
    return uint8_t(last);
}

std::span<const BankLayout> LuminaireBankLayouts() { return kLayouts; }

const BankLayout& Bank0Layout(bool dali2) { return dali2 ? kIdentity : kIdentityEdition1; }

const BankLayout* FindBankLayout(uint8_t bank) {
    if (bank == 0)
        return &kIdentity;
    const auto it = std::find_if(std::begin(kLayouts), std::end(kLayouts), [&](const BankLayout& l) { return l.bank == bank; });
    return it == std::end(kLayouts) ? nullptr : &*it;
}

QString FieldLabel(const BankLayout& layout, const BankField& field, const QString& module) {
    const QString name = LoadText(field.name, module);
    return layout.fieldPrefix ? LoadText(layout.fieldPrefix, module).arg(name) : name;
}

QString LocationMeaning(uint8_t bank, int location, const QString& module) {
    if (location == 0)
        return LoadText(kLastLocation, module);
    if (location == 2 && bank != 0)
        return LoadText(kLockByte, module);
    const BankLayout* layout = FindBankLayout(bank);
    if (!layout)
        return {};
    for (const BankField& field : layout->fields) {
        const QString label = FieldLabel(*layout, field, module);
        if (field.kind == K::Scaled && location == field.location)
            return LoadText(kScaleOf, module).arg(label);
        if (field.kind == K::Flag && location == field.counterAt)
            return LoadText(kCounterOf, module).arg(label);
        const int first = valueLocation(field);
        if (location >= first && location < first + field.size)
            return field.size == 1 ? label
                                   : QStringLiteral("%1 [%2/%3]").arg(label).arg(location - first + 1).arg(field.size);
    }
    return {};
}

std::optional<double> FieldValue(const BankField& field, const MemoryBankBytes& bytes) {
    const std::optional<uint64_t> raw = bytes.bigEndian(valueLocation(field), field.size);
    if (!raw || patternOf(field, *raw) != Pattern::Value)
        return std::nullopt;
    switch (field.kind) {
        case K::Scaled: {
            const std::optional<uint8_t> scale = bytes.at(field.location);
            if (!scale)
                return std::nullopt;
            return double(*raw) * std::pow(10.0, int(int8_t(*scale)) + field.exponent);
        }
        case K::Hours:  // whole hours run
            return std::floor(double(*raw) / 3600);
        case K::Temperature:
            return double(*raw) - 60;
        case K::Year:
            return 2000 + double(*raw);
        default:
            return double(*raw) * std::pow(10.0, field.exponent);
    }
}

QString FieldText(const BankField& field, const MemoryBankBytes& bytes, const QString& module) {
    if (field.kind == K::Text)
        return textOf(field, bytes);
    const std::optional<uint64_t> raw = bytes.bigEndian(valueLocation(field), field.size);
    if (!raw)
        return LoadText(kNotImplemented, module);
    switch (patternOf(field, *raw)) {
        case Pattern::Mask:
            return LoadText(kNotAvailable, module);
        case Pattern::Tmask:
            return LoadText(kUnknown, module);
        case Pattern::Value:
            break;
    }
    switch (field.kind) {
        case K::Hex:
            return QStringLiteral("%1").arg(*raw, 2 * field.size, 16, QLatin1Char('0')).toUpper();
        case K::Flag: {
            const std::optional<uint8_t> counter = bytes.at(field.counterAt);
            const bool set = *raw != 0;
            if (!counter || *counter >= 0xFE)
                return LoadText(set ? kYes : kNo, module);
            return LoadText(set ? kYesTimes : kNoTimes, module).arg(*counter);
        }
        case K::Version:
            return QStringLiteral("%1.%2").arg(*raw >> 2).arg(*raw & 3);
        case K::Release:
            return QStringLiteral("%1.%2").arg(*raw >> 8).arg(*raw & 0xFF);
        case K::Distribution:
            return *raw == 0 ? LoadText(kNotSpecified, module) : LoadText(kDistributionType, module).arg(*raw);
        case K::Scaled: {
            const std::optional<uint8_t> scale = bytes.at(field.location);
            if (!scale)
                return LoadText(kNotImplemented, module);
            const std::optional<double> value = FieldValue(field, bytes);
            return numberText(*value, int(int8_t(*scale)) + field.exponent, field.unit);
        }
        case K::Hours:
            return numberText(*FieldValue(field, bytes), 0, field.unit);
        default:
            return numberText(*FieldValue(field, bytes), field.exponent, field.unit);
    }
}
