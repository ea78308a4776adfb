#include "devices/device_store.h"

#include <algorithm>
#include <utility>

DeviceStore::DeviceStore() {
    // Unlike a reset record, the device file record starts with zero scene
    // levels: a load without a readable file copies zeros, not MASK.
    deviceFileRecord.sceneLevel.fill(0);
}

void DeviceStore::Clear() {
    ResetTable(workingTable);
    ResetTable(projectTable);
    projectHeader = {};
    selectedCount = 0;
    selectedAddresses.fill(0);
}

void DeviceStore::ClearWorkingTable() {
    ResetTable(workingTable);
    unclearAddresses.reset();
}

void DeviceStore::ClearWorkingTableKeepingNames() {
    for (DeviceRecord& record : workingTable) {
        QString name = std::move(record.name);
        record.Reset();
        record.name = std::move(name);
    }
    unclearAddresses.reset();
}

int32_t DeviceStore::PresentCount() const {
    return int32_t(std::count_if(workingTable.begin(), workingTable.end(),
                                 [](const DeviceRecord& record) { return record.present == 1; }));
}
