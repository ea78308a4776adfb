#include "sim/luminaire_banks.h"

#include <algorithm>
#include <cmath>

namespace sim {
namespace {

constexpr uint8_t kLastLocation1 = 0x77, kLastLocation202 = 0x0F, kLastLocation205 = 0x1C,
                  kLastLocation206 = 0x20, kLastLocation207 = 0x07;
constexpr uint8_t kBankVersion = 1;
constexpr int8_t kPowerScale = -1;  // active power in 0.1 W
constexpr double kSecondsPerUs = 1e-6, kHoursPerUs = 1e-6 / 3600;

template <size_t N>
void put(std::array<uint8_t, N>& bytes, size_t at, uint64_t value, int count) {
    for (int i = 0; i < count; ++i)
        bytes[at + size_t(i)] = uint8_t(value >> (8 * (count - 1 - i)));
}

// The arc power at `level` on the logarithmic curve, as a share of full power.
double arcPowerShare(uint8_t level) {
    return level == 0 ? 0.0 : std::pow(10.0, (double(level) - 1) / (253.0 / 3.0) - 3.0);
}

uint8_t lastLocation(uint8_t bank) {
    switch (bank) {
        case 1:
            return kLastLocation1;
        case 202:
            return kLastLocation202;
        case 205:
            return kLastLocation205;
        case 206:
            return kLastLocation206;
        case 207:
            return kLastLocation207;
        default:
            return 0;
    }
}

bool latches(uint8_t bank) { return bank >= 202 && bank <= 206; }
bool writable(uint8_t bank) { return bank == 1 || bank == 207; }

}  // namespace

LuminaireBanks::LuminaireBanks(const GearBanksConfig& config, uint8_t level)
    : config_(config), energyWh_(double(config.activeEnergyWh)), operatingS_(config.operatingSeconds),
      onS_(config.lightSourceOnSeconds), lastLevel_(level) {
    bank1_.fill(0xFF);
    bank1_[0] = kLastLocation1;
    put(bank1_, 0x03, config.luminaireGtin, 6);
    put(bank1_, 0x09, config.luminaireId, 8);
    put(bank1_, 0x11, 0x0003, 2);  // the content format of this layout
    bank1_[0x13] = config.year;
    bank1_[0x14] = config.week;
    put(bank1_, 0x15, config.nominalPowerW, 2);
    std::fill(bank1_.begin() + 0x24, bank1_.begin() + 0x78, 0);
    const std::string text = config.identification.substr(0, 60);
    std::copy(text.begin(), text.end(), bank1_.begin() + 0x3C);
    bank207_.fill(0xFF);
    bank207_[0] = kLastLocation207;
    bank207_[0x03] = kBankVersion;
    for (uint8_t bank : {1, 202, 205, 206, 207})
        lockBytes_[bank] = 0xFF;
}

bool LuminaireBanks::has(uint8_t bank) const { return config_.present && lastLocation(bank) != 0; }

std::optional<LuminaireBanks::Bytes> LuminaireBanks::live(uint8_t bank) const {
    if (!has(bank))
        return std::nullopt;
    if (bank == 1)
        return bank1_;
    if (bank == 207)
        return bank207_;
    Bytes b{};
    b.fill(0xFF);
    b[0] = lastLocation(bank);
    b[0x03] = kBankVersion;
    if (bank == 202) {
        b[0x04] = 0;  // energy in Wh
        put(b, 0x05, uint64_t(energyWh_), 6);
        b[0x0B] = uint8_t(kPowerScale);
        put(b, 0x0C, uint64_t(std::lround(config_.nominalPowerW * arcPowerShare(lastLevel_) * 10)), 4);
    } else if (bank == 205) {
        put(b, 0x04, uint64_t(operatingS_), 4);
        put(b, 0x08, config_.gearStarts, 3);
        put(b, 0x0B, 2300, 2);  // 230.0 V
        b[0x0D] = 50;
        b[0x0E] = 95;  // 0.95
        for (uint8_t at = 0x0F; at <= 0x1A; ++at)
            b[at] = 0;  // no failure, counters 0
        b[0x1B] = 60 + 45;  // 45 °C
        b[0x1C] = 100;
    } else {
        put(b, 0x04, config_.lightSourceStarts, 3);
        put(b, 0x07, config_.lightSourceStarts, 3);
        put(b, 0x0A, uint64_t(onS_), 4);
        put(b, 0x0E, uint64_t(onS_), 4);
        put(b, 0x12, lastLevel_ > 0 ? 360 : 0, 2);  // 36.0 V
        put(b, 0x14, uint64_t(std::lround(arcPowerShare(lastLevel_) * 700)), 2);  // mA
        for (uint8_t at = 0x16; at <= 0x1F; ++at)
            b[at] = 0;
        b[0x17] = config_.lightSourceFailures;
        b[0x20] = 0xFE;  // no sensor fitted now: TMASK
    }
    return b;
}

std::optional<uint8_t> LuminaireBanks::read(uint8_t bank, uint8_t location) const {
    const std::optional<Bytes> bytes = live(bank);
    if (!bytes || location > (*bytes)[0] || location == 1)
        return std::nullopt;
    if (location == kLockByte)
        return lockBytes_.at(bank);
    const auto latched = latched_.find(bank);
    return latched != latched_.end() ? latched->second[location] : (*bytes)[location];
}

std::optional<uint8_t> LuminaireBanks::write(uint8_t bank, uint8_t location, uint8_t value) {
    if (!has(bank) || location > lastLocation(bank))
        return std::nullopt;
    if (location == kLockByte) {
        lockBytes_[bank] = value;
        if (latches(bank) && value == kLatch)
            latched_[bank] = *live(bank);
        else
            latched_.erase(bank);
        return value;
    }
    if (!writable(bank) || lockBytes_[bank] != kUnlock || location < 3)
        return std::nullopt;
    (bank == 1 ? bank1_ : bank207_)[location] = value;
    return value;
}

void LuminaireBanks::advance(uint64_t nowUs) {
    const auto elapsedUs = double(nowUs > lastUs_ ? nowUs - lastUs_ : 0);
    lastUs_ = std::max(lastUs_, nowUs);
    if (!config_.present || !powered_)
        return;
    energyWh_ += energyAddedWh(elapsedUs);
    operatingS_ += elapsedUs * kSecondsPerUs;
    if (lastLevel_ > 0)
        onS_ += elapsedUs * kSecondsPerUs;
}

double LuminaireBanks::energyAddedWh(double elapsedUs) const {
    if (!config_.present || !powered_ || config_.nominalPowerW == 0xFFFF)
        return 0;
    return config_.nominalPowerW * arcPowerShare(lastLevel_) * elapsedUs * kHoursPerUs;
}

double LuminaireBanks::activeEnergyWh(uint64_t nowUs) const {
    return energyWh_ + energyAddedWh(double(nowUs > lastUs_ ? nowUs - lastUs_ : 0));
}

void LuminaireBanks::setState(uint8_t level, bool powered) {
    // A gear without banks counts nothing: its saved bus stays as it was.
    if (config_.present && powered && !powered_)
        ++config_.gearStarts;
    if (config_.present && lastLevel_ == 0 && level > 0)
        ++config_.lightSourceStarts;
    lastLevel_ = powered ? level : 0;
    powered_ = powered;
}

GearBanksConfig LuminaireBanks::snapshot() const {
    GearBanksConfig c = config_;
    c.activeEnergyWh = uint64_t(energyWh_);
    c.operatingSeconds = uint32_t(operatingS_);
    c.lightSourceOnSeconds = uint32_t(onS_);
    return c;
}

}  // namespace sim
