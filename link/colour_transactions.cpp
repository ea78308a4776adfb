#include "link/colour_transactions.h"

#include "dali/dali_commands.h"

using namespace link_result;

namespace {

constexpr uint8_t kControlRepeat = 0x03;

LinkResult waitIdleInner(const BusLink& link) {
    const LinkResult r = dalikit_WaitIdle(link);
    return r == kOk ? kOk : LinkResult(r | kInnerStep);
}

LinkResult sendFrame(const BusLink& link, const DaliFrame& frame) {
    if (!frame.twice)
        return dalikit_Send(link, frame.first, frame.second);
    dalikit_WriteRegister(link, bridge_register::kControl, kControlRepeat, link.bridgeAddress);
    if (LinkResult r = dalikit_Send(link, frame.first, frame.second))
        return r;
    dalikit_WaitIdle(link);
    return dalikit_Send(link, frame.first, frame.second);
}

}  // namespace

LinkResult dalikit_SendSequence(const BusLink& link, std::span<const DaliFrame> frames) {
    TransactionGuard guard(link.handle);
    for (size_t i = 0; i < frames.size(); ++i) {
        const bool last = i + 1 == frames.size();
        if (LinkResult r = sendFrame(link, frames[i]))
            return last ? r : LinkResult(r | kInnerStep);
        if (LinkResult r = waitIdleInner(link))
            return r;
    }
    return kOk;
}

LinkResult dalikit_QueryColourValue(const BusLink& link, uint8_t address, uint8_t selector, bool wide,
                                    uint16_t& value, uint8_t& status) {
    TransactionGuard guard(link.handle);
    const DaliFrame preSteps[] = {{dali::code(dali::SpecialOp::Dtr0), selector},
                                  {dali::code(dali::SpecialOp::EnableDeviceType), dali::kDeviceTypeColour}};
    if (LinkResult r = dalikit_SendSequence(link, preSteps))
        return r | kInnerStep;
    uint8_t high = 0;
    LinkResult r = dalikit_Query(link, address, dali::code(dali::Dt8Op::QueryColourValue), high, status);
    value = high;
    if (!wide)
        return r;
    if (r)
        return r | kInnerStep;
    if (!bridge_status::isCleanAnswer(status))  // nothing to complete: the caller sees the status
        return kOk;
    if (LinkResult w = waitIdleInner(link))
        return w;
    uint8_t low = 0;
    r = dalikit_Query(link, address, dali::code(dali::Op::QueryContentDtr0), low, status);
    value = uint16_t(high << 8 | low);
    return r;
}
