#include "devices/emergency_commands.h"

#include "devices/emergency_transactions.h"

namespace {

dali::Dt1Op opcodeOf(EmergencyAction action) {
    switch (action) {
        case EmergencyAction::FunctionTest:
            return dali::Dt1Op::StartFunctionTest;
        case EmergencyAction::DurationTest:
            return dali::Dt1Op::StartDurationTest;
        case EmergencyAction::StopTest:
            return dali::Dt1Op::StopTest;
        case EmergencyAction::Inhibit:
            return dali::Dt1Op::Inhibit;
        case EmergencyAction::ReLight:
            return dali::Dt1Op::ReLightResetInhibit;
        case EmergencyAction::Identify:
            break;
    }
    return dali::Dt1Op::StartIdentification;
}

}  // namespace

LinkResult RunEmergencyAction(const EmergencyCommandContext& context, EmergencyAction action) {
    if (!context.link.handle)
        return 0;
    LinkResult results = 0;
    SendEmergencyCommand(context.link, context.address, opcodeOf(action), results);
    return results;
}
