#include "sim/bridge_chip.h"

#include <algorithm>

namespace sim {

BridgeChip::BridgeChip(uint8_t address7, std::shared_ptr<BridgeBus> bus, Revision revision)
    : address7_(address7), bus_(std::move(bus)), revision_(revision) {}

int BridgeChip::write(uint64_t nowUs, const std::vector<uint8_t>& bytes) {
    std::lock_guard guard(lock_);
    const bool shortAck = shortAcks_.next();
    if (nacks_.next() || losesFrame(bytes))
        return -1;
    if (!bytes.empty()) {
        pointer_ = bytes[0];
        if (bytes.size() >= 3 && pointer_ == 0x01)
            bus_->transmit(nowUs, bytes[1], bytes[2]);
        else if (bytes.size() >= 2 && pointer_ == 0x02)
            bus_->control(nowUs, bytes[1]);
    }
    return shortAck ? std::min(int(bytes.size()), shortAckBytes_) : int(bytes.size());
}

std::vector<uint8_t> BridgeChip::read(uint64_t nowUs, int count) {
    std::lock_guard guard(lock_);
    if (nacks_.next())
        return {};
    std::vector<uint8_t> bytes;
    bytes.reserve(size_t(std::max(count, 0)));
    for (int i = 0; i < count; ++i)
        bytes.push_back(readRegister(nowUs, uint8_t(pointer_ + i)));
    return bytes;
}

uint8_t BridgeChip::readRegister(uint64_t nowUs, uint8_t reg) {
    switch (reg) {
    case 0x00:
        if (!injectedStatus_.empty()) {
            const uint8_t injected = injectedStatus_.front();
            injectedStatus_.pop_front();
            return injected;
        }
        return bus_->status(nowUs);
    case 0x01:
        return bus_->answer(nowUs);
    default:
        return reg >= 0xF0 && reg <= 0xF5 ? revision_[reg - 0xF0] : 0x00;
    }
}

void BridgeChip::injectStatus(std::initializer_list<uint8_t> statuses) {
    std::lock_guard guard(lock_);
    injectedStatus_.insert(injectedStatus_.end(), statuses);
}

void BridgeChip::injectStatusRepeated(uint8_t status, int count) {
    std::lock_guard guard(lock_);
    injectedStatus_.insert(injectedStatus_.end(), size_t(count), status);
}

void BridgeChip::injectNack(int count, int skip) {
    std::lock_guard guard(lock_);
    nacks_.add(count, skip);
}

bool BridgeChip::losesFrame(const std::vector<uint8_t>& bytes) {
    if (!frameNack_ || bytes.size() < 3 || bytes[0] != 0x01 || (bytes[1] << 8 | bytes[2]) != frameNack_->frame)
        return false;
    if (frameNack_->skip-- > 0)
        return false;
    if (--frameNack_->count == 0)
        frameNack_.reset();
    return true;
}

void BridgeChip::injectFrameNack(uint16_t frame, int skip, int count) {
    std::lock_guard guard(lock_);
    frameNack_ = FrameNack{frame, skip, count};
}

void BridgeChip::injectShortAcknowledge(int count, int acknowledged, int skip) {
    std::lock_guard guard(lock_);
    shortAcks_.add(count, skip);
    shortAckBytes_ = acknowledged;
}

void BridgeChip::clearInjectedFaults() {
    std::lock_guard guard(lock_);
    injectedStatus_.clear();
    nacks_ = {};
    shortAcks_ = {};
    frameNack_.reset();
}

}  // namespace sim
