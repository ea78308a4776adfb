#pragma once
// Writing settings into one gear and its record: what the basic tab has
// ticked, the scene levels that differ from the record, and (DeviceStore::
// WriteAll) a whole stored record. Results are not looked at; every sequence
// runs to its end and the record follows what was sent.

#include "devices/tab_settings.h"
#include "link/dalikit.h"

// The record takes every ticked value and always the ACTUAL level; then the
// ticked items go out in the order of BasicItem, each followed by the idle
// wait. With both MIN and MAX ticked the gear is asked for its MAX first, and
// MAX goes before MIN when the new MIN lies above it, or the gear would clamp it.
void SendBasicSettings(const BusLink& link, DeviceRecord& record, int address, const BasicSettings& settings);

// Sends only the scenes whose level differs from the record's, and stores each
// in the record after sending it. MASK (255) takes the gear out of the scene.
void SendScenes(const BusLink& link, DeviceRecord& record, int address, const SceneSettings& settings);

// The record's 16 scene levels, each with STORE THE DTR AS SCENE; MASK (255)
// takes the gear out of the scene. A colour gear keeps the colour it holds
// for each scene it stays in (see StoreLevelKeepingColour).
void StoreAllScenes(const BusLink& link, const DeviceRecord& record, int address);

// REMOVE FROM GROUP 0..15, then ADD TO GROUP for each bit of the mask; every
// command twice, each followed by the idle wait.
void SendGroupMembership(const BusLink& link, uint8_t address, uint16_t mask);
