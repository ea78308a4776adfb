#include "devices/memory_bank.h"

#include "dali/dali_commands.h"
#include "devices/gear_transactions.h"

#include <algorithm>

using dali::code;
using dali::SpecialOp;

namespace {

enum class Reply { Answer, Silent, Unclear, Failed };

struct Read {
    Reply reply = Reply::Silent;
    uint8_t byte = 0;
};

Read readLocation(const BusLink& link, uint8_t a, LinkResult& results) {
    uint8_t answer = 0, status = 0;
    const LinkResult result = dalikit_Query(link, a, code(dali::Op::ReadMemoryLocation), answer, status);
    dalikit_WaitIdle(link);
    results |= result;
    if (result != link_result::kOk)
        return {Reply::Failed};
    if (bridge_status::isCleanAnswer(status))
        return {Reply::Answer, answer};
    return {bridge_status::isGarbledAnswer(status) || (status & bridge_status::kValid) ? Reply::Unclear
                                                                                      : Reply::Silent};
}

// The location's byte; asked a second time after an unclear answer.
Read readAt(const BusLink& link, uint8_t a, uint8_t location, bool dtr0Set, LinkResult& results) {
    if (!dtr0Set)
        SendToGear(link, code(SpecialOp::Dtr0), location, results);
    Read read = readLocation(link, a, results);
    if (read.reply == Reply::Unclear) {
        SendToGear(link, code(SpecialOp::Dtr0), location, results);
        read = readLocation(link, a, results);
    }
    return read;
}

}  // namespace

void WriteLockByte(const BusLink& link, uint8_t a, uint8_t value, LinkResult& results) {
    results |= dalikit_ConfigureTwice(link, a, code(dali::Op::EnableWriteMemory));
    SendToGear(link, code(SpecialOp::Dtr0), kLockByteLocation, results);
    SendToGear(link, code(SpecialOp::WriteMemoryLocationNoReply), value, results);
}

std::optional<uint8_t> MemoryBankBytes::at(int location) const {
    const int i = location - first;
    return i >= 0 && i < int(bytes.size()) ? bytes[size_t(i)] : std::nullopt;
}

std::optional<uint64_t> MemoryBankBytes::bigEndian(int location, int count) const {
    uint64_t value = 0;
    for (int i = 0; i < count; ++i) {
        const std::optional<uint8_t> byte = at(location + i);
        if (!byte)
            return std::nullopt;
        value = value << 8 | *byte;
    }
    return value;
}

std::optional<MemoryBankBytes> ReadMemoryBank(const BusLink& link, int address, uint8_t bank, uint8_t first,
                                              uint8_t last, LinkResult& results, BankLatch latch) {
    const uint8_t a = dali::commandAddress(address);
    SendToGear(link, code(SpecialOp::Dtr1), bank, results);
    const Read end = readAt(link, a, 0, false, results);
    if (end.reply != Reply::Answer)
        return std::nullopt;
    const bool latched = latch == BankLatch::Snapshot;
    if (latched)
        WriteLockByte(link, a, kLatchValue, results);
    MemoryBankBytes bytes{end.byte, {}, first};
    const int stop = std::min(last, end.byte);
    bool dtr0Set = first == 1 && !latched;  // reading location 0 moved it there
    bool failed = false;
    for (int location = first; location <= stop && !failed; ++location) {
        const Read read = readAt(link, a, uint8_t(location), dtr0Set, results);
        failed = read.reply == Reply::Failed;
        bytes.bytes.push_back(read.reply == Reply::Answer ? std::optional<uint8_t>(read.byte) : std::nullopt);
        // After a second try the gear's DTR0 is past this location again.
        dtr0Set = true;
    }
    // The snapshot is let go even after a failure, so the bank reads live again.
    if (latched)
        WriteLockByte(link, a, kUnlatchValue, results);
    if (failed)
        return std::nullopt;
    return bytes;
}
