#include "devices/device_record.h"

void DeviceRecord::SetGroupMask(uint16_t mask) {
    groupMask = mask;
    groupsLow = uint8_t(mask & 0xFF);
    groupsHigh = uint8_t(mask >> 8);
}

void ResetTable(DeviceTable& table) {
    for (DeviceRecord& record : table)
        record.Reset();
}
