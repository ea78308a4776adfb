#include "devices/device_record.h"

#include "dali/dali_commands.h"

#include <algorithm>

void DeviceRecord::SetGroupMask(uint16_t mask) {
    groupMask = mask;
    groupsLow = uint8_t(mask & 0xFF);
    groupsHigh = uint8_t(mask >> 8);
}

void ResetTable(DeviceTable& table) {
    for (DeviceRecord& record : table)
        record.Reset();
}

DeviceRecord OntoGear(DeviceRecord project, const DeviceRecord& bus) {
    project.deviceType = bus.deviceType;
    project.deviceTypes = bus.deviceTypes;
    project.name = bus.name;
    project.identity = bus.identity;
    if (bus.placedAt != 0)
        project.placedAt = bus.placedAt;
    return project;
}

bool HasDeviceType(const DeviceRecord& record, uint8_t type) {
    return record.deviceType == type ||
           std::find(record.deviceTypes.begin(), record.deviceTypes.end(), type) != record.deviceTypes.end();
}

std::vector<uint8_t> ListDeviceTypes(const std::function<std::optional<uint8_t>()>& askNext) {
    std::vector<uint8_t> types;
    for (int asked = 0; asked < kMaxListedDeviceTypes; ++asked) {
        const std::optional<uint8_t> type = askNext();
        if (!type || *type == dali::kDeviceTypeListEnd || *type == dali::kMask)
            break;
        types.push_back(*type);
    }
    std::sort(types.begin(), types.end());
    types.erase(std::unique(types.begin(), types.end()), types.end());
    return types;
}
