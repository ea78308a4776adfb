#pragma once
// The clock of a simulated interface, in microseconds.
//
// timeScale 0: virtual time. It stands still until someone advances it (a
// report, a kit_sleep), so tests and benchmarks run as fast as the host allows
// and always the same way. timeScale > 0: real time, stretched by the factor
// (1 = wall-clock speed, as the interactive demo wants).

#include <atomic>
#include <chrono>
#include <cstdint>

namespace sim {

class Clock {
public:
    explicit Clock(double timeScale = 0.0);

    double timeScale() const { return timeScale_; }
    bool isVirtual() const { return timeScale_ <= 0.0; }

    uint64_t nowUs() const;
    // Lets `us` microseconds pass: adds them on virtual time, sleeps otherwise.
    void advanceUs(uint64_t us);
    // Lets time pass until `us` (no-op when it has passed already).
    void advanceToUs(uint64_t us);

private:
    double timeScale_;
    std::atomic<uint64_t> virtualUs_{0};
    std::chrono::steady_clock::time_point start_;
};

}  // namespace sim
