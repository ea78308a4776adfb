#pragma once
// Simulated control gear driven frame by frame, the way the bus drives it:
// every gear sees every frame, 30 ms apart, and answers are kept per gear.

#include "dali/dali_commands.h"
#include "sim/control_gear.h"

#include <memory>
#include <optional>
#include <vector>

namespace gear_test {

using sim::ControlGear;
using sim::GearConfig;
using Answers = std::vector<std::optional<uint8_t>>;

// Frame bytes as they go on the bus, short names for the frame tables below.
using dali::code;
using dali::Dt6Op;
using dali::Op;
using dali::SpecialOp;
constexpr uint8_t kTerminate = code(SpecialOp::Terminate), kDtr0 = code(SpecialOp::Dtr0),
                  kInitialise = code(SpecialOp::Initialise), kRandomise = code(SpecialOp::Randomise),
                  kCompare = code(SpecialOp::Compare), kWithdraw = code(SpecialOp::Withdraw),
                  kSearchH = code(SpecialOp::SearchAddrH), kSearchM = code(SpecialOp::SearchAddrM),
                  kSearchL = code(SpecialOp::SearchAddrL), kProgram = code(SpecialOp::ProgramShortAddress),
                  kVerify = code(SpecialOp::VerifyShortAddress), kQueryShort = code(SpecialOp::QueryShortAddress),
                  kPhysicalSelection = code(SpecialOp::PhysicalSelection),
                  kEnableDeviceType = code(SpecialOp::EnableDeviceType), kDtr1 = code(SpecialOp::Dtr1);
constexpr uint8_t kReset = code(Op::Reset), kStoreMax = code(Op::StoreDtrAsMaxLevel),
                  kStoreMin = code(Op::StoreDtrAsMinLevel), kStorePowerOn = code(Op::StoreDtrAsPowerOnLevel),
                  kStoreFadeTime = code(Op::StoreDtrAsFadeTime), kStoreFadeRate = code(Op::StoreDtrAsFadeRate),
                  kQueryStatus = code(Op::QueryStatus), kQueryActual = code(Op::QueryActualLevel),
                  kQueryMax = code(Op::QueryMaxLevel), kReadMemory = code(Op::ReadMemoryLocation);
constexpr uint8_t kSelectCurve = code(Dt6Op::SelectDimmingCurve), kStoreFastFade = code(Dt6Op::StoreDtrAsFastFadeTime),
                  kQueryCurve = code(Dt6Op::QueryDimmingCurve), kQueryOperatingMode = code(Dt6Op::QueryOperatingMode),
                  kQueryFastFade = code(Dt6Op::QueryFastFadeTime);
constexpr uint8_t kYes = dali::kMask;
constexpr uint64_t kFrameGapUs = 30'000;  // frame end to frame end, as on a busy bus

class TestBus {
public:
    explicit TestBus(std::vector<GearConfig> configs) {
        for (size_t i = 0; i < configs.size(); ++i)
            gear_.push_back(std::make_unique<ControlGear>(configs[i], 100 + i));
    }

    ControlGear& gear(size_t i) { return *gear_.at(i); }
    uint64_t nowUs() const { return nowUs_; }
    void pass(uint64_t us) { nowUs_ += us; }

    Answers send(uint8_t first, uint8_t second) {
        nowUs_ += kFrameGapUs;
        Answers answers;
        for (auto& g : gear_)
            answers.push_back(g->receive(nowUs_, first, second));
        return answers;
    }
    void sendTwice(uint8_t first, uint8_t second) {
        send(first, second);
        send(first, second);
    }
    void sendWithDtr(uint8_t first, uint8_t second, uint8_t value) {
        send(kDtr0, value);
        sendTwice(first, second);
    }
    void setSearchAddress(uint32_t address) {
        send(kSearchH, uint8_t(address >> 16));
        send(kSearchM, uint8_t(address >> 8));
        send(kSearchL, uint8_t(address));
    }
    bool compare() {
        for (const auto& answer : send(kCompare, 0x00))
            if (answer == kYes)
                return true;
        return false;
    }
    // The largest search address at which no gear answers COMPARE (one below the lowest random address).
    uint32_t searchBelowLowest() {
        uint32_t below = 0;
        for (int bit = 23; bit >= 0; --bit) {
            setSearchAddress(below | (1u << bit));
            if (!compare())
                below |= 1u << bit;
        }
        return below;
    }

private:
    std::vector<std::unique_ptr<ControlGear>> gear_;
    uint64_t nowUs_ = 0;
};

GearConfig withRandom(uint32_t random, std::optional<uint8_t> shortAddress = std::nullopt) {
    GearConfig config;
    config.randomAddress = random;
    config.shortAddress = shortAddress;
    return config;
}

GearConfig addressed(uint8_t shortAddress) { return withRandom(0xFFFFFF, shortAddress); }

const std::optional<uint8_t> kNone;

}  // namespace gear_test
