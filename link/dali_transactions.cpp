// DALI forward frames and backward frames through the bridge's registers.

#include "link/dalikit.h"

#include "dali/dali_commands.h"

#include <utility>

using namespace link_result;

namespace {

using namespace bridge_register;

constexpr uint8_t kControlRepeat = 0x03;
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
    if (LinkResult r = sendPreStep(link, dali::code(dali::SpecialOp::Dtr0), value))
        return r;
    if (LinkResult r = sendPreStep(link, dali::code(dali::SpecialOp::EnableDeviceType), dali::kDeviceTypeLedModule))
        return r;
    return dalikit_SendTwice(link, address, opcode);
}

// Register 0x02 := 0x03, frame, idle wait, frame, idle wait; the results of
// the two frames' register writes.
std::pair<LinkResult, LinkResult> sendTwice(const BusLink& link, uint8_t first, uint8_t second) {
    TransactionGuard guard(link.handle);
    dalikit_WriteRegister(link, kControl, kControlRepeat, link.bridgeAddress);
    const LinkResult firstCopy = dalikit_Send(link, first, second);
    dalikit_WaitIdle(link);
    const LinkResult secondCopy = dalikit_Send(link, first, second);
    dalikit_WaitIdle(link);
    return {firstCopy, secondCopy};
}

}  // namespace

LinkResult dalikit_Send(const BusLink& link, uint8_t first, uint8_t second) {
    return dalikit_WriteRegister(link, kFrame, first, second);
}

LinkResult dalikit_WaitAnswer(const BusLink& link, uint8_t& status) {
    TransactionGuard guard(link.handle);
    const uint64_t start = kit_clock_us(link.handle);
    int busyCount = 0;
    for (;;) {
        uint8_t value = 0xFF;
        if (LinkResult r = dalikit_ReadRegister(link, kStatus, value)) {
            status = value;
            return r | kInnerStep;
        }
        status = value;
        if (value & bridge_status::kBusError)
            return kBusError;
        if (value & bridge_status::kBusy) {
            if (++busyCount == kAnswerBusyPolls)
                return kAnswerBusy;
            continue;
        }
        if (value != bridge_status::kWindowOpen)
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
    return dalikit_ReadRegister(link, kFrame, answer);
}

LinkResult dalikit_SendTwice(const BusLink& link, uint8_t first, uint8_t second) {
    return sendTwice(link, first, second).second;
}

LinkResult dalikit_ConfigureTwice(const BusLink& link, uint8_t first, uint8_t second) {
    const auto [firstCopy, secondCopy] = sendTwice(link, first, second);
    return firstCopy ? firstCopy : secondCopy;
}

LinkResult dalikit_SendWithDTR(const BusLink& link, uint8_t first, uint8_t second, uint8_t value) {
    TransactionGuard guard(link.handle);
    if (LinkResult r = sendPreStep(link, dali::code(dali::SpecialOp::Dtr0), value))
        return r;
    return dalikit_SendTwice(link, first, second);
}

LinkResult dalikit_ConfigureWithDTR(const BusLink& link, uint8_t first, uint8_t second, uint8_t value) {
    TransactionGuard guard(link.handle);
    if (LinkResult r = sendPreStep(link, dali::code(dali::SpecialOp::Dtr0), value))
        return r;
    const auto [firstCopy, secondCopy] = sendTwice(link, first, second);
    return firstCopy ? firstCopy : secondCopy;
}

LinkResult dalikit_SelectDimmingCurve(const BusLink& link, uint8_t address, uint8_t curve) {
    return sendDeviceType6Twice(link, address, dali::code(dali::Dt6Op::SelectDimmingCurve), curve);
}

LinkResult dalikit_StoreFastFadeTime(const BusLink& link, uint8_t address, uint8_t value) {
    return sendDeviceType6Twice(link, address, dali::code(dali::Dt6Op::StoreDtrAsFastFadeTime), value);
}

LinkResult dalikit_StoreScene(const BusLink& link, uint8_t address, int scene, uint8_t level) {
    TransactionGuard guard(link.handle);
    if (LinkResult r = sendPreStep(link, dali::code(dali::SpecialOp::Dtr0), level))
        return r;
    return dalikit_SendTwice(link, address, dali::code(dali::Op::StoreDtrAsScene, scene));
}

LinkResult dalikit_ReadMemoryLocation(const BusLink& link, uint8_t address, uint8_t location, uint8_t& answer,
                                      uint8_t& status) {
    TransactionGuard guard(link.handle);
    dalikit_Send(link, dali::code(dali::SpecialOp::Dtr0), location);
    dalikit_WaitIdle(link);
    return dalikit_Query(link, address, dali::code(dali::Op::ReadMemoryLocation), answer, status);
}
