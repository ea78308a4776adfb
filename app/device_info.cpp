#include "app/device_info.h"

#include "dali/dali_commands.h"
#include "devices/gear_transactions.h"
#include "storage/load_text.h"

#include <initializer_list>

using dali::code;
using dali::Op;
using dali::Dt6Op;

namespace {


struct BitRow {
    StringId label;
    StringId setText, clearText;  // 0: the digits "1" and "0"
};

// Status bits 0..7.
constexpr BitRow kStatusBits[] = {
    {313, 323, 324}, {314, 323, 324}, {315, 325, 326}, {316, 0, 0},
    {317, 321, 322}, {318, 321, 322}, {319, 321, 322}, {320, 321, 322},
};

QString bitsText(uint8_t value) { return QStringLiteral("%1").arg(value, 8, 2, QLatin1Char('0')); }

// The memory locations' answers, each formatted; empty when one is missing.
QString memoryText(const BusLink& link, uint8_t a, std::initializer_list<uint8_t> locations, bool hex) {
    QString text;
    bool complete = true;
    LinkResult ignored = 0;
    for (uint8_t location : locations) {
        const auto value = ReadGearMemory(link, a, location, ignored);
        complete = complete && value;
        if (value)
            text += hex ? QStringLiteral("%1").arg(*value, 2, 16, QLatin1Char('0')).toUpper() : QString::number(*value);
    }
    return complete ? text : QString();
}

}  // namespace

std::vector<InfoRow> ReadDeviceInfo(const BusLink& link, int address, const QString& module) {
    const uint8_t a = dali::commandAddress(address);
    LinkResult ignored = 0;
    std::vector<InfoRow> rows;
    rows.reserve(kInfoRowCount);

    EnableDeviceType6(link, ignored);
    const auto version = QueryGear(link, a, code(Dt6Op::QueryExtendedVersionNumber), ignored);
    rows.push_back({QStringLiteral("DALI version"), version ? QString::number(*version) : QString()});
    rows.push_back({QStringLiteral("Firmware version"), memoryText(link, a, {9, 10}, true)});
    EnableDeviceType6(link, ignored);
    const auto mode = QueryGear(link, a, code(Dt6Op::QueryOperatingMode), ignored);
    rows.push_back({QStringLiteral("Operation mode"), mode ? bitsText(*mode) : QString()});
    rows.push_back({QStringLiteral("Serial"), memoryText(link, a, {11, 12, 13, 14}, true)});
    rows.push_back({QStringLiteral("GTIN"), memoryText(link, a, {3, 4, 5, 6, 7, 8}, false)});

    const auto status = QueryGear(link, a, code(Op::QueryStatus), ignored);
    rows.push_back({});
    rows.push_back({QStringLiteral("Status"), status ? bitsText(*status) : QString()});
    for (int bit = 0; bit < 8; ++bit) {
        const BitRow& row = kStatusBits[bit];
        QString value;
        if (status) {
            const bool set = *status >> bit & 1;
            const StringId id = set ? row.setText : row.clearText;
            value = id ? LoadText(id, module) : QString::number(set ? 1 : 0);
        }
        rows.push_back({LoadText(row.label, module), value});
    }
    return rows;
}
