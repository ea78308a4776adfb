#include "kit/sim_controller.h"

#include "sim/i2c_target.h"
#include "sim/sim_clock.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace kit {
namespace {

constexpr uint8_t kReportEnable = 0x01, kReportWrite = 0x02, kReportRead = 0x03;
constexpr uint8_t kI2cError = 0x80;

std::string narrow(const std::wstring& text) { return {text.begin(), text.end()}; }

}  // namespace

SimController::SimController(SimControllerConfig config, std::shared_ptr<sim::Clock> clock)
    : config_(std::move(config)),
      // A device that is not a Pellix controller still moves reports, just
      // not ones the link layer can size: it gets plain 8-byte reports.
      reportSize_(pellixReportSize(config_.productId) ? pellixReportSize(config_.productId) : 8),
      // Virtual time advances only through reports and sleeps; a report must
      // cost something or a polling loop would never see time pass.
      latencyUs_(std::max<uint32_t>(config_.reportLatencyUs, 1)),
      clock_(std::move(clock)) {}

void SimController::attach(std::shared_ptr<sim::I2cTarget> target) {
    std::lock_guard guard(lock_);
    targets_.push_back(std::move(target));
}

std::string SimController::key() const {
    return "sim:" + std::to_string(config_.productId) + ":" + narrow(config_.serial) + ":" +
           std::to_string(reinterpret_cast<uintptr_t>(this));
}

void SimController::setTimeout(unsigned milliseconds) {
    std::lock_guard guard(lock_);
    timeoutMs_ = milliseconds;
}

int SimController::write(int, const uint8_t* buffer, int length) {
    clock_->advanceUs(latencyUs_);
    std::lock_guard guard(lock_);
    if (goneLocked())
        return 0;
    const bool lost = shortWrites_.next();
    if (logging_)
        log_.push_back({true, {buffer, buffer + length}, lost ? length - 1 : length});
    if (lost)
        return length - 1;
    std::vector<uint8_t> reply = execute(buffer);
    if (!reply.empty()) {
        reply.resize(size_t(reportSize_), 0);
        replies_.push_back(std::move(reply));
    }
    return length;
}

int SimController::read(int, uint8_t* buffer, int length) {
    unsigned timeout;
    {
        std::lock_guard guard(lock_);
        if (goneLocked()) {
            clock_->advanceUs(latencyUs_);
            return 0;
        }
        const bool lost = readTimeouts_.next();
        if (!lost && !replies_.empty()) {
            std::memcpy(buffer, replies_.front().data(), size_t(length));
            replies_.pop_front();
            if (logging_)
                log_.push_back({false, {buffer, buffer + length}, length});
            clock_->advanceUs(latencyUs_);
            return length;
        }
        if (lost && !replies_.empty())
            replies_.pop_front();
        timeout = timeoutMs_;
        if (logging_)
            log_.push_back({false, {}, 0});
    }
    clock_->advanceUs(uint64_t(timeout) * 1000);
    return 0;
}

void SimController::close() {
    std::lock_guard guard(lock_);
    replies_.clear();
    i2cEnabled_ = false;
}

void SimController::sleep(unsigned milliseconds) {
    {
        std::lock_guard guard(lock_);
        if (logging_ && milliseconds > 0)
            log_.push_back({false, {}, 0, milliseconds});
    }
    clock_->pauseUs(uint64_t(milliseconds) * 1000);
}

uint64_t SimController::clockUs() const { return clock_->nowUs(); }

void SimController::injectShortWrite(int count, int skip) {
    std::lock_guard guard(lock_);
    shortWrites_.add(count, skip);
}

void SimController::injectReadTimeout(int count, int skip) {
    std::lock_guard guard(lock_);
    readTimeouts_.add(count, skip);
}

void SimController::unplug(int afterReports) {
    std::lock_guard guard(lock_);
    reportsUntilUnplugged_ = std::max(afterReports, 0);
}

void SimController::clearInjectedFaults() {
    std::lock_guard guard(lock_);
    shortWrites_ = {};
    readTimeouts_ = {};
    if (reportsUntilUnplugged_ > 0)
        reportsUntilUnplugged_ = -1;
}

void SimController::plugIn() {
    std::lock_guard guard(lock_);
    reportsUntilUnplugged_ = -1;
}

bool SimController::pluggedIn() const {
    std::lock_guard guard(lock_);
    return reportsUntilUnplugged_ != 0;
}

bool SimController::goneLocked() {
    if (reportsUntilUnplugged_ == 0) {
        replies_.clear();
        return true;
    }
    if (reportsUntilUnplugged_ > 0)
        --reportsUntilUnplugged_;
    return false;
}

void SimController::setReportLogging(bool on) {
    std::lock_guard guard(lock_);
    logging_ = on;
}

std::vector<SimController::LoggedReport> SimController::takeReportLog() {
    std::lock_guard guard(lock_);
    return std::exchange(log_, {});
}

bool SimController::i2cEnabled() const {
    std::lock_guard guard(lock_);
    return i2cEnabled_;
}

unsigned SimController::timeoutMs() const {
    std::lock_guard guard(lock_);
    return timeoutMs_;
}

sim::I2cTarget* SimController::targetAt(uint8_t addressByte) const {
    auto it = std::find_if(targets_.begin(), targets_.end(),
                           [&](const auto& t) { return t->address7() == (addressByte >> 1); });
    return it == targets_.end() ? nullptr : it->get();
}

// Runs one request report and returns the reply report (empty: no reply).
std::vector<uint8_t> SimController::execute(const uint8_t* request) {
    const uint64_t now = clock_->nowUs();
    switch (request[0]) {
    case kReportEnable:
        i2cEnabled_ = request[1] == 0x01;
        return {};
    case kReportWrite: {
        const int count = request[1] & 0x3F;  // address byte included
        sim::I2cTarget* target = i2cEnabled_ && count >= 1 ? targetAt(request[2]) : nullptr;
        const int available = reportSize_ - 3;
        std::vector<uint8_t> data(request + 3, request + 3 + std::clamp(count - 1, 0, available));
        const int acknowledged = target ? target->write(now, data) : -1;
        if (acknowledged < 0)
            return {kReportWrite, kI2cError};
        return {kReportWrite, uint8_t(acknowledged + 1)};
    }
    case kReportRead: {
        const int count = std::min<int>(request[1] & 0x3F, reportSize_ - 2);
        sim::I2cTarget* target = i2cEnabled_ && (request[2] & 1) ? targetAt(request[2]) : nullptr;
        std::vector<uint8_t> bytes = target ? target->read(now, count) : std::vector<uint8_t>{};
        if (bytes.empty() && count > 0)
            return {kReportRead, kI2cError};
        std::vector<uint8_t> reply{kReportRead, uint8_t(bytes.size())};
        reply.insert(reply.end(), bytes.begin(), bytes.end());
        return reply;
    }
    default:
        return {};
    }
}

}  // namespace kit
