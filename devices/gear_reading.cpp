// Reading a gear's settings into its record: what the basic tab shows and the
// 16 scene levels. A query without a valid answer leaves its field alone, and
// a part counts as read only when every one of its queries was answered: a
// silent gear stays unread ("?") instead of showing its record's zeros.

#include "dali/dali_commands.h"
#include "devices/device_store.h"
#include "devices/gear_transactions.h"

using dali::code;
using dali::Op;
using dali::Dt6Op;

namespace {

struct FieldQuery {
    uint8_t opcode;
    uint8_t DeviceRecord::*field;
};

// After the fade and the device-type-6 values, in this order.
constexpr FieldQuery kLevelAndGroupQueries[] = {
    {code(Op::QueryActualLevel), &DeviceRecord::actualLevel},
    {code(Op::QueryMaxLevel), &DeviceRecord::maxLevel},
    {code(Op::QueryMinLevel), &DeviceRecord::minLevel},
    {code(Op::QueryPowerOnLevel), &DeviceRecord::powerOnLevel},
    {code(Op::QuerySystemFailureLevel), &DeviceRecord::systemFailureLevel},
    {code(Op::QueryGroups0To7), &DeviceRecord::groupsLow},
    {code(Op::QueryGroups8To15), &DeviceRecord::groupsHigh},
};

}  // namespace

namespace {

// QUERY DEVICE TYPE, and QUERY NEXT DEVICE TYPE after a MASK; the answer.
std::optional<uint8_t> readDeviceTypes(const BusLink& link, uint8_t a, DeviceRecord& record, LinkResult& results) {
    const auto type = QueryGear(link, a, code(Op::QueryDeviceType), results);
    Assign(record.deviceType, type);
    if (type == dali::kMask)
        record.deviceTypes =
            ListDeviceTypes([&] { return QueryGear(link, a, code(Op::QueryNextDeviceType), results); });
    else if (type)
        record.deviceTypes.clear();
    return type;
}

}  // namespace

LinkResult DeviceStore::ReadDeviceTypes(int address) {
    if (!link.handle)
        return 0;
    LinkResult results = 0;
    readDeviceTypes(link, dali::commandAddress(address), workingTable[size_t(address & 0x3F)], results);
    return results;
}

LinkResult DeviceStore::ReadParameters(int address) {
    if (!link.handle)
        return 0;
    DeviceRecord& record = workingTable[size_t(address & 0x3F)];
    const uint8_t a = dali::commandAddress(address);
    LinkResult results = 0;

    bool allAnswered = true;
    const auto ask = [&](uint8_t opcode) {
        const auto answer = QueryGear(link, a, opcode, results);
        allAnswered = allAnswered && answer.has_value();
        return answer;
    };

    dalikit_WaitIdle(link);
    if (const auto fade = ask(code(Op::QueryFadeTimeRate))) {
        record.fadeRate = *fade & 0x0F;
        record.fadeTime = *fade >> 4;
    }
    const auto type = readDeviceTypes(link, a, record, results);
    allAnswered = allAnswered && type.has_value();
    if (type && HasDeviceType(record, dali::kDeviceTypeLedModule)) {
        EnableDeviceType6(link, results);
        Assign(record.fastFadeTime, ask(code(Dt6Op::QueryFastFadeTime)));
        EnableDeviceType6(link, results);
        Assign(record.dimmingCurve, ask(code(Dt6Op::QueryDimmingCurve)));
    }
    for (const FieldQuery& query : kLevelAndGroupQueries)
        Assign(record.*query.field, ask(query.opcode));
    record.SetGroupMask(uint16_t(record.groupsHigh << 8 | record.groupsLow));
    if (allAnswered)
        record.readState |= kReadStateParameters;
    else
        record.readState &= ~kReadStateParameters;
    return results;
}

LinkResult DeviceStore::ReadScenes(int address) {
    if (!link.handle)
        return 0;
    DeviceRecord& record = workingTable[size_t(address & 0x3F)];
    const uint8_t a = dali::commandAddress(address);
    LinkResult results = 0;
    bool allAnswered = true;
    for (int n = 0; n < kSceneCount; ++n) {
        const auto level = QueryGear(link, a, uint8_t(code(Op::QuerySceneLevel) + n), results);
        Assign(record.sceneLevel[size_t(n)], level);
        allAnswered = allAnswered && level.has_value();
    }
    if (allAnswered)
        record.readState |= kReadStateScenes;
    else
        record.readState &= ~kReadStateScenes;
    return results;
}
