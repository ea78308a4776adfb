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

// Frame bytes as they go on the bus.
constexpr uint8_t kTerminate = 0xA1, kDtr0 = 0xA3, kInitialise = 0xA5, kRandomise = 0xA7, kCompare = 0xA9,
                  kWithdraw = 0xAB, kSearchH = 0xB1, kSearchM = 0xB3, kSearchL = 0xB5, kProgram = 0xB7, kVerify = 0xB9,
                  kQueryShort = 0xBB, kPhysicalSelection = 0xBD, kEnableDeviceType = 0xC1, kDtr1 = 0xC3;
constexpr uint8_t kReset = 0x20, kStoreMax = 0x2A, kStoreMin = 0x2B, kStorePowerOn = 0x2D, kStoreFadeTime = 0x2E,
                  kStoreFadeRate = 0x2F, kQueryStatus = 0x90, kQueryActual = 0xA0, kQueryMax = 0xA1, kReadMemory = 0xC5,
                  kSelectCurve = 0xE3, kStoreFastFade = 0xE4, kQueryCurve = 0xEE, kQueryOperatingMode = 0xFC,
                  kQueryFastFade = 0xFD;
constexpr uint8_t kYes = 0xFF;
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
