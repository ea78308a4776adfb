#include "sim/memory_bank0.h"

#include <numeric>

namespace sim {
namespace {

// Writes the low `count` bytes of `value` at `at`, most significant first.
template <size_t N>
void putBigEndian(std::array<uint8_t, N>& bytes, size_t at, uint64_t value, int count) {
    for (int i = 0; i < count; ++i)
        bytes[at + i] = uint8_t(value >> (8 * (count - 1 - i)));
}

}  // namespace

MemoryBank0::MemoryBank0(uint64_t gtin, std::array<uint8_t, 2> firmwareVersion, uint64_t identificationNumber,
                         uint8_t versionNumber, uint8_t lastBank)
    : versionNumber_(versionNumber) {
    const bool dali2 = versionNumber >= kFirstDali2Version;
    bytes_[0x00] = dali2 ? kDali2LastLocation : kEdition1LastLocation;
    bytes_[0x02] = lastBank;
    putBigEndian(bytes_, 0x03, gtin, 6);
    bytes_[0x09] = firmwareVersion[0];
    bytes_[0x0A] = firmwareVersion[1];
    if (!dali2) {
        putBigEndian(bytes_, 0x0B, identificationNumber, 4);
        const auto end = bytes_.begin() + kEdition1LastLocation + 1;
        bytes_[kChecksum] = uint8_t(-std::accumulate(bytes_.begin(), end, 0u));
        return;
    }
    putBigEndian(bytes_, 0x0B, identificationNumber, 8);
    bytes_[0x13] = 1;
    bytes_[0x14] = 0;
    bytes_[0x15] = versionNumber;
    bytes_[0x16] = versionNumber;
    bytes_[0x17] = 0xFF;
    bytes_[0x18] = 0;
    bytes_[0x19] = 1;
    bytes_[0x1A] = 0;
}

std::optional<uint8_t> MemoryBank0::read(uint8_t location) const {
    if (location > lastLocation() || (location == kChecksum && versionNumber_ >= kFirstDali2Version))
        return std::nullopt;
    return bytes_[location];
}

}  // namespace sim
