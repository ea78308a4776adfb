#include "addressing/search_steps.h"

using dali::code;
using dali::SpecialOp;

namespace addressing {
namespace {

// The answer of the frame just sent; no answer without a successful wait.
Answer readAnswer(const BusLink& link, LinkResult sent) {
    Answer answer;  // a failed register read leaves the byte at 0
    uint8_t status = 0;
    if (sent == link_result::kOk && dalikit_WaitAnswer(link, status) == link_result::kOk && status != 0) {
        dalikit_ReadRegister(link, bridge_register::kFrame, answer.byte);
        answer.garbled = bridge_status::isGarbledAnswer(status);
    }
    dalikit_WaitIdle(link);
    return answer;
}

}  // namespace

LinkResult SendAndWait(const BusLink& link, uint8_t first, uint8_t second) {
    TransactionGuard guard(link.handle);
    const LinkResult sent = dalikit_Send(link, first, second);
    const LinkResult waited = dalikit_WaitIdle(link);
    return sent ? sent : waited;
}

bool SendUntilThrough(const BusLink& link, uint8_t first, uint8_t second) {
    for (int attempt = 0; attempt < kProgramAttempts; ++attempt)
        if (SendAndWait(link, first, second) == link_result::kOk)
            return true;
    return false;
}

Answer Ask(const BusLink& link, uint8_t first, uint8_t second) {
    TransactionGuard guard(link.handle);
    return readAnswer(link, dalikit_Send(link, first, second));
}

Answer AskTwice(const BusLink& link, uint8_t first, uint8_t second) {
    TransactionGuard guard(link.handle);
    return readAnswer(link, dalikit_SendTwice(link, first, second));
}

void SetSearchAddress(const BusLink& link, uint32_t searchAddress) {
    SendAndWait(link, code(SpecialOp::SearchAddrH), uint8_t(searchAddress >> 16));
    SendAndWait(link, code(SpecialOp::SearchAddrM), uint8_t(searchAddress >> 8));
    SendAndWait(link, code(SpecialOp::SearchAddrL), uint8_t(searchAddress));
}

}  // namespace addressing
