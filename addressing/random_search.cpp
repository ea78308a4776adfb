#include "addressing/random_search.h"

#include "addressing/search_steps.h"
#include "addressing/trace.h"
#include "dali/dali_commands.h"

#include <optional>

namespace addressing {
namespace {

enum class ResultTrace { Assistant, Single };

const QString kComparePrefix = QStringLiteral("COMPARE FULL: ");
const QString kQueryShortPrefix = QStringLiteral("dalikit_Command_QueryShortAddress: ");

bool compareAnswers(const BusLink& link) { return Ask(link, kCompare, 0x00) != 0; }

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

// Narrows the search to the lowest random address and checks that a gear
// answers there; the search address stays set for PROGRAM SHORT ADDRESS.
bool findLowest(const BusLink& link, ResultTrace trace) {
    TraceText(QString(), QStringLiteral("Adressierung...."));
    SendAndWait(link, kSearchAddrM, 0x00);
    SendAndWait(link, kSearchAddrL, 0x00);
    const uint8_t high = searchByte(link, kSearchAddrH);
    SendAndWait(link, kSearchAddrH, high);
    const uint8_t middle = searchByte(link, kSearchAddrM);
    SendAndWait(link, kSearchAddrM, middle);
    const uint8_t low = searchByte(link, kSearchAddrL);
    const uint32_t x = uint32_t(high) << 16 | uint32_t(middle) << 8 | low;
    traceResult(x, trace);

    SetSearchAddress(link, lowestRandomAddress(link, x));
    kit_sleep(link.handle, kSearchPauseMs);
    const bool found = compareAnswers(link);
    TraceText(kComparePrefix, found ? QStringLiteral("erfolgreich") : QStringLiteral("NICHT erfolgreich"));
    return found;
}

void program(const BusLink& link, uint8_t addressByte) {
    SendUntilThrough(link, kProgramShortAddress, addressByte);
    SendAndWait(link, kVerifyShortAddress, addressByte);
}

}  // namespace

bool SearchHasCandidates(const BusLink& link) {
    SetSearchAddress(link, 0xFFFFFE);
    kit_sleep(link.handle, kSearchPauseMs);
    return compareAnswers(link);
}

bool FindAndProgramLowest(const BusLink& link, uint8_t addressByte) {
    if (!findLowest(link, ResultTrace::Assistant))
        return false;
    program(link, addressByte);
    const uint8_t answer = AskTwice(link, kQueryShortAddress, 0x00);
    TraceHex8(kQueryShortPrefix, uint8_t(answer >> 1));
    // A gear that answers another address still counts: only the trace tells.
    // Silence means nobody was selected, and nothing was programmed.
    if (answer != addressByte)
        TraceText(kQueryShortPrefix, QStringLiteral("result und dali ERROR"));
    if (answer == 0)
        return false;
    // A WITHDRAW lost on the link would leave the gear in the search, to be
    // found and given the next address as well.
    SendUntilThrough(link, kWithdraw, 0x00);
    return true;
}

void InitialiseAndRandomise(const BusLink& link, uint8_t initialiseData) {
    uint8_t answer = 0, status = 0;
    dalikit_Query(link, dali::commandAddress(0), kQueryStatus, answer, status);
    dalikit_WaitIdle(link);
    dalikit_SendTwice(link, kInitialise, initialiseData);
    dalikit_WaitIdle(link);
    dalikit_SendTwice(link, kRandomise, 0x00);
    dalikit_WaitIdle(link);
}

bool AddressOneUnaddressed(const BusLink& link, int address) {
    SendAndWait(link, kTerminate, 0x00);
    InitialiseAndRandomise(link, kInitialiseUnaddressed);
    for (int attempt = 0; attempt < kSingleSearchAttempts; ++attempt) {
        if (!findLowest(link, ResultTrace::Single))
            continue;
        program(link, dali::commandAddress(address));
        AskTwice(link, kQueryShortAddress, 0x00);
        SendAndWait(link, kWithdraw, 0x00);
        return true;
    }
    return false;
}

}  // namespace addressing
