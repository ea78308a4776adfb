#include "addressing/random_search.h"

#include "addressing/search_steps.h"
#include "addressing/trace.h"
#include "dali/dali_commands.h"

#include <optional>

using dali::code;
using dali::Op;
using dali::SpecialOp;

namespace addressing {
namespace {

enum class ResultTrace { Assistant, Single };

const QString kComparePrefix = QStringLiteral("COMPARE FULL: ");
const QString kQueryShortPrefix = QStringLiteral("dalikit_Command_QueryShortAddress: ");

Answer compare(const BusLink& link) { return Ask(link, code(SpecialOp::Compare), 0x00); }
bool compareAnswers(const BusLink& link) { return compare(link).byte != 0; }

// Eight COMPARE rounds for one byte of the search address, highest bit first:
// a bit stays set where no gear answers at or below the trial address.
uint8_t searchByte(const BusLink& link, uint8_t searchCommand) {
    uint8_t value = 0;
    for (uint8_t mask = 0x80; mask != 0; mask >>= 1) {
        const uint8_t trial = value | mask;
        SendAndWait(link, searchCommand, trial);
        if (!compareAnswers(link))
            value = trial;
    }
    return value;
}

void traceResult(uint32_t x, ResultTrace trace) {
    if (trace == ResultTrace::Single) {
        TraceHex32(QStringLiteral("Random Result: "), x);
        return;
    }
    TraceHex32(QStringLiteral("Random Result (HEX): "), x);
    TraceIntGrouped(QStringLiteral("Random Result (INT): "), int32_t(x), QLatin1Char('.'));
    TraceBits24(QStringLiteral("Random Result (BIT): "), x);
}

// X, the largest search address at which no gear answers, is one below the
// lowest random address. X = 0 also comes out when a gear has the random
// address 0 itself, since it answers every COMPARE; one COMPARE at 0 tells the
// two apart, so that gear is programmed at 0 instead of being missed for good.
uint32_t lowestRandomAddress(const BusLink& link, uint32_t x) {
    if (x == 0) {
        SetSearchAddress(link, 0);
        if (compareAnswers(link))
            return 0;
    }
    return x + 1;
}

Lowest findLowest(const BusLink& link, ResultTrace trace) {
    TraceText(QString(), QStringLiteral("Adressierung...."));
    SendAndWait(link, code(SpecialOp::SearchAddrM), 0x00);
    SendAndWait(link, code(SpecialOp::SearchAddrL), 0x00);
    const uint8_t high = searchByte(link, code(SpecialOp::SearchAddrH));
    SendAndWait(link, code(SpecialOp::SearchAddrH), high);
    const uint8_t middle = searchByte(link, code(SpecialOp::SearchAddrM));
    SendAndWait(link, code(SpecialOp::SearchAddrM), middle);
    const uint8_t low = searchByte(link, code(SpecialOp::SearchAddrL));
    const uint32_t x = uint32_t(high) << 16 | uint32_t(middle) << 8 | low;
    traceResult(x, trace);

    const uint32_t lowest = lowestRandomAddress(link, x);
    SetSearchAddress(link, lowest);
    kit_sleep(link.handle, kSearchPauseMs);
    const Answer found = compare(link);
    TraceText(kComparePrefix, found.byte != 0 ? QStringLiteral("erfolgreich") : QStringLiteral("NICHT erfolgreich"));
    return {found, lowest};
}

// One round: find, program, ask the programmed gear back. The assistant
// counts a gear that answers another address (the trace tells); the single
// search wants exactly its address.
SearchResult findAndProgram(const BusLink& link, uint8_t addressByte, ResultTrace trace) {
    const Answer found = findLowest(link, trace).found;
    if (found.byte == 0)
        return SearchResult::Missed;
    if (found.garbled)
        return SearchResult::Twins;
    SendUntilThrough(link, code(SpecialOp::ProgramShortAddress), addressByte);
    SendAndWait(link, code(SpecialOp::VerifyShortAddress), addressByte);
    const Answer answer = AskTwice(link, code(SpecialOp::QueryShortAddress), 0x00);
    if (trace == ResultTrace::Assistant) {
        TraceHex8(kQueryShortPrefix, uint8_t(answer.byte >> 1));
        if (answer.byte != addressByte)
            TraceText(kQueryShortPrefix, QStringLiteral("result und dali ERROR"));
    }
    if (answer.garbled) {
        // Both twins took the address: neither may keep it.
        SendUntilThrough(link, code(SpecialOp::ProgramShortAddress), kNoShortAddress);
        return SearchResult::Twins;
    }
    // Silence means nobody was selected; MASK means the address did not take.
    const bool taken = trace == ResultTrace::Assistant ? answer.byte != 0 && answer.byte != kNoShortAddress
                                                       : answer.byte == addressByte;
    if (!taken)
        return SearchResult::Missed;
    // A WITHDRAW lost on the link would leave the gear in the search, to be
    // found and given the next address as well.
    SendUntilThrough(link, code(SpecialOp::Withdraw), 0x00);
    return SearchResult::Programmed;
}

void randomise(const BusLink& link) {
    dalikit_SendTwice(link, code(SpecialOp::Randomise), 0x00);
    dalikit_WaitIdle(link);
}

}  // namespace

Lowest FindLowest(const BusLink& link) { return findLowest(link, ResultTrace::Single); }

bool SearchHasCandidates(const BusLink& link) {
    SetSearchAddress(link, 0xFFFFFE);
    kit_sleep(link.handle, kSearchPauseMs);
    return compareAnswers(link);
}

SearchResult FindAndProgramLowest(const BusLink& link, uint8_t addressByte) {
    return findAndProgram(link, addressByte, ResultTrace::Assistant);
}

bool SeparateTwins(const BusLink& link, int& redrawsInARow) {
    if (redrawsInARow < kTwinRedraws) {
        ++redrawsInARow;
        randomise(link);
        return false;
    }
    // The search address still holds the twins' random address.
    SendUntilThrough(link, code(SpecialOp::Withdraw), 0x00);
    redrawsInARow = 0;
    return true;
}

void InitialiseAndRandomise(const BusLink& link, uint8_t initialiseData) {
    uint8_t answer = 0, status = 0;
    dalikit_Query(link, dali::commandAddress(0), code(Op::QueryStatus), answer, status);
    dalikit_WaitIdle(link);
    dalikit_SendTwice(link, code(SpecialOp::Initialise), initialiseData);
    dalikit_WaitIdle(link);
    randomise(link);
}

bool AddressOneUnaddressed(const BusLink& link, int address) {
    SendAndWait(link, code(SpecialOp::Terminate), 0x00);
    InitialiseAndRandomise(link, kInitialiseUnaddressed);
    int redraws = 0;
    for (int attempt = 0; attempt < kSingleSearchAttempts; ++attempt) {
        switch (findAndProgram(link, dali::commandAddress(address), ResultTrace::Single)) {
            case SearchResult::Programmed:
                return true;
            case SearchResult::Twins:
                SeparateTwins(link, redraws);
                break;
            case SearchResult::Missed:
                break;
        }
    }
    return false;
}

}  // namespace addressing
