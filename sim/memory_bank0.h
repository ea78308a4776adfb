#pragma once
// Memory bank 0 of a simulated control gear: the read-only identification
// bank that READ MEMORY LOCATION reads with DTR1 = 0.
//
// Layout (locations not listed do not exist; reading them gives no answer):
//   0x00        last accessible location (0x1A)
//   0x01        reserved, reads 0xFF
//   0x02        number of the last accessible memory bank (0: bank 0 only)
//   0x03..0x08  GTIN, 48 bit, most significant byte first
//   0x09..0x0A  firmware version, major then minor
//   0x0B..0x12  identification number, 64 bit, most significant byte first
//   0x13..0x14  hardware version, major then minor (1.0)
//   0x15        version number of the bus unit part (IEC 62386-101): 1
//   0x16        version number of the control gear part (IEC 62386-102): 1, as QUERY VERSION NUMBER
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
    static constexpr uint8_t kVersionNumber = 1;

    MemoryBank0(uint64_t gtin, std::array<uint8_t, 2> firmwareVersion, uint64_t identificationNumber);

    // The byte at `location`, or nothing past the last accessible location.
    std::optional<uint8_t> read(uint8_t location) const;

private:
    std::array<uint8_t, kLastLocation + 1> bytes_{};
};

}  // namespace sim
