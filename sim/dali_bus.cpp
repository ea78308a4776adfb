#include "sim/dali_bus.h"

#include "dali/dali_commands.h"
#include "sim/bus_timing.h"

#include <algorithm>

namespace sim {
namespace {

using namespace timing;

}  // namespace

uint64_t deriveSeed(uint64_t seed, uint64_t index) {
    // splitmix64 of the pair: neighbouring indices give unrelated seeds.
    uint64_t z = seed + (index + 1) * 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

DaliBus::DaliBus(BusConfig config, uint64_t seed, Options options)
    : seed_(config.seed.value_or(seed)), options_(std::move(options)), powered_(config.powered), alignedReplies_(config.alignedReplies) {
    if (config.external) {
        external_ = std::make_unique<ExternalBus>(*config.external, options_.externalErrors);
        return;
    }
    for (GearConfig& gear : config.gear)
        gear_.push_back(std::make_unique<ControlGear>(std::move(gear), deriveSeed(seed_, gearAdded_++)));
}

void DaliBus::replaceGear(std::vector<GearConfig> gear, uint64_t seed) {
    std::lock_guard guard(lock_);
    gear_.clear();
    seed_ = seed;
    gearAdded_ = 0;
    for (GearConfig& config : gear)
        gear_.push_back(std::make_unique<ControlGear>(std::move(config), deriveSeed(seed_, gearAdded_++)));
}

uint64_t DaliBus::seed() const {
    std::lock_guard guard(lock_);
    return seed_;
}

void DaliBus::transmit(uint64_t nowUs, uint8_t first, uint8_t second) {
    std::vector<BusFrame> sent;
    std::shared_ptr<FrameListener> listener;  // the one callable: a listener may keep state
    if (external_) {
        // The peer may take seconds to answer: only the frames to it wait for
        // each other, the bridge's status reads go on meanwhile.
        const std::lock_guard peer(peerLock_);
        std::optional<BusReply> peerReply;
        if (carriesFrames())
            peerReply = external_->exchange(first, second);
        const std::lock_guard guard(lock_);
        sent = transmitLocked(nowUs, first, second, peerReply.value_or(BusReply::none()));
        listener = listener_;
    } else {
        const std::lock_guard guard(lock_);
        sent = transmitLocked(nowUs, first, second, BusReply::none());
        listener = listener_;
    }
    if (listener && *listener)
        for (const BusFrame& frame : sent)
            (*listener)(frame);
}

bool DaliBus::carriesFrames() const {
    const std::lock_guard guard(lock_);
    return powered_ && !stuckBusy_;
}

size_t DaliBus::addGear(GearConfig config) {
    std::lock_guard guard(lock_);
    gear_.push_back(std::make_unique<ControlGear>(std::move(config), deriveSeed(seed_, gearAdded_++)));
    return gear_.size() - 1;
}

void DaliBus::removeGear(size_t index) {
    std::lock_guard guard(lock_);
    if (index < gear_.size())
        gear_.erase(gear_.begin() + std::ptrdiff_t(index));
}

std::vector<GearConfig> DaliBus::gearSnapshot() const {
    std::lock_guard guard(lock_);
    std::vector<GearConfig> gear;
    for (const auto& g : gear_)
        gear.push_back(g->snapshot());
    return gear;
}

void DaliBus::setFrameListener(FrameListener listener) {
    std::lock_guard guard(lock_);
    listener_ = std::make_shared<FrameListener>(std::move(listener));
}

std::vector<BusFrame> DaliBus::transmitLocked(uint64_t nowUs, uint8_t first, uint8_t second, BusReply peerReply) {
    if (!powered_ || stuckBusy_)
        return {};  // nothing can be sent on a bus without power or held busy
    catchUp(nowUs);
    const uint64_t startUs = std::max(nowUs, nextStartUs_);
    const uint64_t endUs = startUs + kForwardFrameUs;
    BusFrame forward{startUs, FrameKind::Forward, uint16_t(first << 8 | second), decode(startUs, first, second)};
    record(forward);

    std::vector<BusFrame> frames{forward};
    const TimedReply timed = respond(endUs, first, second, peerReply);
    const BusReply& reply = timed.reply;
    Transmission sent{endUs, endUs + kReplyWindowUs, reply};
    const BusReply& onWire = timed.lateReply ? *timed.lateReply : reply;
    if (onWire.kind != BusReply::Kind::None) {
        if (!timed.lateReply)
            sent.windowEndUs = endUs + timed.lastEndUs;
        frames.push_back({endUs + timed.firstStartUs,
                          onWire.kind == BusReply::Kind::Answer ? FrameKind::Backward : FrameKind::Garbled,
                          uint16_t(onWire.kind == BusReply::Kind::Answer ? onWire.byte : 0), {}});
        record(frames.back());
        nextStartUs_ = endUs + timed.lastEndUs + kSettlingUs;
    } else {
        nextStartUs_ = endUs + kSettlingUs;
    }
    pending_.push_back(sent);
    return frames;
}

uint8_t DaliBus::status(uint64_t nowUs) {
    std::lock_guard guard(lock_);
    if (!powered_)
        return status::kBusError;
    if (stuckBusy_)
        return status::kBusy;
    catchUp(nowUs);
    if (pending_.empty())
        return settledStatus_;
    // Frames are in bus order: the last one ends after every other.
    return nowUs < pending_.back().endUs ? status::kBusy : status::kWaiting;
}

uint8_t DaliBus::answer(uint64_t nowUs) {
    std::lock_guard guard(lock_);
    catchUp(nowUs);
    return answer_;
}

size_t DaliBus::gearCount() const {
    std::lock_guard guard(lock_);
    return gear_.size();
}

void DaliBus::withGear(size_t index, const std::function<void(ControlGear&)>& visit) {
    std::lock_guard guard(lock_);
    if (index < gear_.size())
        visit(*gear_[index]);
}

void DaliBus::pressPhysicalSelectionKey(size_t index) {
    std::lock_guard guard(lock_);
    if (index < gear_.size())
        gear_[index]->pressPhysicalSelectionKey();
}

void DaliBus::setPowered(bool powered) {
    std::lock_guard guard(lock_);
    // Gear whose bus loses its power go to their system-failure level, and
    // the frames on the wire are cut off: none of them ends or gets a reply.
    if (powered_ && !powered) {
        for (auto& gear : gear_)
            gear->busPowerLost();
        pending_.clear();
        settledStatus_ = 0;
    }
    powered_ = powered;
}

void DaliBus::setStuckBusy(bool stuck) {
    std::lock_guard guard(lock_);
    stuckBusy_ = stuck;
}

bool DaliBus::powered() const {
    std::lock_guard guard(lock_);
    return powered_;
}

std::vector<BusFrame> DaliBus::frameLog() const {
    std::lock_guard guard(lock_);
    return {log_.begin(), log_.end()};
}

std::vector<BusFrame> DaliBus::takeFrameLog() {
    std::lock_guard guard(lock_);
    std::vector<BusFrame> frames(log_.begin(), log_.end());
    log_.clear();
    return frames;
}

DaliBus::TimedReply DaliBus::respond(uint64_t endUs, uint8_t first, uint8_t second, BusReply peerReply) {
    if (external_)
        return {peerReply, kReplyDelayUs, kReplyDelayUs + kBackwardFrameUs, {}};
    TimedReply timed;
    int answers = 0, late = 0;
    bool differ = false, garbled = false;
    uint8_t byte = 0;
    for (auto& gear : gear_) {  // every gear hears every frame, answering or not
        const std::optional<uint8_t> answer = gear->receive(endUs, first, second);
        if (!answer)
            continue;
        const uint64_t startUs = gear->replyDelayUs();
        late += startUs >= kReplyWindowUs ? 1 : 0;
        garbled = garbled || gear->garblesReplies();
        differ = differ || (answers > 0 && *answer != byte);
        timed.firstStartUs = answers == 0 ? startUs : std::min(timed.firstStartUs, startUs);
        timed.lastEndUs = std::max(timed.lastEndUs, startUs + kBackwardFrameUs);
        byte = *answer;
        ++answers;
    }
    if (answers == 0)
        return timed;
    // Replies that start after the window has closed are on the wire, but the
    // bridge has already reported no answer; one that overlaps a reply in the
    // window garbles it, since it never lines up with it.
    const bool collide = answers > 1 && (differ || !alignedReplies_ || late > 0);
    const BusReply heard = garbled || collide ? BusReply::garbled() : BusReply::answer(byte);
    if (late == answers) {
        timed.lateReply = heard;
        return timed;
    }
    timed.reply = heard;
    if (heard.kind == BusReply::Kind::Answer && alignedReplies_)  // replies that line up start and end together
        timed.lastEndUs = timed.firstStartUs + kBackwardFrameUs;
    return timed;
}

// The frame's command name and target, "QUERY STATUS, short 5", in the
// context of the frames before it (device type 6 and 8 commands and their repeats).
std::string DaliBus::decode(uint64_t startUs, uint8_t first, uint8_t second) {
    const dali::FrameDecoder::Decoded decoded = decoder_.feed(startUs, first, second);
    std::string name = dali::frameName(first, second, decoded.deviceType);
    if (const std::string target = dali::frameTarget(first); !target.empty())
        name += ", " + target;
    return name;
}

// Retires the frames whose reply window has ended by `nowUs`.
void DaliBus::catchUp(uint64_t nowUs) {
    while (!pending_.empty() && pending_.front().windowEndUs <= nowUs) {
        const BusReply& reply = pending_.front().reply;
        switch (reply.kind) {
            case BusReply::Kind::None:
                settledStatus_ = 0;
                break;
            case BusReply::Kind::Answer:
                settledStatus_ = status::kAnswer;
                answer_ = reply.byte;
                break;
            case BusReply::Kind::Garbled:
                settledStatus_ = status::kFrameError;
                answer_ = 0xFF;
                break;
        }
        pending_.pop_front();
    }
}

void DaliBus::record(BusFrame frame) {
    if (options_.capture)
        options_.capture->append(frame, options_.captureLabel);
    log_.push_back(std::move(frame));
    if (log_.size() > kFrameLogLimit)
        log_.pop_front();
}

}  // namespace sim
