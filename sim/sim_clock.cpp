#include "sim/sim_clock.h"

#include <algorithm>

namespace sim {

Clock::Clock(double timeScale) : timeScale_(timeScale), start_(std::chrono::steady_clock::now()) {}

uint64_t Clock::nowUs() const {
    if (!isVirtual()) {
        const auto real = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start_);
        return uint64_t(real.count() / timeScale_);
    }
    std::lock_guard guard(lock_);
    const auto own = ownUs_.find(std::this_thread::get_id());
    return own == ownUs_.end() ? sharedUs_ : std::max(sharedUs_, own->second);
}

void Clock::advanceUs(uint64_t us) {
    if (!isVirtual()) {
        std::this_thread::sleep_for(std::chrono::duration<double, std::micro>(double(us) * timeScale_));
        return;
    }
    std::lock_guard guard(lock_);
    uint64_t start = sharedUs_;
    if (const auto own = ownUs_.find(std::this_thread::get_id()); own != ownUs_.end()) {
        start = std::max(start, own->second);
        // From here on the thread is on the shared timeline again.
        ownUs_.erase(own);
    }
    sharedUs_ = start + us;
}

void Clock::advanceToUs(uint64_t us) {
    const uint64_t now = nowUs();
    if (us > now)
        advanceUs(us - now);
}

void Clock::pauseUs(uint64_t us) {
    if (!isVirtual()) {
        std::this_thread::sleep_for(std::chrono::duration<double, std::micro>(double(us) * timeScale_));
        return;
    }
    std::lock_guard guard(lock_);
    uint64_t& own = ownUs_[std::this_thread::get_id()];
    own = std::max(own, sharedUs_) + us;
}

}  // namespace sim
