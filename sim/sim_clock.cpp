#include "sim/sim_clock.h"

#include <thread>

namespace sim {

Clock::Clock(double timeScale) : timeScale_(timeScale), start_(std::chrono::steady_clock::now()) {}

uint64_t Clock::nowUs() const {
    if (isVirtual())
        return virtualUs_.load();
    const auto real = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start_);
    return uint64_t(real.count() / timeScale_);
}

void Clock::advanceUs(uint64_t us) {
    if (isVirtual())
        virtualUs_.fetch_add(us);
    else
        std::this_thread::sleep_for(std::chrono::duration<double, std::micro>(double(us) * timeScale_));
}

void Clock::advanceToUs(uint64_t us) {
    const uint64_t now = nowUs();
    if (us > now)
        advanceUs(us - now);
}

}  // namespace sim
