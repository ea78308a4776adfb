// The job table of kelvane-bench and the jobs' own scenarios.

#include "bench/bench_jobs.h"

#include <cstdio>
#include <ctime>

namespace bench {

double cpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

namespace {

sim::Scenario oneBus(std::vector<sim::GearConfig> gear) {
    sim::Scenario scenario;
    scenario.interfaces.emplace_back();
    scenario.interfaces.back().serial = "0000BE01";
    scenario.interfaces.back().bus.gear = std::move(gear);
    return scenario;
}

sim::Scenario demoGear() {
    std::string error;
    if (std::optional<sim::Scenario> demo = sim::loadScenario("demo", error))
        return *demo;
    std::fprintf(stderr, "%s\n", error.c_str());
    return oneBus({});
}

sim::Scenario gearAtAddressZero() {
    std::vector<sim::GearConfig> gear(1);
    gear[0].shortAddress = 0;
    return oneBus(std::move(gear));
}

sim::Scenario gearAtEveryAddress() {
    std::vector<sim::GearConfig> gear(64);
    for (int a = 0; a < 64; ++a) {
        gear[size_t(a)].name = "Gear " + std::to_string(a);
        gear[size_t(a)].shortAddress = uint8_t(a);
    }
    return oneBus(std::move(gear));
}

sim::Scenario unaddressedGear() {
    std::vector<sim::GearConfig> gear(64);
    for (int i = 0; i < 64; ++i)
        gear[size_t(i)].name = "New gear " + std::to_string(i + 1);
    return oneBus(std::move(gear));
}

JobOutcome sweep(const MeasureFromHere&) {
    const std::optional<BusLink> link = connectFirstInterface();
    if (!link)
        return {false, "no interface with a bridge"};
    return {true, std::to_string(sweepShortAddresses(*link)) + " gear answered"};
}

JobOutcome scan(const MeasureFromHere&) {
    const std::optional<BusLink> link = connectFirstInterface();
    if (!link)
        return {false, "no interface with a bridge"};
    const int found = scanBus(*link);
    return {found >= 0, std::to_string(found) + " gear found and read"};
}

// Host CPU per query transaction, apart from the bus time it simulates.
JobOutcome query(const MeasureFromHere&) {
    constexpr int kQueries = 10000;
    const std::optional<BusLink> link = connectFirstInterface();
    if (!link)
        return {false, "no interface with a bridge"};
    int answered = 0;
    const double start = cpuSeconds();
    for (int i = 0; i < kQueries; ++i) {
        uint8_t answer = 0, status = 0;
        dalikit_Query(*link, 0x01, 0x90, answer, status);
        answered += status == 0x09;
    }
    const double perQueryUs = (cpuSeconds() - start) * 1e6 / kQueries;
    char text[96];
    std::snprintf(text, sizeof text, "%d of %d answered, %.1f us CPU per query", answered, kQueries, perQueryUs);
    return {answered == kQueries, text};
}

JobOutcome search(const MeasureFromHere&) {
    const std::optional<BusLink> link = connectFirstInterface();
    if (!link)
        return {false, "no interface with a bridge"};
    const uint64_t startUs = kit_clock_us(link->handle);
    const int addressed = addressAllByRandomSearch(*link);
    const double perGear = addressed ? double(kit_clock_us(link->handle) - startUs) * 1e-6 / addressed : 0.0;
    char text[96];
    std::snprintf(text, sizeof text, "%d gear addressed, %.3f s bus time per gear", addressed, perGear);
    return {addressed > 0, text};
}

constexpr BenchJob kJobs[] = {
    {"sweep", demoGear, sweep},
    {"sweep-64", gearAtEveryAddress, sweep},
    {"scan", demoGear, scan},
    {"scan-64", gearAtEveryAddress, scan},
    {"search-64", unaddressedGear, search},
    {"query", gearAtAddressZero, query},
    {"read-all-64", gearAtEveryAddress, readAllJob},
    {"send-64", gearAtEveryAddress, sendBasicToAllJob},
    {"transfer-64", gearAtEveryAddress, transferProjectJob},
    {"groups-64", gearAtEveryAddress, groupManagerApplyJob},
    {"scenes-64", gearAtEveryAddress, sceneManagerApplyJob},
    {"save-64", gearAtEveryAddress, saveProjectJob},
    {"report-64", gearAtEveryAddress, installationReportJob},
    {"banks-64", luminaireAtEveryAddress, readBanksJob, 64},
};

}  // namespace

std::span<const BenchJob> benchJobs() { return kJobs; }

}  // namespace bench
