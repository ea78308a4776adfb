#pragma once
// Writing settings into one gear and its record: what the basic tab has
// ticked, the scene levels that differ from the record, and (DeviceStore::
// WriteAll) a whole stored record. Results are not looked at; every sequence
// runs to its end and the record follows what was sent.

#include "devices/tab_settings.h"
#include "link/dalikit.h"

// The record takes every ticked value and always the ACTUAL level; then the
// ticked items go out in the order of BasicItem, each followed by the idle wait.
void SendBasicSettings(const BusLink& link, DeviceRecord& record, int address, const BasicSettings& settings);

// Sends only the scenes whose level differs from the record's, and stores each
// in the record after sending it. MASK (255) takes the gear out of the scene.
void SendScenes(const BusLink& link, DeviceRecord& record, int address, const SceneSettings& settings);

// REMOVE FROM GROUP 0..15, then ADD TO GROUP for each bit of the mask; every
// command twice, each followed by the idle wait.
void SendGroupMembership(const BusLink& link, uint8_t address, uint16_t mask);
