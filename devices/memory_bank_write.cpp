#include "devices/memory_bank_write.h"

#include "dali/dali_commands.h"
#include "devices/bank_layouts.h"
#include "devices/gear_transactions.h"
#include "devices/memory_bank.h"

using dali::code;
using dali::SpecialOp;

namespace {

constexpr uint8_t kFirstDataLocation = 3;

// The location's byte after DTR0 = location and READ MEMORY LOCATION.
std::optional<uint8_t> readAt(const BusLink& link, uint8_t a, uint8_t location, LinkResult& results) {
    SendToGear(link, code(SpecialOp::Dtr0), location, results);
    return QueryGear(link, a, code(dali::Op::ReadMemoryLocation), results);
}

BankWriteOutcome outcomeOf(const BankWriteContext& c, const BankWriteResult& r, std::optional<uint8_t> lock) {
    if (r.results != link_result::kOk)
        return BankWriteOutcome::LinkFailed;
    if (!r.answer)
        return lock == kUnlockValue ? BankWriteOutcome::NotTaken : BankWriteOutcome::Locked;
    if (!r.readBack)
        return BankWriteOutcome::NoReadBack;
    return *r.answer == c.value && *r.readBack == c.value ? BankWriteOutcome::Written : BankWriteOutcome::Differs;
}

}  // namespace

// Bank 0 is the gear's identity and the latching banks hold its own counters.
bool BankLocationWritable(uint8_t bank, uint8_t location) {
    const BankLayout* layout = FindBankLayout(bank);
    return bank != 0 && !(layout && layout->latched) && location >= kFirstDataLocation;
}

BankWriteResult WriteBankLocation(const BankWriteContext& c) {
    BankWriteResult result;
    if (!BankLocationWritable(c.bank, c.location))
        return result;
    const BusLink& link = c.link;
    const uint8_t a = dali::commandAddress(c.address);
    SendToGear(link, code(SpecialOp::Dtr1), c.bank, result.results);
    const std::optional<uint8_t> last = readAt(link, a, 0, result.results);
    if (result.results != link_result::kOk || !last || c.location > *last) {
        result.outcome = result.results != link_result::kOk ? BankWriteOutcome::LinkFailed
                         : last                             ? BankWriteOutcome::OutsideBank
                                                            : BankWriteOutcome::NoBank;
        return result;
    }

    WriteLockByte(link, a, kUnlockValue, result.results);
    SendToGear(link, code(SpecialOp::Dtr0), c.location, result.results);
    result.answer = QueryGear(link, code(SpecialOp::WriteMemoryLocation), c.value, result.results);
    // A read ends write-enable, so the lock byte is asked only once the write is over.
    const std::optional<uint8_t> lock =
        result.answer ? std::nullopt : readAt(link, a, kLockByteLocation, result.results);
    WriteLockByte(link, a, kLockValue, result.results);
    if (result.answer)
        result.readBack = readAt(link, a, c.location, result.results);
    result.outcome = outcomeOf(c, result, lock);
    return result;
}
