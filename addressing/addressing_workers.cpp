#include "addressing/addressing_workers.h"

#include "addressing/random_search.h"
#include "addressing/search_steps.h"
#include "dali/dali_commands.h"
#include "storage/load_text.h"

using dali::code;
using dali::Op;
using dali::SpecialOp;

namespace addressing {
namespace {

constexpr StringId kAddressingRunsText = 439, kPressKeyText = 440, kAddressLabel = 441, kNoFreeAddressText = 444,
                   kTwinsLeftText = 449, kSharedAddressText = 450, kSeveralKeysText = 451;
constexpr unsigned kPollPauseMs = 1;
constexpr int kQueryAttempts = 3;  // per address while collecting the free ones

void appendText(AddressingRun& run, StringId id) {
    if (run.appendLine)
        run.appendLine(LoadText(id, run.languageModulePath));
}

// A text with one "%d" for the address.
void appendAddressText(AddressingRun& run, StringId id, int address) {
    if (run.appendLine)
        run.appendLine(QString::asprintf(qUtf8Printable(LoadText(id, run.languageModulePath)), address));
}

// The record of an address given in this run describes a gear Kelvane has
// not read yet: it starts afresh, present.
void markAddressed(AddressingRun& run, int address) {
    DeviceRecord& record = run.table[size_t(address)];
    record.Reset();
    record.present = 1;
    record.placedAt = run.placedAt;
}

// The gear addressed at entry k of the free list gets its line, its light
// and its present mark.
void reportAddressed(AddressingRun& run, int k) {
    const int address = run.freeAddresses[size_t(k)] & 0x3F;
    AppendAddressLine(run, address);
    if (run.visualConfirmation == 1)
        ConfirmVisually(run.link, dali::commandAddress(address));
    markAddressed(run, address);
}

// More gear than free addresses: the rest keep no address, and the user reads why.
bool freeAddressesLeft(AddressingRun& run, int k) {
    if (k < run.freeCount)
        return true;
    appendText(run, kNoFreeAddressText);
    return false;
}

void renewInitialisation(const BusLink& link, uint8_t initialiseData) {
    dalikit_SendTwice(link, code(SpecialOp::Initialise), initialiseData);
    dalikit_WaitIdle(link);
    EnterPhysicalSelection(link);
}

}  // namespace

LinkResult EnterPhysicalSelection(const BusLink& link) {
    TransactionGuard guard(link.handle);
    dalikit_SendTwice(link, code(SpecialOp::PhysicalSelection), 0x00);
    return dalikit_WaitIdle(link);
}

bool WaitForSelectedNewGear(AddressingRun& run, uint64_t& initialisedUs) {
    for (;;) {
        kit_sleep(run.link.handle, kPollPauseMs);
        if (run.onPoll)
            run.onPoll();
        if (!run.running)
            return false;
        if (kit_clock_us(run.link.handle) - initialisedUs >= kRenewInitialisationUs) {
            renewInitialisation(run.link, run.initialiseData);
            initialisedUs = kit_clock_us(run.link.handle);
        }
        const Answer answer = AskTwice(run.link, code(SpecialOp::QueryShortAddress), 0x00);
        // Keys of several gear were pressed: they would share one address.
        // None stays selected; the installer presses one key again.
        if (answer.garbled) {
            appendText(run, kSeveralKeysText);
            EnterPhysicalSelection(run.link);
            continue;
        }
        if (answer.byte == kNoShortAddress)
            return true;
        // A gear that has an address was pressed: it is not programmed, and
        // it must not stay selected, or the next new gear's key would select
        // both and they would share that gear's new address.
        if (answer.byte != 0)
            EnterPhysicalSelection(run.link);
    }
}

bool ProgramSelected(const BusLink& link, uint8_t addressByte) {
    if (!SendUntilThrough(link, code(SpecialOp::ProgramShortAddress), addressByte))
        return false;
    const Answer answer = AskTwice(link, code(SpecialOp::QueryShortAddress), 0x00);
    return !answer.garbled && answer.byte == addressByte;
}

void HandOutAllAddresses(AddressingRun& run) {
    for (int a = 0; a < kDeviceCount; ++a)
        run.freeAddresses[size_t(a)] = uint8_t(a);
    run.freeCount = kDeviceCount;
}

void PrepareAddressing(const BusLink& link, uint8_t initialiseData) {
    SendAndWait(link, code(SpecialOp::Terminate), 0x00);
    if (initialiseData == kInitialiseAll) {
        dalikit_SendWithDTR(link, dali::kBroadcast, code(Op::StoreDtrAsShortAddress), dali::kMask);
        dalikit_WaitIdle(link);
    }
    SendAndWait(link, dali::kBroadcast, code(Op::RecallMinLevel));
    InitialiseAndRandomise(link, initialiseData);
}

int CollectFreeAddresses(AddressingRun& run) {
    run.freeCount = 0;
    for (int a = 0; a < kDeviceCount; ++a) {
        // An address whose question did not get through is asked again; one
        // that never gets an answer through is neither free nor present, so
        // no new gear is given an address that may be taken.
        uint8_t answer = 0, status = 0;
        LinkResult asked = link_result::kNotAcknowledged;
        for (int attempt = 0; attempt < kQueryAttempts && asked != link_result::kOk; ++attempt) {
            status = 0;
            asked = dalikit_Query(run.link, dali::commandAddress(a), code(Op::QueryStatus), answer, status);
            dalikit_WaitIdle(run.link);
        }
        if (asked != link_result::kOk)
            continue;
        // Only silence makes an address free. A garbled answer comes from
        // several gear on one address: it is taken, and the user reads where.
        if (status == 0)
            run.freeAddresses[size_t(run.freeCount++)] = uint8_t(a);
        else if (bridge_status::isCleanAnswer(status))
            run.table[size_t(a)].present = 1;
        else if (bridge_status::isGarbledAnswer(status))
            appendAddressText(run, kSharedAddressText, a);
    }
    SendAndWait(run.link, code(SpecialOp::Terminate), 0x00);
    return run.freeCount;
}

LinkResult ConfirmVisually(const BusLink& link, uint8_t addressByte) {
    TransactionGuard guard(link.handle);
    dalikit_Send(link, addressByte, code(Op::RecallMaxLevel));
    return dalikit_WaitIdle(link);
}

void AppendAddressLine(AddressingRun& run, int address) {
    if (run.appendLine)
        run.appendLine(QString::asprintf("%s %d", qUtf8Printable(LoadText(kAddressLabel, run.languageModulePath)),
                                         address));
}

void RandomAddressingWorker(AddressingRun& run) {
    if (!SearchHasCandidates(run.link))
        return;
    appendText(run, kAddressingRunsText);
    int k = 0, redraws = 0;
    do {
        if (!SearchHasCandidates(run.link) || !freeAddressesLeft(run, k)) {
            dalikit_Send(run.link, code(SpecialOp::Terminate), 0x00);
            run.running = false;
            break;
        }
        // A search that finds nothing is simply tried again.
        switch (FindAndProgramLowest(run.link, dali::commandAddress(run.freeAddresses[size_t(k)]))) {
            case SearchResult::Programmed:
                redraws = 0;
                reportAddressed(run, k++);
                break;
            case SearchResult::Twins:
                if (SeparateTwins(run.link, redraws))
                    appendText(run, kTwinsLeftText);
                break;
            case SearchResult::Missed:
                break;
        }
    } while (run.running);
    dalikit_Send(run.link, code(SpecialOp::Terminate), 0x00);
}

void PhysicalSelectionWorker(AddressingRun& run) {
    uint64_t initialisedUs = kit_clock_us(run.link.handle);
    int k = 0;
    while (run.running) {
        kit_sleep(run.link.handle, kPollPauseMs);
        if (!freeAddressesLeft(run, k))
            break;
        appendText(run, kPressKeyText);
        if (EnterPhysicalSelection(run.link) != link_result::kOk)
            return;  // the bridge fails or the bus is in error: no TERMINATE gets through either
        // Cancelled while waiting: no gear was selected, none is programmed.
        if (!WaitForSelectedNewGear(run, initialisedUs))
            break;
        if (ProgramSelected(run.link, dali::commandAddress(run.freeAddresses[size_t(k)])))
            reportAddressed(run, k++);
    }
    dalikit_Send(run.link, code(SpecialOp::Terminate), 0x00);
}

}  // namespace addressing
