// banks-64: banks 0, 1 and 202..207 of 64 D4i luminaires, read as the
// information tab reads them (identity, then the luminaire banks).

#include "bench/bench_jobs.h"
#include "devices/gear_identity.h"
#include "devices/luminaire_reading.h"

#include <algorithm>

namespace bench {

sim::Scenario luminaireAtEveryAddress() {
    sim::Scenario scenario;
    scenario.interfaces.emplace_back();
    scenario.interfaces.back().serial = "0000BE01";
    for (int a = 0; a < 64; ++a) {
        sim::GearConfig gear;
        gear.name = "Luminaire " + std::to_string(a);
        gear.shortAddress = uint8_t(a);
        gear.actualLevel = 254;
        gear.banks = {.present = true, .luminaireId = uint64_t(a), .year = 24, .week = 1, .nominalPowerW = 36,
                      .identification = "Bench luminaire"};
        scenario.interfaces.back().bus.gear.push_back(gear);
    }
    return scenario;
}

JobOutcome readBanksJob(const MeasureFromHere& measureFromHere) {
    const std::optional<BusLink> link = connectFirstInterface();
    if (!link)
        return {false, "no interface with a bridge"};
    measureFromHere();
    int complete = 0;
    for (int address = 0; address < 64; ++address) {
        LinkResult results = 0;
        const bool identity = ReadGearIdentity(*link, address, results).has_value();
        const BankReadings banks = ReadLuminaireBanks(*link, address, results);
        // The simulated luminaire has every bank but 203 and 204.
        const int present = int(std::count_if(banks.begin(), banks.end(), [](const auto& b) { return b.second.has_value(); }));
        complete += identity && results == link_result::kOk && present == 5;
    }
    return {complete == 64, std::to_string(complete) + " of 64 gear: banks 0, 1, 202, 205, 206, 207 read"};
}

}  // namespace bench
