#pragma once
// The memory banks of a simulated D4i luminaire beyond bank 0: luminaire data
// (bank 1), active energy and power (202), control gear and light source
// diagnostics (205, 206) and maintenance data (207). Banks 203 and 204
// (apparent and load-side energy) are not there.
//
// Every bank: location 0 its last accessible location, 1 an indicator byte
// (not implemented), 2 the lock byte. Banks 202..206 latch: 0xAA written to
// the lock byte freezes a snapshot that reads return until another value is
// written there. Banks 1 and 207 are writable while the lock byte holds 0x55.
//
// Counting: active energy from the nominal power at the arc level over the
// bus clock, control gear operating time while powered, light source on-time
// and starts from the level.

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace sim {

// The values a scenario gives a luminaire's banks; `present` false: the gear has none.
struct GearBanksConfig {
    bool present = false;
    uint64_t luminaireGtin = 0;
    uint64_t luminaireId = 0;
    uint8_t year = 0xFF, week = 0xFF;  // of manufacture, 0xFF: MASK
    uint16_t nominalPowerW = 0xFFFF;
    std::string identification;  // up to 60 ASCII characters
    uint64_t activeEnergyWh = 0;
    uint32_t operatingSeconds = 0;
    uint32_t gearStarts = 0;
    uint32_t lightSourceOnSeconds = 0;
    uint32_t lightSourceStarts = 0;
    uint8_t lightSourceFailures = 0;  // the overall failure condition counter

    bool operator==(const GearBanksConfig&) const = default;
};

class LuminaireBanks {
public:
    // `level`: the gear's arc level at the start.
    LuminaireBanks(const GearBanksConfig& config, uint8_t level);

    bool has(uint8_t bank) const;
    // The byte at `location` (a latched bank's snapshot), or nothing where
    // the bank or the location is not there.
    std::optional<uint8_t> read(uint8_t bank, uint8_t location) const;
    // Writes when the location may be written now; the answer is the byte
    // written, nothing when it was not.
    std::optional<uint8_t> write(uint8_t bank, uint8_t location, uint8_t value);

    // Counts from the last call to `nowUs` at the level and mains state setState gave.
    void advance(uint64_t nowUs);
    // The arc level (0 off) and the mains from now on; a start counts here.
    void setState(uint8_t level, bool powered);
    GearBanksConfig snapshot() const;
    // The active energy counted up to `nowUs`, without moving the count on
    // (the panel shows it between frames).
    double activeEnergyWh(uint64_t nowUs) const;

    static constexpr uint8_t kLockByte = 2;
    static constexpr uint8_t kLatch = 0xAA, kUnlock = 0x55;

private:
    using Bytes = std::array<uint8_t, 256>;
    // The bank's bytes now; nothing for a bank the gear does not have.
    std::optional<Bytes> live(uint8_t bank) const;
    // What the nominal power at the last level adds over `elapsedUs`.
    double energyAddedWh(double elapsedUs) const;

    GearBanksConfig config_;
    Bytes bank1_{}, bank207_{};
    std::map<uint8_t, uint8_t> lockBytes_;
    std::map<uint8_t, Bytes> latched_;
    double energyWh_ = 0, operatingS_ = 0, onS_ = 0;
    uint64_t lastUs_ = 0;
    uint8_t lastLevel_ = 0;
    bool powered_ = true;
};

}  // namespace sim
