#pragma once
// What the simulated bus carries: forward frames from the bridge, backward
// frames from the gear, as a frame log and capture records.

#include <cstdint>
#include <string>

namespace sim {

enum class FrameKind : uint8_t {
    Forward,   // 16-bit frame sent by the bridge
    Backward,  // valid 8-bit reply
    Garbled,   // reply that could not be decoded (collision, frame error)
};

struct BusFrame {
    uint64_t timeUs = 0;  // start of the frame on the bus clock
    FrameKind kind = FrameKind::Forward;
    uint16_t data = 0;  // forward: first byte << 8 | second byte; backward: the byte
    std::string name;   // forward: decoded command and target, "QUERY STATUS, short 5"

    bool operator==(const BusFrame&) const = default;
};

// The reply to one forward frame, as the gear (or an external bus) give it.
struct BusReply {
    enum class Kind : uint8_t { None, Answer, Garbled };
    Kind kind = Kind::None;
    uint8_t byte = 0;

    static BusReply none() { return {}; }
    static BusReply answer(uint8_t value) { return {Kind::Answer, value}; }
    static BusReply garbled() { return {Kind::Garbled, 0xFF}; }
    bool operator==(const BusReply&) const = default;
};

}  // namespace sim
