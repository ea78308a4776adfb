// The addressing assistant's random-address search, frame for frame.

#include "bench/bench_jobs.h"

namespace bench {
namespace {

constexpr uint8_t kTerminate = 0xA1, kInitialise = 0xA5, kRandomise = 0xA7, kCompare = 0xA9, kWithdraw = 0xAB;
constexpr uint8_t kSearchH = 0xB1, kSearchM = 0xB3, kSearchL = 0xB5;
constexpr uint8_t kProgramShort = 0xB7, kVerifyShort = 0xB9, kQueryShort = 0xBB;
constexpr uint8_t kBroadcast = 0xFF, kStoreDtrAsShortAddress = 0x80, kRecallMinLevel = 0x06, kQueryStatus = 0x90;
constexpr unsigned kSearchPauseMs = 50;
constexpr int kMaxMissesInARow = 3;

void sendAndWait(const BusLink& link, uint8_t first, uint8_t second) {
    dalikit_Send(link, first, second);
    dalikit_WaitIdle(link);
}

// Frame, answer wait, answer read only when an answer came, idle wait.
// Any non-zero answer is YES.
bool ask(const BusLink& link, uint8_t first, uint8_t second) {
    uint8_t answer = 0, status = 0;
    if (dalikit_Send(link, first, second) == 0 && dalikit_WaitAnswer(link, status) == 0 && status != 0)
        dalikit_ReadRegister(link, 0x01, answer);
    dalikit_WaitIdle(link);
    return answer != 0;
}

void prepareAddressing(const BusLink& link) {
    sendAndWait(link, kTerminate, 0x00);
    dalikit_SendWithDTR(link, kBroadcast, kStoreDtrAsShortAddress, 0xFF);
    dalikit_WaitIdle(link);
    sendAndWait(link, kBroadcast, kRecallMinLevel);
    uint8_t answer = 0, status = 0;
    dalikit_Query(link, 0x01, kQueryStatus, answer, status);
    dalikit_WaitIdle(link);
    dalikit_SendTwice(link, kInitialise, 0x00);
    dalikit_WaitIdle(link);
    dalikit_SendTwice(link, kRandomise, 0x00);
    dalikit_WaitIdle(link);
}

bool searchHasCandidates(const BusLink& link) {
    sendAndWait(link, kSearchH, 0xFF);
    sendAndWait(link, kSearchM, 0xFF);
    sendAndWait(link, kSearchL, 0xFE);
    kit_sleep(link.handle, kSearchPauseMs);
    return ask(link, kCompare, 0x00);
}

// Eight COMPARE rounds for one byte of the search address: the bits stay set
// where no gear answers.
uint8_t searchByte(const BusLink& link, uint8_t command) {
    uint8_t value = 0;
    for (uint8_t mask = 0x80; mask; mask >>= 1) {
        const uint8_t trial = value | mask;
        sendAndWait(link, command, trial);
        if (!ask(link, kCompare, 0x00))
            value = trial;
    }
    return value;
}

bool findAndProgramLowest(const BusLink& link, uint8_t addressByte) {
    sendAndWait(link, kSearchM, 0x00);
    sendAndWait(link, kSearchL, 0x00);
    const uint8_t high = searchByte(link, kSearchH);
    sendAndWait(link, kSearchH, high);
    const uint8_t middle = searchByte(link, kSearchM);
    sendAndWait(link, kSearchM, middle);
    const uint8_t low = searchByte(link, kSearchL);
    const uint32_t lowest = ((uint32_t(high) << 16 | uint32_t(middle) << 8 | low) + 1) & 0xFFFFFF;
    sendAndWait(link, kSearchH, uint8_t(lowest >> 16));
    sendAndWait(link, kSearchM, uint8_t(lowest >> 8));
    sendAndWait(link, kSearchL, uint8_t(lowest));
    kit_sleep(link.handle, kSearchPauseMs);
    if (!ask(link, kCompare, 0x00))
        return false;
    sendAndWait(link, kProgramShort, addressByte);
    sendAndWait(link, kVerifyShort, addressByte);
    uint8_t status = 0, answer = 0;
    dalikit_SendTwice(link, kQueryShort, 0x00);
    if (dalikit_WaitAnswer(link, status) == 0 && status != 0)
        dalikit_ReadRegister(link, 0x01, answer);
    dalikit_WaitIdle(link);
    sendAndWait(link, kWithdraw, 0x00);
    return true;
}

}  // namespace

int addressAllByRandomSearch(const BusLink& link) {
    prepareAddressing(link);
    int programmed = 0, missesInARow = 0;
    // The candidate check before every search ends the run; a search that
    // misses its gear is repeated, a few times. Past 64 there is no address to give.
    while (programmed < 64 && missesInARow < kMaxMissesInARow && searchHasCandidates(link)) {
        if (findAndProgramLowest(link, uint8_t(programmed << 1 | 1))) {
            ++programmed;
            missesInARow = 0;
        } else {
            ++missesInARow;
        }
    }
    dalikit_Send(link, kTerminate, 0x00);
    return programmed;
}

}  // namespace bench
