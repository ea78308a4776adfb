#include "devices/gear_transactions.h"
#include "dali/dali_commands.h"

using dali::code;
using dali::SpecialOp;

namespace {


// Runs the query, then the idle wait; the answer only when it counts.
template <typename Query>
std::optional<uint8_t> answerOf(const BusLink& link, LinkResult& results, Query query) {
    uint8_t answer = 0, status = 0;
    const LinkResult result = query(answer, status);
    dalikit_WaitIdle(link);
    results |= result;
    if (result != link_result::kOk || !bridge_status::isCleanAnswer(status))
        return std::nullopt;
    return answer;
}

}  // namespace

std::optional<uint8_t> QueryGear(const BusLink& link, uint8_t address, uint8_t opcode, LinkResult& results) {
    return answerOf(link, results, [&](uint8_t& answer, uint8_t& status) {
        return dalikit_Query(link, address, opcode, answer, status);
    });
}

std::optional<uint8_t> ReadGearMemory(const BusLink& link, uint8_t address, uint8_t location, LinkResult& results) {
    return answerOf(link, results, [&](uint8_t& answer, uint8_t& status) {
        return dalikit_ReadMemoryLocation(link, address, location, answer, status);
    });
}

void SendToGear(const BusLink& link, uint8_t first, uint8_t second, LinkResult& results) {
    results |= dalikit_Send(link, first, second);
    dalikit_WaitIdle(link);
}

void EnableDeviceType6(const BusLink& link, LinkResult& results) {
    SendToGear(link, code(SpecialOp::EnableDeviceType), dali::kDeviceTypeLedModule, results);
}
