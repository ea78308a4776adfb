// Reading a gear's settings into its record: what the basic tab shows and the
// 16 scene levels. A query without a valid answer leaves its field alone.

#include "dali/dali_commands.h"
#include "devices/device_store.h"
#include "devices/gear_transactions.h"

namespace {

constexpr uint8_t kQueryFadeTimeRate = 0xA5, kQueryDeviceType = 0x99, kQueryFastFadeTime = 0xFD,
                  kQueryDimmingCurve = 0xEE, kQuerySceneLevel = 0xB0;
constexpr uint8_t kLedModule = 6;

struct FieldQuery {
    uint8_t opcode;
    uint8_t DeviceRecord::*field;
};

// After the fade and the device-type-6 values, in this order.
constexpr FieldQuery kLevelAndGroupQueries[] = {
    {0xA0, &DeviceRecord::actualLevel},  {0xA1, &DeviceRecord::maxLevel},
    {0xA2, &DeviceRecord::minLevel},     {0xA3, &DeviceRecord::powerOnLevel},
    {0xA4, &DeviceRecord::systemFailureLevel}, {0xC0, &DeviceRecord::groupsLow},
    {0xC1, &DeviceRecord::groupsHigh},
};

}  // namespace

LinkResult DeviceStore::ReadParameters(int address) {
    if (!link.handle)
        return 0;
    DeviceRecord& record = workingTable[size_t(address & 0x3F)];
    const uint8_t a = dali::commandAddress(address);
    LinkResult results = 0;

    dalikit_WaitIdle(link);
    if (const auto fade = QueryGear(link, a, kQueryFadeTimeRate, results)) {
        record.fadeRate = *fade & 0x0F;
        record.fadeTime = *fade >> 4;
    }
    const auto type = QueryGear(link, a, kQueryDeviceType, results);
    Assign(record.deviceType, type);
    if (type == kLedModule) {
        EnableDeviceType6(link, results);
        Assign(record.fastFadeTime, QueryGear(link, a, kQueryFastFadeTime, results));
        EnableDeviceType6(link, results);
        Assign(record.dimmingCurve, QueryGear(link, a, kQueryDimmingCurve, results));
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
        Assign(record.sceneLevel[size_t(n)], QueryGear(link, a, uint8_t(kQuerySceneLevel + n), results));
    record.readState |= kReadStateScenes;
    return results;
}
