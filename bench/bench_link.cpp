// Connection and sweep: the bus scan's traffic pattern.

#include "bench/bench_jobs.h"
#include "dali/dali_commands.h"

namespace bench {
namespace {
constexpr uint8_t kTerminate = dali::code(dali::SpecialOp::Terminate), kQueryStatus = dali::code(dali::Op::QueryStatus);
}

std::optional<BusLink> connectFirstInterface() {
    const KitHandle handle = kit_open();
    if (!handle)
        return std::nullopt;
    kit_set_timeout(handle, 2000);
    dalikit_EnableI2C(handle);
    BusLink link{handle, dalikit_ProbeBridgeAddress(handle)};
    if (link.bridgeAddress == 0)
        return std::nullopt;
    dalikit_ReadRevision(link);
    return link;
}

int sweepShortAddresses(const BusLink& link) {
    dalikit_Send(link, kTerminate, 0x00);
    dalikit_WaitIdle(link);
    int answered = 0;
    for (int address = 0; address < 64; ++address) {
        uint8_t answer = 0, status = 0;
        dalikit_Query(link, uint8_t(address << 1 | 1), kQueryStatus, answer, status);
        dalikit_WaitIdle(link);
        if ((status & 0x08) && (status & 0x03) == 1)
            ++answered;
    }
    dalikit_Send(link, kTerminate, 0x00);
    dalikit_WaitIdle(link);
    return answered;
}

}  // namespace bench
