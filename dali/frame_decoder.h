#pragma once
// The meaning of each forward frame in the context of the frames before it,
// as one hearer on the bus (a gear, the bus's log, a monitor) hears them:
// ENABLE DEVICE TYPE n opens the application extended commands of device
// type n (1 emergency lighting, 6 LED modules) for the next frame only, and the repeat of a configuration command
// (the identical frame at most 100 ms after the first, nothing between) keeps
// the first copy's context, so "ENABLE DEVICE TYPE 6, SELECT DIMMING CURVE,
// SELECT DIMMING CURVE" is one device type 6 command. Every hearer keeps its
// own decoder: a gear that missed a frame decodes the next one without it.

#include "dali/dali_commands.h"

#include <cstdint>
#include <optional>

namespace dali {

class FrameDecoder {
public:
    static constexpr uint64_t kRepeatWindowUs = 100'000;

    struct Decoded {
        FrameMeaning meaning;
        int deviceType = -1;     // the device type enabled for this frame, -1: none
        bool firstCopy = false;  // a configuration command waiting for its repeat: it does nothing yet
        bool repeat = false;     // the repeat of a configuration command: it acts now
    };

    // The frame (first, second) that ended (or started: one hearer keeps to
    // one) at `timeUs`.
    Decoded feed(uint64_t timeUs, uint8_t first, uint8_t second);
    // Forgets every frame so far (a gear powering up).
    void reset();

private:
    struct Seen {
        uint8_t first = 0, second = 0;
        uint64_t timeUs = 0;
        int deviceType = -1;
        bool awaitingRepeat = false;
    };
    std::optional<Seen> last_;
    int enabled_ = -1;
};

}  // namespace dali
