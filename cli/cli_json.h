#pragma once
// The results of kelvane-cli as JSON objects (keys documented in README.md,
// section "Command line"), and as plain lines for people.

#include "devices/device_record.h"
#include "devices/emergency_state.h"
#include "devices/line_check.h"

#include <QByteArray>
#include <QJsonObject>

#include <bitset>

// A gear as the tabs show it: levels, fades, curve, groups, scenes, types,
// a colour gear's colours and an emergency unit's state when it was read.
QJsonObject RecordJson(int address, const DeviceRecord& record, const EmergencyState* emergency = nullptr);
// The present gear of a scan, and the addresses without a clear answer.
QJsonObject ScanJson(const DeviceTable& table, const std::bitset<kDeviceCount>& unclear);
// The short addresses present in the table.
QJsonObject PresentAddressesJson(const DeviceTable& table);
QJsonObject LineCheckJson(const LineCheckResult& result);

// Indented JSON, or with `json` false the same content as "key: value"
// lines, one gear (or entry) per block.
QByteArray Render(const QJsonObject& object, bool json);
