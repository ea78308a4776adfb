#pragma once
// Memory bank 0 of a simulated control gear: the read-only identification
// bank that READ MEMORY LOCATION reads with DTR1 = 0.
//
// Layout (locations not listed do not exist; reading them gives no answer):
//   0x00        last accessible location (0x1A)
//   0x01        reserved, not implemented: no answer
//   0x02        number of the last accessible memory bank (0: bank 0 only)
//   0x03..0x08  GTIN, 48 bit, most significant byte first
//   0x09..0x0A  firmware version, major then minor
//   0x0B..0x12  identification number, 64 bit, most significant byte first
//   0x13..0x14  hardware version, major then minor (1.0)
//   0x15        version number of the bus unit part (IEC 62386-101): the gear's version number
//   0x16        version number of the control gear part (IEC 62386-102): as QUERY VERSION NUMBER
//   0x17        version number of the control device part (IEC 62386-103): 0xFF, not implemented
//   0x18        number of logical control device units: 0
//   0x19        number of logical control gear units: 1
//   0x1A        index of this control gear unit: 0

#include <array>
#include <cstdint>
#include <optional>

namespace sim {

class MemoryBank0 {
public:
    static constexpr uint8_t kLastLocation = 0x1A;

    // versionNumber: major << 2 | minor, 8 for version 2.0, 1 for an edition-1 gear.
    MemoryBank0(uint64_t gtin, std::array<uint8_t, 2> firmwareVersion, uint64_t identificationNumber,
                uint8_t versionNumber);

    // The byte at `location`, or nothing for a location not implemented or
    // past the last accessible location.
    std::optional<uint8_t> read(uint8_t location) const;
    uint8_t versionNumber() const { return bytes_[kControlGearVersion]; }

private:
    static constexpr uint8_t kReserved = 0x01;
    static constexpr uint8_t kControlGearVersion = 0x16;
    std::array<uint8_t, kLastLocation + 1> bytes_{};
};

}  // namespace sim
