// Control gear: arc power commands, levels and fades.

#include "sim/control_gear.h"

#include "dali/dali_commands.h"
#include "sim/control_gear_values.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace sim {

using namespace gear_values;

uint8_t ControlGear::actualLevel(uint64_t nowUs) const {
    if (!fade_ || nowUs >= fade_->startUs + fade_->durationUs)
        return fade_ ? fade_->to : actualLevel_;
    const double done = double(nowUs - std::min(nowUs, fade_->startUs)) / double(fade_->durationUs);
    // A lamp fading is lit: from off it starts at MIN, towards off it stays
    // at MIN until the fade ends, and it never passes MAX on the way.
    const auto level = uint8_t(std::lround(fade_->from + (int(fade_->to) - int(fade_->from)) * done));
    return std::clamp(level, vars_.minLevel, vars_.maxLevel);
}

bool ControlGear::fadeRunning(uint64_t nowUs) const {
    return fade_ && nowUs < fade_->startUs + fade_->durationUs;
}

void ControlGear::settleFade(uint64_t nowUs) {
    if (!fade_)
        return;
    actualLevel_ = actualLevel(nowUs);
    if (!fadeRunning(nowUs))
        fade_.reset();
}

void ControlGear::setArcLevel(uint8_t level, uint64_t endUs, bool fade) {
    settleFade(endUs);
    const uint64_t durationUs = fade ? fadeDurationUs() : 0;
    if (durationUs == 0 || level == actualLevel_) {
        fade_.reset();
        actualLevel_ = level;
        return;
    }
    fade_ = Fade{endUs, durationUs, actualLevel_, level};
}

// Fade time n lasts 0.5 s × √2^n; with fade time 0 an LED module fades over
// its fast fade time (25 ms steps) when one is set, else the change is at once.
uint64_t ControlGear::fadeDurationUs() const {
    if (vars_.fadeTime > 0)
        return uint64_t(std::llround(500'000.0 * std::pow(std::sqrt(2.0), vars_.fadeTime)));
    if (hasDeviceType(dali::kDeviceTypeLedModule))
        return uint64_t(vars_.fastFadeTime) * kFastFadeStepUs;
    return 0;
}

void ControlGear::directArcPower(uint8_t level, uint64_t endUs) {
    if (level == kMask) {  // stops a running fade where it is
        settleFade(endUs);
        fade_.reset();
        return;
    }
    powerFailure_ = false;
    limitError_ = level != 0 && (level < vars_.minLevel || level > vars_.maxLevel);
    setArcLevel(level == 0 ? 0 : std::clamp(level, vars_.minLevel, vars_.maxLevel), endUs, true);
}

void ControlGear::arcPower(dali::Op op, int scene, uint64_t endUs) {
    if (op == dali::Op::GoToScene) {
        if (vars_.scenes[scene] != kMask)
            recallColour(colour_.scenes[size_t(scene)]);
        directArcPower(vars_.scenes[scene], endUs);
        return;
    }
    powerFailure_ = false;
    limitError_ = false;
    // Only DAPC and GO TO SCENE fade; every other arc power command acts at
    // once and stops a running fade where it is.
    fade_.reset();
    const bool on = actualLevel_ > 0;
    const uint8_t steps = kUpDownSteps[vars_.fadeRate - 1];
    switch (op) {
        case dali::Op::Off:
            setArcLevel(0, endUs, false);
            break;
        case dali::Op::Up:  // not from off
            if (on)
                actualLevel_ = uint8_t(std::min<int>(actualLevel_ + steps, vars_.maxLevel));
            break;
        case dali::Op::Down:  // never below MIN, never off
            if (on)
                actualLevel_ = uint8_t(std::max<int>(actualLevel_ - steps, vars_.minLevel));
            break;
        case dali::Op::StepUp:
            if (on && actualLevel_ < vars_.maxLevel)
                ++actualLevel_;
            break;
        case dali::Op::StepDown:
            if (on && actualLevel_ > vars_.minLevel)
                --actualLevel_;
            break;
        case dali::Op::RecallMaxLevel:
            setArcLevel(vars_.maxLevel, endUs, false);
            break;
        case dali::Op::RecallMinLevel:
            setArcLevel(vars_.minLevel, endUs, false);
            break;
        case dali::Op::StepDownAndOff:
            if (on)
                actualLevel_ = actualLevel_ <= vars_.minLevel ? 0 : actualLevel_ - 1;
            break;
        case dali::Op::OnAndStepUp:
            if (!on)
                actualLevel_ = vars_.minLevel;
            else if (actualLevel_ < vars_.maxLevel)
                ++actualLevel_;
            break;
        default:
            break;
    }
}

// Keeps a lit lamp within MIN..MAX; an unlit lamp stays off.
void ControlGear::clampActualLevel() {
    if (actualLevel_ > 0)
        actualLevel_ = std::clamp(actualLevel_, vars_.minLevel, vars_.maxLevel);
}

// A running fade ends within the new MIN..MAX (or off, if it was fading off).
void ControlGear::clampFadeTarget() {
    if (fade_ && fade_->to > 0)
        fade_->to = std::clamp(fade_->to, vars_.minLevel, vars_.maxLevel);
}

}  // namespace sim
