#include "bench/bench_jobs.h"
#include "sim/bus_timing.h"

namespace bench {

uint64_t wireTimeLimitUs(const std::vector<sim::BusFrame>& frames) {
    using namespace sim::timing;
    uint64_t total = 0;
    bool first = true;
    for (size_t i = 0; i < frames.size(); ++i) {
        if (frames[i].kind != sim::FrameKind::Forward)
            continue;
        if (!first)
            total += kSettlingUs;
        first = false;
        total += kForwardFrameUs;
        if (i + 1 < frames.size() && frames[i + 1].kind != sim::FrameKind::Forward) {
            const uint64_t replyDelayUs = frames[i + 1].timeUs - (frames[i].timeUs + kForwardFrameUs);
            total += replyDelayUs + kBackwardFrameUs;
        }
    }
    return total;
}

}  // namespace bench
