#pragma once
// Project records for tests that compare a project with the simulated bus.

#include "devices/device_record.h"

#include <QString>

// What a simulated gear starts with, as a project record would hold it.
inline DeviceRecord FreshGearRecord(const QString& name = {}) {
    DeviceRecord r;
    r.present = 1;
    r.readState = kReadStateParameters | kReadStateScenes;
    r.maxLevel = 254;
    r.minLevel = 1;
    r.powerOnLevel = 254;
    r.systemFailureLevel = 254;
    r.fadeRate = 7;
    r.name = name;
    return r;
}
