#pragma once
// Composite transactions of colour gear (device type 8): a colour needs up to
// three DTRs, ENABLE DEVICE TYPE 8 and its command with nothing else between,
// and a 16-bit colour value comes back in two answers.

#include "link/dalikit.h"

#include <cstdint>
#include <span>

// One frame of a composite transaction; twice: a configuration command, sent
// as a pair (register 0x02 := 0x03, frame, idle wait, frame).
struct DaliFrame {
    uint8_t first = 0, second = 0;
    bool twice = false;
    bool operator==(const DaliFrame&) const = default;
};

// The frames in order under one transaction, each followed by the idle wait.
// Stops at the first failed frame or wait: its result, with 0x80 added for
// every frame but the last; a bus error in a wait as 0x280.
LinkResult dalikit_SendSequence(const BusLink& link, std::span<const DaliFrame> frames);

// DTR0 := selector, ENABLE DEVICE TYPE 8, QUERY COLOUR VALUE as a query; for a
// wide (16-bit) value then QUERY CONTENT DTR0 for the low byte the gear left
// there. `value` is high << 8 | low, or the 8-bit answer; `status` the bridge
// status of the last query. A failed pre-step or first query comes back with
// 0x80 added and asks nothing more; so does a first query without a clean
// answer (result 0, its status).
LinkResult dalikit_QueryColourValue(const BusLink& link, uint8_t address, uint8_t selector, bool wide,
                                    uint16_t& value, uint8_t& status);
