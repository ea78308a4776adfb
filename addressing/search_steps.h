#pragma once
// The bus steps of short-address programming: the ways the special commands
// of the random-address search are sent and answered. Shared by the
// addressing assistant, the single search of an address move and the tests.

#include "dali/dali_commands.h"
#include "link/dalikit.h"

#include <cstdint>

namespace addressing {

// INITIALISE data: every gear, or only the gear without a short address.
constexpr uint8_t kInitialiseAll = 0x00, kInitialiseUnaddressed = 0xFF;
// What a gear without a short address answers to QUERY SHORT ADDRESS.
constexpr uint8_t kNoShortAddress = dali::kMask;

constexpr unsigned kSearchPauseMs = 50;

// The frame, then the idle wait; the send's result, else the wait's.
LinkResult SendAndWait(const BusLink& link, uint8_t first, uint8_t second);

// How often a frame that decides where a gear's address goes (PROGRAM SHORT
// ADDRESS, WITHDRAW) is sent before it is given up on: a frame lost on the
// link is sent again, so that the table never shows a gear at an address it
// does not hold.
inline constexpr int kProgramAttempts = 3;

// SendAndWait, again while the link fails, at most kProgramAttempts times;
// true once one got through.
bool SendUntilThrough(const BusLink& link, uint8_t first, uint8_t second);

// What came back for a question. `byte` counts only when the frame went out,
// the answer wait succeeded and its status was not 0; otherwise it is 0. A
// garbled answer (a frame error: several gear answered at once) reads 0xFF,
// so it still counts as YES where any answer does.
struct Answer {
    uint8_t byte = 0;
    bool garbled = false;
};

// The frame and its answer, then the idle wait. The steps run under the
// link's transaction lock, so another thread's frame never falls between a
// question and its answer.
Answer Ask(const BusLink& link, uint8_t first, uint8_t second);

// The same for a command sent twice (QUERY SHORT ADDRESS).
Answer AskTwice(const BusLink& link, uint8_t first, uint8_t second);

// The 24-bit search address as SEARCHADDRH, M and L, each with its wait.
void SetSearchAddress(const BusLink& link, uint32_t searchAddress);

}  // namespace addressing
