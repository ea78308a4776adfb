#pragma once
// Memory bank 0 of a simulated control gear: the read-only identification
// bank that READ MEMORY LOCATION reads with DTR1 = 0. Its layout follows the
// gear's edition (locations not listed do not exist; reading them gives no
// answer).
//
// DALI-2 gear (IEC 62386-102 ed. 2, version number 8 and up):
//   0x00        last accessible location (0x1A)
//   0x01        reserved, not implemented: no answer
//   0x02        number of the last accessible memory bank
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
//
// Edition-1 gear (version number below 8):
//   0x00        last accessible location (0x0E)
//   0x01        checksum: the bytes 0x00..0x0E add up to 0 (modulo 256)
//   0x02..0x0A  as above
//   0x0B..0x0E  serial number, the identification number's low 32 bits, most significant byte first

#include <array>
#include <cstdint>
#include <optional>

namespace sim {

class MemoryBank0 {
public:
    // versionNumber: major << 2 | minor, 8 for version 2.0, 1 for an edition-1 gear.
    // lastBank: the last accessible memory bank (0: bank 0 only).
    MemoryBank0(uint64_t gtin, std::array<uint8_t, 2> firmwareVersion, uint64_t identificationNumber,
                uint8_t versionNumber, uint8_t lastBank = 0);

    // The byte at `location`, or nothing for a location not implemented or
    // past the last accessible location.
    std::optional<uint8_t> read(uint8_t location) const;
    uint8_t versionNumber() const { return versionNumber_; }
    uint8_t lastLocation() const { return bytes_[0x00]; }

    static constexpr uint8_t kFirstDali2Version = 8;

private:
    static constexpr uint8_t kChecksum = 0x01;  // reserved from edition 2 on
    static constexpr uint8_t kDali2LastLocation = 0x1A, kEdition1LastLocation = 0x0E;
    std::array<uint8_t, kDali2LastLocation + 1> bytes_{};
    uint8_t versionNumber_;
};

}  // namespace sim
