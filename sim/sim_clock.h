#pragma once
// The clock of a simulated interface, in microseconds.
//
// timeScale 0: virtual time. It stands still until someone lets it pass (a
// report, a kit_sleep), so tests and benchmarks run as fast as the host allows
// and always the same way. timeScale > 0: real time, stretched by the factor
// (1 = wall-clock speed, as the interactive demo wants).
//
// Threads on virtual time: the interface and its bus are one shared timeline,
// advanced by reports and frames (advanceUs). A pause (pauseUs) belongs to the
// thread that takes it: it moves only that thread's own time, as a sleep on a
// real clock lets the other threads go on meanwhile. A thread's next use of
// the interface starts at the later of its own time and the shared time. So a
// 50 ms pause of the addressing worker and a TERMINATE the UI thread sends
// during it overlap, as they would on a real bus, instead of adding up.

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <thread>
#include <unordered_map>

namespace sim {

class Clock {
public:
    explicit Clock(double timeScale = 0.0);

    double timeScale() const { return timeScale_; }
    bool isVirtual() const { return timeScale_ <= 0.0; }

    // Now, as the calling thread sees it: the shared time, or the end of the
    // thread's own pause when that lies later.
    uint64_t nowUs() const;
    // The interface is busy for `us` microseconds on behalf of the caller,
    // starting at the caller's now: the shared time moves to the end.
    void advanceUs(uint64_t us);
    // Lets shared time pass until `us` (no-op when it has passed already).
    void advanceToUs(uint64_t us);
    // The caller pauses for `us` microseconds; only its own time moves.
    void pauseUs(uint64_t us);

private:
    double timeScale_;
    std::chrono::steady_clock::time_point start_;
    mutable std::mutex lock_;
    uint64_t sharedUs_ = 0;
    std::unordered_map<std::thread::id, uint64_t> ownUs_;  // threads whose pause outlasts shared time
};

}  // namespace sim
