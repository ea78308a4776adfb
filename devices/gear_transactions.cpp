#include "devices/gear_transactions.h"

namespace {

constexpr uint8_t kEnableDeviceType = 0xC1, kLedModule = 6;
constexpr uint8_t kStatusValid = 0x08, kLengthMask = 0x03;

std::optional<uint8_t> validAnswer(LinkResult result, uint8_t status, uint8_t answer) {
    if (result != link_result::kOk || !(status & kStatusValid) || (status & kLengthMask) != 1)
        return std::nullopt;
    return answer;
}

}  // namespace

std::optional<uint8_t> QueryGear(const BusLink& link, uint8_t address, uint8_t opcode, LinkResult& results) {
    uint8_t answer = 0, status = 0;
    const LinkResult result = dalikit_Query(link, address, opcode, answer, status);
    dalikit_WaitIdle(link);
    results |= result;
    return validAnswer(result, status, answer);
}

std::optional<uint8_t> ReadGearMemory(const BusLink& link, uint8_t address, uint8_t location, LinkResult& results) {
    uint8_t answer = 0, status = 0;
    const LinkResult result = dalikit_ReadMemoryLocation(link, address, location, answer, status);
    dalikit_WaitIdle(link);
    results |= result;
    return validAnswer(result, status, answer);
}

void SendToGear(const BusLink& link, uint8_t first, uint8_t second, LinkResult& results) {
    results |= dalikit_Send(link, first, second);
    dalikit_WaitIdle(link);
}

void EnableDeviceType6(const BusLink& link, LinkResult& results) {
    SendToGear(link, kEnableDeviceType, kLedModule, results);
}
