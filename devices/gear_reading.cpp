// Reading a gear's settings into its record: what the basic tab shows and the
// 16 scene levels. A query without a valid answer leaves its field alone.

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

LinkResult DeviceStore::ReadParameters(int address) {
    if (!link.handle)
        return 0;
    DeviceRecord& record = workingTable[size_t(address & 0x3F)];
    const uint8_t a = dali::commandAddress(address);
    LinkResult results = 0;

    dalikit_WaitIdle(link);
    if (const auto fade = QueryGear(link, a, code(Op::QueryFadeTimeRate), results)) {
        record.fadeRate = *fade & 0x0F;
        record.fadeTime = *fade >> 4;
    }
    const auto type = QueryGear(link, a, code(Op::QueryDeviceType), results);
    Assign(record.deviceType, type);
    if (type == dali::kMask)
        record.deviceTypes =
            ListDeviceTypes([&] { return QueryGear(link, a, code(Op::QueryNextDeviceType), results); });
    else if (type)
        record.deviceTypes.clear();
    if (type && HasDeviceType(record, dali::kDeviceTypeLedModule)) {
        EnableDeviceType6(link, results);
        Assign(record.fastFadeTime, QueryGear(link, a, code(Dt6Op::QueryFastFadeTime), results));
        EnableDeviceType6(link, results);
        Assign(record.dimmingCurve, QueryGear(link, a, code(Dt6Op::QueryDimmingCurve), results));
    }
    for (const FieldQuery& query : kLevelAndGroupQueries)
        Assign(record.*query.field, QueryGear(link, a, query.opcode, results));
    record.SetGroupMask(uint16_t(record.groupsHigh << 8 | record.groupsLow));
    record.readState |= kReadStateParameters;
    return results;
}

LinkResult DeviceStore::ReadScenes(int address) {
    if (!link.handle)
        return 0;
    DeviceRecord& record = workingTable[size_t(address & 0x3F)];
    const uint8_t a = dali::commandAddress(address);
    LinkResult results = 0;
    for (int n = 0; n < kSceneCount; ++n)
        Assign(record.sceneLevel[size_t(n)], QueryGear(link, a, uint8_t(code(Op::QuerySceneLevel) + n), results));
    record.readState |= kReadStateScenes;
    return results;
}
