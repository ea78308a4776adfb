// kelvane-bench: runs bus jobs on the simulated interface and prints, per job,
// the simulated bus time, its forward frames, the wire-time limit of the same frames (frame times
// plus minimum settling), their ratio and the host CPU time. A job that
// prepares its bus first (a scan, a read) is measured from the end of that.
// A job without frames (the report) shows "-" for its limit and ratio.
//
// PELLIXKIT_SIMULATION ("demo" or a scenario file) replaces the jobs' own
// scenarios; the bench always runs on virtual time (timeScale 0), whatever the
// scenario says. PELLIXKIT_CAPTURE receives every frame of every job; the jobs
// follow each other on one continuous bus clock.

#include "bench/bench_jobs.h"
#include "kit/kit_backend.h"
#include "kit/sim_backend.h"
#include "sim/bus_capture.h"
#include "sim/dali_bus.h"
#include "sim/sim_clock.h"

#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

const char* environment(const char* name) {
    const char* value = std::getenv(name);
    return value && *value ? value : nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    // The report job draws a PDF, which needs fonts, so a GUI application,
    // but no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    std::optional<sim::Scenario> common;
    if (const char* name = environment("PELLIXKIT_SIMULATION")) {
        std::string error;
        common = sim::loadScenario(name, error);
        if (!common) {
            std::fprintf(stderr, "PELLIXKIT_SIMULATION: %s\n", error.c_str());
            return 2;
        }
    }
    std::shared_ptr<sim::BusCapture> capture;
    if (const char* path = environment("PELLIXKIT_CAPTURE")) {
        std::string error;
        capture = sim::BusCapture::create(path, error);
        if (!capture) {
            std::fprintf(stderr, "PELLIXKIT_CAPTURE: %s\n", error.c_str());
            return 2;
        }
    }

    if (common)
        std::printf("# every job runs on PELLIXKIT_SIMULATION=%s (virtual time)\n",
                    environment("PELLIXKIT_SIMULATION"));
    std::printf("%-12s %12s %7s %12s %7s %9s  %s\n", "job", "bus time", "frames", "wire limit", "ratio", "cpu",
                "result");
    int failures = 0;
    uint64_t clockUs = 0;
    for (const bench::BenchJob& job : bench::benchJobs()) {
        sim::Scenario scenario = common ? *common : job.ownScenario();
        scenario.timeScale = 0.0;
        auto backend = kit::buildSimulatedBackend(scenario, capture);
        backend->clock()->advanceToUs(clockUs);
        kit::installBackend(backend);

        const auto bus = backend->bus(0);
        double cpuStart = 0;
        uint64_t busStartUs = 0;
        const auto measureFromHere = [&] {
            if (bus)
                bus->takeFrameLog();
            busStartUs = backend->clock()->nowUs();
            cpuStart = bench::cpuSeconds();
        };
        measureFromHere();
        const bench::JobOutcome outcome = job.run(measureFromHere);
        const double cpu = bench::cpuSeconds() - cpuStart;
        clockUs = backend->clock()->nowUs();

        const std::vector<sim::BusFrame> frames = bus ? bus->frameLog() : std::vector<sim::BusFrame>{};
        const uint64_t limitUs = bench::wireTimeLimitUs(frames);
        const auto forwardFrames = std::count_if(frames.begin(), frames.end(), [](const sim::BusFrame& frame) {
            return frame.kind == sim::FrameKind::Forward;
        });
        const double busSeconds = double(clockUs - busStartUs) * 1e-6;
        const double limitSeconds = double(limitUs) * 1e-6;
        char limit[16] = "-", ratio[16] = "-";
        if (limitUs) {
            std::snprintf(limit, sizeof limit, "%.3f s", limitSeconds);
            std::snprintf(ratio, sizeof ratio, "%.2f", busSeconds / limitSeconds);
        }
        std::string summary = outcome.summary;
        if (job.gearCount)
            summary += ", " + std::to_string(forwardFrames / job.gearCount) + " frames per gear";
        std::printf("%-12.*s %10.3f s %7lld %12s %7s %7.3f s  %s\n", int(job.name.size()), job.name.data(), busSeconds,
                    static_cast<long long>(forwardFrames), limit, ratio, cpu, summary.c_str());
        std::fflush(stdout);
        failures += outcome.ok ? 0 : 1;
        kit::installBackend(nullptr);
    }
    return failures ? 1 : 0;
}
