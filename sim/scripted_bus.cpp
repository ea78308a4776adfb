#include "sim/scripted_bus.h"

namespace sim {

void ScriptedBus::transmit(uint64_t nowUs, uint8_t first, uint8_t second) {
    std::lock_guard guard(lock_);
    frames_.push_back({nowUs, first, second});
    Reply reply;
    if (!script_.empty()) {
        reply = std::move(script_.front());
        script_.pop_front();
    } else {
        reply.statuses = {idleStatus_};
    }
    pendingStatus_.assign(reply.statuses.begin(), reply.statuses.end());
    answer_ = reply.answer;
}

uint8_t ScriptedBus::status(uint64_t) {
    std::lock_guard guard(lock_);
    ++statusReads_;
    if (!pendingStatus_.empty()) {
        lastStatus_ = pendingStatus_.front();
        if (pendingStatus_.size() > 1)
            pendingStatus_.pop_front();
        else
            pendingStatus_.clear();
        return lastStatus_;
    }
    return lastStatus_;
}

uint8_t ScriptedBus::answer(uint64_t) {
    std::lock_guard guard(lock_);
    return answer_;
}

void ScriptedBus::control(uint64_t, uint8_t value) {
    std::lock_guard guard(lock_);
    controlWrites_.push_back(value);
}

void ScriptedBus::script(Reply reply) {
    std::lock_guard guard(lock_);
    script_.push_back(std::move(reply));
}

void ScriptedBus::setIdleStatus(uint8_t status) {
    std::lock_guard guard(lock_);
    idleStatus_ = status;
    lastStatus_ = status;
}

void ScriptedBus::setAnswer(uint8_t answer) {
    std::lock_guard guard(lock_);
    answer_ = answer;
}

std::vector<ScriptedBus::Frame> ScriptedBus::frames() const {
    std::lock_guard guard(lock_);
    return frames_;
}

std::vector<uint8_t> ScriptedBus::controlWrites() const {
    std::lock_guard guard(lock_);
    return controlWrites_;
}

int ScriptedBus::statusReads() const {
    std::lock_guard guard(lock_);
    return statusReads_;
}

}  // namespace sim
