// Control gear: the application extended commands of device type 6 (LED modules).

#include "sim/control_gear.h"

#include "dali/dali_commands.h"
#include "sim/control_gear_values.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace sim {

using namespace gear_values;

void ControlGear::deviceType6Configure(dali::Dt6Op op) {
    switch (op) {
        case dali::Dt6Op::SelectDimmingCurve:  // 0 logarithmic, 1 linear
            if (dtr0_ <= 1)
                vars_.dimmingCurve = dtr0_;
            break;
        case dali::Dt6Op::StoreDtrAsFastFadeTime:
            vars_.fastFadeTime = storedFastFadeTime(dtr0_, minFastFadeTime_);
            break;
        default:  // reference measurement and current protector are not simulated
            break;
    }
}

// A lamp failure of an LED module shows as an open circuit.
uint8_t ControlGear::deviceType6FailureStatus() const { return lampFailure_ ? kFailureOpenCircuit : 0; }

std::optional<uint8_t> ControlGear::deviceType6Query(dali::Dt6Op op) const {
    switch (op) {
        case dali::Dt6Op::QueryGearType:
            return kGearTypeIntegratedAcSupply;
        case dali::Dt6Op::QueryDimmingCurve:
            return vars_.dimmingCurve;
        case dali::Dt6Op::QueryPossibleOperatingModes:
            return uint8_t(operatingMode_ & 0x0F);  // the modes it can run are the one it runs
        case dali::Dt6Op::QueryFeatures:
            return kFeatures;
        case dali::Dt6Op::QueryFailureStatus:
            return deviceType6FailureStatus();
        case dali::Dt6Op::QueryReferenceRunning:
            return std::nullopt;  // QUERY REFERENCE RUNNING
        case dali::Dt6Op::QueryReferenceMeasurementFailed:
            return yesIf(deviceType6FailureStatus() & 0x80);
        case dali::Dt6Op::QueryCurrentProtectorEnabled:
            return std::nullopt;  // QUERY CURRENT PROTECTOR ENABLED
        case dali::Dt6Op::QueryOperatingMode:
            return uint8_t((operatingMode_ & ~kOperatingModeNonLogCurve) |
                           (vars_.dimmingCurve ? kOperatingModeNonLogCurve : 0));
        case dali::Dt6Op::QueryFastFadeTime:
            return vars_.fastFadeTime;
        case dali::Dt6Op::QueryMinFastFadeTime:
            return minFastFadeTime_;
        case dali::Dt6Op::QueryExtendedVersionNumber:
            return extendedVersion_;
        default:  // QUERY SHORT CIRCUIT .. QUERY THERMAL OVERLOAD: one failure status bit each
            if (op >= dali::Dt6Op::QueryShortCircuit && op <= dali::Dt6Op::QueryThermalOverload)
                return yesIf(deviceType6FailureStatus() &
                             (1u << (dali::code(op) - dali::code(dali::Dt6Op::QueryShortCircuit))));
            return std::nullopt;
    }
}

}  // namespace sim
