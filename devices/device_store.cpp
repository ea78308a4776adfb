#include "devices/device_store.h"

#include "devices/gear_identity.h"
#include "devices/luminaire_reading.h"

#include <QDateTime>

#include <algorithm>
#include <utility>

DeviceStore::DeviceStore() : clock([] { return QDateTime::currentSecsSinceEpoch(); }) {
    // Unlike a reset record, the device file record starts with zero scene
    // levels: a load without a readable file copies zeros, not MASK.
    deviceFileRecord.sceneLevel.fill(0);
}

void DeviceStore::Clear() {
    ResetTable(workingTable);
    ResetTable(projectTable);
    projectHeader = {};
    floorPlans = {};
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
        const int64_t placedAt = record.placedAt;
        record.Reset();
        record.name = std::move(name);
        record.placedAt = placedAt;
    }
    unclearAddresses.reset();
}

int32_t DeviceStore::PresentCount() const {
    return int32_t(std::count_if(workingTable.begin(), workingTable.end(),
                                 [](const DeviceRecord& record) { return record.present == 1; }));
}

LinkResult DeviceStore::ReadIdentity(int address) {
    if (!link.handle)
        return 0;
    LinkResult results = 0;
    if (std::optional<GearIdentity> identity = ReadGearIdentity(link, address, results))
        workingTable[size_t(address & 0x3F)].identity = *identity;
    return results;
}

LinkResult DeviceStore::ReadBanks(int address) {
    if (!link.handle)
        return 0;
    LinkResult results = 0;
    workingTable[size_t(address & 0x3F)].banks = ReadLuminaireBanks(link, address, results);
    return results;
}

void DeviceStore::MarkPlaced(int address) { workingTable[size_t(address & 0x3F)].placedAt = clock(); }
