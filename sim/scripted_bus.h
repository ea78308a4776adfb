#pragma once
// A bus endpoint whose behaviour a test scripts: each transmitted frame takes
// the next scripted reply (a sequence of status bytes and an answer byte).
// Without a script a frame gets the quiet reply: status 0, no answer.

#include "sim/bridge_bus.h"

#include <deque>
#include <mutex>
#include <vector>

namespace sim {

class ScriptedBus final : public BridgeBus {
public:
    struct Reply {
        // Status bytes shown by successive status reads after the frame; the
        // last one stays until the next frame.
        std::vector<uint8_t> statuses{0x00};
        uint8_t answer = 0x00;
    };
    struct Frame {
        uint64_t timeUs;
        uint8_t first, second;
    };

    void transmit(uint64_t nowUs, uint8_t first, uint8_t second) override;
    uint8_t status(uint64_t nowUs) override;
    uint8_t answer(uint64_t nowUs) override;
    void control(uint64_t nowUs, uint8_t value) override;

    // Queues the reply of the next frame that is transmitted.
    void script(Reply reply);
    // The status shown before any frame, and after a reply's statuses when
    // nothing is scripted (0 by default).
    void setIdleStatus(uint8_t status);
    // Sets the answer register without a frame (a stale answer).
    void setAnswer(uint8_t answer);

    std::vector<Frame> frames() const;
    std::vector<uint8_t> controlWrites() const;
    int statusReads() const;

private:
    mutable std::mutex lock_;
    std::deque<Reply> script_;
    std::deque<uint8_t> pendingStatus_;
    uint8_t idleStatus_ = 0;
    uint8_t lastStatus_ = 0;
    uint8_t answer_ = 0;
    std::vector<Frame> frames_;
    std::vector<uint8_t> controlWrites_;
    int statusReads_ = 0;
};

}  // namespace sim
