// DALI forward frames and backward frames through the bridge's registers.

#include "link/dalikit.h"

#include <utility>

using namespace link_result;

namespace {

constexpr uint8_t kRegisterStatus = 0x00, kRegisterFrame = 0x01, kRegisterControl = 0x02;
constexpr uint8_t kControlRepeat = 0x03;
constexpr uint8_t kDtr0 = 0xA3, kEnableDeviceType = 0xC1;
constexpr uint8_t kStatusWindowOpen = 0x04;
constexpr int kAnswerBusyPolls = 11;

// The idle wait between the steps of a composite operation: a failed status
// read passes up with the inner flag, a bus error as 0x280.
LinkResult waitIdleInner(const BusLink& link) {
    const LinkResult r = dalikit_WaitIdle(link);
    return r == kOk ? kOk : LinkResult(r | kInnerStep);
}

// A pre-step (DTR0 or ENABLE DEVICE TYPE) and the idle wait after it.
LinkResult sendPreStep(const BusLink& link, uint8_t first, uint8_t second) {
    if (LinkResult r = dalikit_Send(link, first, second))
        return r | kInnerStep;
    return waitIdleInner(link);
}

LinkResult sendDeviceType6Twice(const BusLink& link, uint8_t address, uint8_t opcode, uint8_t value) {
    TransactionGuard guard(link.handle);
    if (LinkResult r = sendPreStep(link, kDtr0, value))
        return r;
    if (LinkResult r = sendPreStep(link, kEnableDeviceType, 0x06))
        return r;
    return dalikit_SendTwice(link, address, opcode);
}

// Register 0x02 := 0x03, frame, idle wait, frame, idle wait; the results of
// the two frames' register writes.
std::pair<LinkResult, LinkResult> sendTwice(const BusLink& link, uint8_t first, uint8_t second) {
    TransactionGuard guard(link.handle);
    dalikit_WriteRegister(link, kRegisterControl, kControlRepeat, link.bridgeAddress);
    const LinkResult firstCopy = dalikit_Send(link, first, second);
    dalikit_WaitIdle(link);
    const LinkResult secondCopy = dalikit_Send(link, first, second);
    dalikit_WaitIdle(link);
    return {firstCopy, secondCopy};
}

}  // namespace

LinkResult dalikit_Send(const BusLink& link, uint8_t first, uint8_t second) {
    return dalikit_WriteRegister(link, kRegisterFrame, first, second);
}

LinkResult dalikit_WaitAnswer(const BusLink& link, uint8_t& status) {
    TransactionGuard guard(link.handle);
    const uint64_t start = kit_clock_us(link.handle);
    int busyCount = 0;
    for (;;) {
        uint8_t value = 0xFF;
        if (LinkResult r = dalikit_ReadRegister(link, kRegisterStatus, value)) {
            status = value;
            return r | kInnerStep;
        }
        status = value;
        if (value & 0x80)
            return kBusError;
        if (value & 0x40) {
            if (++busyCount == kAnswerBusyPolls)
                return kAnswerBusy;
            continue;
        }
        if (value != kStatusWindowOpen)
            return kOk;
        if (kit_clock_us(link.handle) - start >= uint64_t(kWaitLimitMs) * 1000)
            return kWaitTimedOut;
    }
}

LinkResult dalikit_Query(const BusLink& link, uint8_t first, uint8_t second, uint8_t& answer, uint8_t& status) {
    TransactionGuard guard(link.handle);
    if (LinkResult r = dalikit_Send(link, first, second))
        return r | kInnerStep;
    if (LinkResult r = dalikit_WaitAnswer(link, status))
        return r | kInnerStep;
    return dalikit_ReadRegister(link, kRegisterFrame, answer);
}

LinkResult dalikit_SendTwice(const BusLink& link, uint8_t first, uint8_t second) {
    return sendTwice(link, first, second).second;
}

LinkResult dalikit_SendWithDTR(const BusLink& link, uint8_t first, uint8_t second, uint8_t value) {
    TransactionGuard guard(link.handle);
    if (LinkResult r = sendPreStep(link, kDtr0, value))
        return r;
    return dalikit_SendTwice(link, first, second);
}

LinkResult dalikit_ConfigureWithDTR(const BusLink& link, uint8_t first, uint8_t second, uint8_t value) {
    TransactionGuard guard(link.handle);
    if (LinkResult r = sendPreStep(link, kDtr0, value))
        return r;
    const auto [firstCopy, secondCopy] = sendTwice(link, first, second);
    return firstCopy ? firstCopy : secondCopy;
}

LinkResult dalikit_SelectDimmingCurve(const BusLink& link, uint8_t address, uint8_t curve) {
    return sendDeviceType6Twice(link, address, 0xE3, curve);
}

LinkResult dalikit_StoreFastFadeTime(const BusLink& link, uint8_t address, uint8_t value) {
    return sendDeviceType6Twice(link, address, 0xE4, value);
}

LinkResult dalikit_StoreScene(const BusLink& link, uint8_t address, int scene, uint8_t level) {
    TransactionGuard guard(link.handle);
    if (LinkResult r = sendPreStep(link, kDtr0, level))
        return r;
    return dalikit_SendTwice(link, address, uint8_t(0x40 | (scene & 0x0F)));
}

LinkResult dalikit_ReadMemoryLocation(const BusLink& link, uint8_t address, uint8_t location, uint8_t& answer,
                                      uint8_t& status) {
    TransactionGuard guard(link.handle);
    dalikit_Send(link, kDtr0, location);
    dalikit_WaitIdle(link);
    return dalikit_Query(link, address, 0xC5, answer, status);
}
