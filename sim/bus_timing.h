#pragma once
// Timing of the simulated DALI bus, in microseconds (Te = 416.67 us).

#include <cstdint>

namespace sim::timing {

constexpr uint64_t kForwardFrameUs = 15833;  // 38 Te including the stop condition
constexpr uint64_t kBackwardFrameUs = 9167;  // 22 Te
constexpr uint64_t kReplyDelayUs = 7000;     // an external bus's replies start this long after a forward frame
// Gear start replying 5.5..10.5 ms after a forward frame, each with its own delay.
constexpr uint32_t kEarliestReplyUs = 5500, kLatestReplyUs = 10500;
constexpr uint32_t kReplySpreadUs = kLatestReplyUs - kEarliestReplyUs + 1;
constexpr uint64_t kReplyWindowUs = 12400;   // no reply start by then: no answer
constexpr uint64_t kSettlingUs = 13500;      // quiet time after any frame before the next forward frame

}  // namespace sim::timing
