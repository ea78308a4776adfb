#include "devices/device_store.h"

#include <gtest/gtest.h>

namespace {

// Gives every field of a record a non-reset value.
void Scribble(DeviceRecord& record, uint8_t seed) {
    record.readState = 0xFFFFFFFF;
    record.present = 1;
    record.fadeRate = seed;
    record.fadeTime = seed;
    record.maxLevel = seed;
    record.minLevel = seed;
    record.powerOnLevel = seed;
    record.systemFailureLevel = seed;
    record.actualLevel = seed;
    record.SetGroupMask(0xA55A);
    record.dimmingCurve = 1;
    record.fastFadeTime = seed;
    record.deviceType = 6;
    record.sceneLevel.fill(seed);
}

void ExpectReset(const DeviceRecord& record) {
    EXPECT_EQ(record.readState, 0u);
    EXPECT_EQ(record.present, 0);
    EXPECT_EQ(record.fadeRate, 0);
    EXPECT_EQ(record.fadeTime, 0);
    EXPECT_EQ(record.maxLevel, 0);
    EXPECT_EQ(record.minLevel, 0);
    EXPECT_EQ(record.powerOnLevel, 0);
    EXPECT_EQ(record.systemFailureLevel, 0);
    EXPECT_EQ(record.actualLevel, 0);
    EXPECT_EQ(record.groupsLow, 0);
    EXPECT_EQ(record.groupsHigh, 0);
    EXPECT_EQ(record.groupMask, 0);
    EXPECT_EQ(record.dimmingCurve, 0);
    EXPECT_EQ(record.fastFadeTime, 0);
    EXPECT_EQ(record.deviceType, 0);
    for (int scene = 0; scene < kSceneCount; ++scene)
        EXPECT_EQ(record.sceneLevel[size_t(scene)], 255) << "scene " << scene;
}

void ExpectTableReset(const DeviceTable& table) {
    for (const DeviceRecord& record : table)
        ExpectReset(record);
}

void ScribbleTable(DeviceTable& table) {
    for (size_t a = 0; a < table.size(); ++a)
        Scribble(table[a], uint8_t(a + 1));
}

TEST(DeviceRecordTest, DefaultAndResetGiveResetValues) {
    DeviceRecord record;
    ExpectReset(record);
    Scribble(record, 77);
    record.Reset();
    ExpectReset(record);
}

TEST(DeviceRecordTest, SetGroupMaskKeepsBothBytesEqual) {
    DeviceRecord record;
    record.SetGroupMask(0x8003);
    EXPECT_EQ(record.groupMask, 0x8003);
    EXPECT_EQ(record.groupsLow, 0x03);
    EXPECT_EQ(record.groupsHigh, 0x80);
}

TEST(DeviceStoreTest, NewStoreIsEmptyAndDeviceFileRecordAllZero) {
    DeviceStore store;
    ExpectTableReset(store.workingTable);
    ExpectTableReset(store.projectTable);
    EXPECT_EQ(store.selectedCount, 0);
    EXPECT_EQ(store.PresentCount(), 0);
    EXPECT_EQ(store.link.handle, nullptr);

    const DeviceRecord& file = store.deviceFileRecord;
    EXPECT_EQ(file.readState, 0u);
    EXPECT_EQ(file.present, 0);
    EXPECT_EQ(file.maxLevel, 0);
    EXPECT_EQ(file.actualLevel, 0);
    EXPECT_EQ(file.groupMask, 0);
    for (int scene = 0; scene < kSceneCount; ++scene)
        EXPECT_EQ(file.sceneLevel[size_t(scene)], 0) << "scene " << scene;
}

TEST(DeviceStoreTest, ClearResetsBothTablesAndSelectionButNotDeviceFileRecord) {
    DeviceStore store;
    ScribbleTable(store.workingTable);
    ScribbleTable(store.projectTable);
    Scribble(store.deviceFileRecord, 9);
    store.selectedCount = 3;
    store.selectedAddresses.fill(-1);
    store.selectedAddresses[0] = 4;
    store.selectedAddresses[1] = 8;
    store.selectedAddresses[2] = 63;
    store.link.bridgeAddress = 0x40;

    store.Clear();

    ExpectTableReset(store.workingTable);
    ExpectTableReset(store.projectTable);
    EXPECT_EQ(store.selectedCount, 0);
    for (int32_t entry : store.selectedAddresses)
        EXPECT_EQ(entry, 0);

    DeviceRecord expectedFile;
    Scribble(expectedFile, 9);
    EXPECT_EQ(store.deviceFileRecord.maxLevel, expectedFile.maxLevel);
    EXPECT_EQ(store.deviceFileRecord.readState, expectedFile.readState);
    EXPECT_EQ(store.deviceFileRecord.groupMask, expectedFile.groupMask);
    EXPECT_EQ(store.deviceFileRecord.sceneLevel, expectedFile.sceneLevel);
    EXPECT_EQ(store.link.bridgeAddress, 0x40);
}

TEST(DeviceStoreTest, ClearWorkingTableLeavesProjectSelectionAndDeviceFileRecord) {
    DeviceStore store;
    ScribbleTable(store.workingTable);
    ScribbleTable(store.projectTable);
    Scribble(store.deviceFileRecord, 9);
    store.selectedCount = 2;
    store.selectedAddresses.fill(-1);
    store.selectedAddresses[0] = 10;
    store.selectedAddresses[1] = 11;

    store.ClearWorkingTable();

    ExpectTableReset(store.workingTable);
    EXPECT_EQ(store.projectTable[0].present, 1);
    EXPECT_EQ(store.projectTable[63].maxLevel, 64);
    EXPECT_EQ(store.projectTable[63].sceneLevel[15], 64);
    EXPECT_EQ(store.selectedCount, 2);
    EXPECT_EQ(store.selectedAddresses[0], 10);
    EXPECT_EQ(store.selectedAddresses[1], 11);
    EXPECT_EQ(store.selectedAddresses[2], -1);
    EXPECT_EQ(store.deviceFileRecord.maxLevel, 9);
    EXPECT_EQ(store.deviceFileRecord.sceneLevel[0], 9);
}

TEST(DeviceStoreTest, PresentCountCountsOnlyPresentExactlyOne) {
    DeviceStore store;
    store.workingTable[0].present = 1;
    store.workingTable[17].present = 1;
    store.workingTable[63].present = 1;
    store.workingTable[5].present = 2;
    store.workingTable[6].present = 255;
    store.projectTable[30].present = 1;  // the project table never counts
    EXPECT_EQ(store.PresentCount(), 3);

    for (DeviceRecord& record : store.workingTable)
        record.present = 1;
    EXPECT_EQ(store.PresentCount(), 64);
}

}  // namespace
