// kelvane-monitor-bench: the bus monitor's list with 10,000 frames of a busy
// bus: time to append them, to filter by address and by command, and the
// memory the process holds afterwards.

#include "sim/frame_monitor.h"

#include <QCoreApplication>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Resident set size from /proc, in MiB.
double residentMiB() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return double(resident) * 4096.0 / (1024.0 * 1024.0);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    constexpr int kFrames = 10000;
    sim::FrameMonitor monitor;
    const double before = residentMiB();
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kFrames; ++i) {
        // Queries to every address, half of them answered.
        const uint64_t us = uint64_t(i) * 30000;
        if (i % 2 == 0)
            monitor.append({us, sim::FrameKind::Forward, uint16_t(((i / 2) % 64) << 9 | 0x0190), {}});
        else
            monitor.append({us, sim::FrameKind::Backward, uint16_t(i & 0xFF), {}});
    }
    const double append = secondsSince(start);
    start = std::chrono::steady_clock::now();
    monitor.setAddressFilter(17);
    const int byAddress = monitor.rowCount();
    monitor.setAddressFilter(sim::FrameMonitor::AnyTarget);
    monitor.setCommandFilter(QStringLiteral("status"));
    const int byCommand = monitor.rowCount();
    const double filter = secondsSince(start);
    std::printf("%d frames: append %.1f ms, two filters %.1f ms (%d and %d rows), %.1f MiB held\n", kFrames,
                append * 1e3, filter * 1e3, byAddress, byCommand, residentMiB() - before);
    return 0;
}
