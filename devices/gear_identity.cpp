#include "devices/gear_identity.h"

#include "dali/dali_commands.h"
#include "devices/bank_layouts.h"
#include "devices/gear_transactions.h"
#include "devices/memory_bank.h"

namespace {

constexpr uint8_t kFirstDali2Version = 8;
constexpr uint8_t kGtin = 0x03, kFirmware = 0x09, kIdentification = 0x0B, kLastBank = 0x02;
constexpr int kGtinBytes = 6;

// A value whose bytes are all 0xFF is MASK: the gear does not say. Nor
// does a number left 0 by its maker: it would make every such unit one.
std::optional<uint64_t> unlessBlank(std::optional<uint64_t> value, int bytes) {
    const uint64_t mask = bytes >= 8 ? ~uint64_t{0} : (uint64_t{1} << (8 * bytes)) - 1;
    return value && *value != mask && *value != 0 ? value : std::nullopt;
}

}  // namespace

std::optional<GearIdentity> ReadGearIdentity(const BusLink& link, int address, LinkResult& results) {
    const std::optional<uint8_t> version =
        QueryGear(link, dali::commandAddress(address), dali::code(dali::Op::QueryVersionNumber), results);
    const bool dali2 = version && *version >= kFirstDali2Version;
    const int idBytes = dali2 ? 8 : 4;
    const std::optional<MemoryBankBytes> bank =
        ReadMemoryBank(link, address, 0, kLastBank, Bank0Layout(dali2).lastFieldLocation(), results);
    if (!bank)
        return std::nullopt;
    GearIdentity identity;
    identity.gtin = unlessBlank(bank->bigEndian(kGtin, kGtinBytes), kGtinBytes);
    const auto major = bank->at(kFirmware), minor = bank->at(kFirmware + 1);
    if (major && minor && !(*major == 0xFF && *minor == 0xFF))
        identity.firmware = std::array<uint8_t, 2>{*major, *minor};
    identity.identificationNumber = unlessBlank(bank->bigEndian(kIdentification, idBytes), idBytes);
    identity.identificationBytes = idBytes;
    if (!identity.known())
        return std::nullopt;
    identity.bank0 = bank;
    return identity;
}
