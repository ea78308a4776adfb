#pragma once
// A simulated Pellix controller: pipe 1 executes the I2C report formats on a
// simulated I2C bus (usually one bridge chip) and answers with reply reports.
// Every report costs `reportLatencyUs` on the interface's clock.

#include "kit/kit_backend.h"
#include "kit/report_size.h"
#include "sim/fault_plan.h"

#include <deque>
#include <memory>
#include <mutex>
#include <vector>

namespace sim {
class Clock;
class I2cTarget;
}  // namespace sim

namespace kit {

struct SimControllerConfig {
    uint16_t productId = 0x1501;
    std::wstring serial = L"00000000";
    uint32_t reportLatencyUs = 1000;
};

class SimController final : public Device {
public:
    SimController(SimControllerConfig config, std::shared_ptr<sim::Clock> clock);

    void attach(std::shared_ptr<sim::I2cTarget> target);

    std::string key() const override;
    uint16_t productId() const override { return config_.productId; }
    std::wstring serialNumber() const override { return config_.serial; }
    int reportSize() const override { return reportSize_; }
    int pipeCount() const override { return 1; }
    void setTimeout(unsigned milliseconds) override;
    int write(int pipe, const uint8_t* buffer, int length) override;
    int read(int pipe, uint8_t* buffer, int length) override;
    void close() override;
    void sleep(unsigned milliseconds) override;
    uint64_t clockUs() const override;

    // Fault injection: `count` writes, after `skip` more, send one byte short
    // (the report is lost); `count` reads, after `skip` more, time out (the
    // reply is lost).
    void injectShortWrite(int count, int skip = 0);
    void injectReadTimeout(int count, int skip = 0);
    // The cable is pulled after `afterReports` more reports: from then on
    // every write and read fails at once, as hidapi's do for a device that is
    // gone, and the backend no longer lists the controller. plugIn() puts it
    // back (the same device: its handle works again).
    void unplug(int afterReports = 0);
    // Drops every short write, read time-out and unplug not yet come.
    void clearInjectedFaults();
    void plugIn();
    bool pluggedIn() const;

    // Report log for tests: every report written and read, and every sleep,
    // in order, when switched on.
    struct LoggedReport {
        bool written;  // true: kit_write, false: kit_read or a sleep
        std::vector<uint8_t> bytes;
        int result;
        unsigned sleptMs = 0;  // non-zero: a kit_sleep of this length, no report
    };
    void setReportLogging(bool on);
    std::vector<LoggedReport> takeReportLog();

    bool i2cEnabled() const;
    unsigned timeoutMs() const;
    sim::Clock& clock() { return *clock_; }

private:
    std::vector<uint8_t> execute(const uint8_t* request);
    // Counts one report towards a pending unplug; true when the device is gone.
    bool goneLocked();
    sim::I2cTarget* targetAt(uint8_t addressByte) const;

    const SimControllerConfig config_;
    const int reportSize_;
    const uint32_t latencyUs_;
    const std::shared_ptr<sim::Clock> clock_;
    mutable std::mutex lock_;
    std::vector<std::shared_ptr<sim::I2cTarget>> targets_;
    std::deque<std::vector<uint8_t>> replies_;
    unsigned timeoutMs_ = 2000;
    bool i2cEnabled_ = false;
    sim::FaultPlan shortWrites_;
    sim::FaultPlan readTimeouts_;
    int reportsUntilUnplugged_ = -1;  // < 0: stays plugged in; 0: gone
    bool logging_ = false;
    std::vector<LoggedReport> log_;
};

}  // namespace kit
