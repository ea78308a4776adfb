#include "devices/emergency_state.h"

#include "dali/dali_commands.h"

bool IsEmergencyUnit(const DeviceRecord& record) { return HasDeviceType(record, dali::kDeviceTypeEmergency); }
