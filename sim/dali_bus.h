#pragma once
// The simulated DALI bus behind a bridge chip: timing, bridge status, the
// answer register, collisions, and the control gear (or an external process)
// that answer. All times are microseconds on the interface's clock.
//
// Timeline of one forward frame written at time w:
//   start  = max(w, end of the previous frame + settling (13.5 ms))
//   status 0x40 from w until start + 15.83 ms (waiting for settling, then on the wire)
//   the gear receive the frame at its end; replies start 7 ms later and last 9.17 ms
//   status 0x04 (exactly) until the reply is complete, or for 12.4 ms without a reply
//   then 0x09 (valid reply, in the answer register), 0x10 (garbled reply, answer
//   register 0xFF) or 0 (no reply); the answer register keeps its value otherwise.
// Each gear starts its reply 5.5..10.5 ms after the frame, with a delay of its
// own, so the replies of several gear overlap without lining up: a garbled
// reply, whether or not their bytes agree. A bus with aligned replies models
// gear whose replies start together: identical bytes then merge into one valid
// reply, and only different bytes collide. A bus without power shows status
// 0x80 and carries no frames. Frames written while one is waiting are queued
// in order.
//
// Thread safe: every method takes the bus's one lock, so a worker thread and
// the UI thread may share one bus (through the bridge chip or directly).

#include "dali/frame_decoder.h"
#include "sim/bridge_bus.h"
#include "sim/bus_capture.h"
#include "sim/bus_frame.h"
#include "sim/control_gear.h"
#include "sim/external_bus.h"

#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace sim {

struct BusConfig {
    bool powered = true;
    std::optional<std::string> external;  // Unix socket of a process that answers; `gear` is then unused
    std::vector<GearConfig> gear;
    bool alignedReplies = false;  // several gear answering alike merge into one reply
    std::optional<uint64_t> seed{};  // the bus's own seed (a saved bus keeps it); none: derived from the scenario's
};

// A seed for item `index` derived from a scenario seed (gear of a bus, buses
// of a scenario), so every item gets its own reproducible random sequence.
uint64_t deriveSeed(uint64_t seed, uint64_t index);

class DaliBus final : public BridgeBus {
public:
    // The in-process frame log keeps the most recent frames only.
    static constexpr size_t kFrameLogLimit = 200000;

    struct Options {
        std::shared_ptr<BusCapture> capture;    // also write every frame here
        std::string captureLabel;               // comment prefix in the capture ("bus 2"), may be empty
        ExternalBus::ErrorSink externalErrors;  // default: standard error
    };

    // Gear i is created with deriveSeed(seed, i); a config with a seed of its own uses that instead.
    DaliBus(BusConfig config, uint64_t seed, Options options);
    DaliBus(BusConfig config, uint64_t seed) : DaliBus(std::move(config), seed, Options{}) {}

    void transmit(uint64_t nowUs, uint8_t first, uint8_t second) override;
    uint8_t status(uint64_t nowUs) override;
    uint8_t answer(uint64_t nowUs) override;

    size_t gearCount() const;
    // A gear joins the bus (as if just connected: at its power-on level);
    // returns its index. Gear `index` leaves it; the later ones move down.
    size_t addGear(GearConfig config);
    void removeGear(size_t index);
    // All gear leave the bus and `gear` join it, seeded afresh from `seed`
    // (as a bus opened from a file).
    void replaceGear(std::vector<GearConfig> gear, uint64_t seed);
    uint64_t seed() const;
    // Every gear as a scenario would start it now.
    std::vector<GearConfig> gearSnapshot() const;
    // Runs `visit` on gear `index` under the bus lock (inspection in tests and UI).
    void withGear(size_t index, const std::function<void(ControlGear&)>& visit);
    // The installer presses the physical-selection key of gear `index`.
    void pressPhysicalSelectionKey(size_t index);

    // Called with every forward frame once the gear have received it, then
    // with its reply if one comes, on the thread that sent it and outside the
    // bus lock, so it may use the bus (press a key, inspect or preset gear).
    // Set it before frames flow.
    using FrameListener = std::function<void(const BusFrame& frame)>;
    void setFrameListener(FrameListener listener);

    void setPowered(bool powered);
    bool powered() const;
    bool alignedReplies() const { return alignedReplies_; }
    // A bus held busy (a stuck transmitter somewhere on it): the bridge reads
    // busy and no frame gets onto the wire until it is released.
    void setStuckBusy(bool stuck);

    // Frames in bus order, forward frames with their decoded names.
    std::vector<BusFrame> frameLog() const;
    // The same, emptying the log.
    std::vector<BusFrame> takeFrameLog();

private:
    struct Transmission {
        uint64_t endUs;        // end of the forward frame
        uint64_t windowEndUs;  // end of the reply window
        BusReply reply;
    };

    // The forward frame and its reply as recorded; nothing on a bus without power.
    // `peerReply` is what the external process answered (unused without one).
    std::vector<BusFrame> transmitLocked(uint64_t nowUs, uint8_t first, uint8_t second, BusReply peerReply);
    bool carriesFrames() const;  // powered and not held busy
    // The reply to a frame and when it lies on the bus, after the frame's end.
    struct TimedReply {
        BusReply reply;
        uint64_t firstStartUs = 0;  // the earliest reply starts
        uint64_t lastEndUs = 0;     // the latest reply ends
        std::optional<BusReply> lateReply;  // every reply started after the window: on the wire, unheard
    };
    TimedReply respond(uint64_t endUs, uint8_t first, uint8_t second, BusReply peerReply);
    void catchUp(uint64_t nowUs);
    void record(BusFrame frame);

    std::string decode(uint64_t startUs, uint8_t first, uint8_t second);

    mutable std::mutex lock_;
    std::mutex peerLock_;  // serialises the exchanges with an external process; taken before lock_
    uint64_t seed_;
    uint64_t gearAdded_ = 0;  // gear created so far: each gets its own seed
    std::vector<std::unique_ptr<ControlGear>> gear_;
    std::unique_ptr<ExternalBus> external_;
    Options options_;
    bool powered_;
    bool alignedReplies_;
    bool stuckBusy_ = false;

    std::deque<Transmission> pending_;   // frames whose reply window has not ended, in bus order
    uint64_t nextStartUs_ = 0;           // earliest start of the next forward frame
    uint8_t settledStatus_ = 0;          // status once the last reply window has ended
    uint8_t answer_ = 0;                 // answer register
    dali::FrameDecoder decoder_;  // names frames as the bus carries them
    std::deque<BusFrame> log_;
    std::shared_ptr<FrameListener> listener_;  // shared, so a call outside the lock outlives a replacement
};

}  // namespace sim
