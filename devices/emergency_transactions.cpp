#include "devices/emergency_transactions.h"

#include "devices/gear_transactions.h"

using dali::code;
using dali::SpecialOp;

namespace {

void enableDeviceType1(const BusLink& link, LinkResult& results) {
    SendToGear(link, code(SpecialOp::EnableDeviceType), dali::kDeviceTypeEmergency, results);
}

}  // namespace

std::optional<uint8_t> QueryEmergency(const BusLink& link, uint8_t address, dali::Dt1Op query, LinkResult& results) {
    TransactionGuard guard(link.handle);
    enableDeviceType1(link, results);
    return QueryGear(link, address, code(query), results);
}

std::optional<uint16_t> QueryTestTiming(const BusLink& link, uint8_t address, dali::Dt1TestTiming selector,
                                        LinkResult& results) {
    TransactionGuard guard(link.handle);
    SendToGear(link, code(SpecialOp::Dtr0), code(selector), results);
    enableDeviceType1(link, results);
    const std::optional<uint8_t> answer = QueryGear(link, address, code(dali::Dt1Op::QueryTestTiming), results);
    const bool sixteenBits =
        selector == dali::Dt1TestTiming::NextFunctionTestHigh || selector == dali::Dt1TestTiming::NextDurationTestHigh;
    if (!answer || !sixteenBits)
        return answer;
    const std::optional<uint8_t> low = QueryGear(link, address, code(dali::Op::QueryContentDtr1), results);
    if (!low)
        return std::nullopt;
    return uint16_t(*answer << 8 | *low);
}

void SendEmergencyCommand(const BusLink& link, uint8_t address, dali::Dt1Op command, LinkResult& results,
                          std::optional<uint8_t> dtr0) {
    TransactionGuard guard(link.handle);
    if (dtr0)
        SendToGear(link, code(SpecialOp::Dtr0), *dtr0, results);
    enableDeviceType1(link, results);
    results |= dalikit_ConfigureTwice(link, address, code(command));
}
