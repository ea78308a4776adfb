// Bridge register access through I2C reports, the idle wait and the two
// connection probes.

#include "link/dalikit.h"

#include "kit/report_size.h"

#include <array>
#include <cstdio>
#include <vector>

using namespace link_result;

namespace {

constexpr int kPipe = 1;
constexpr uint8_t kReportEnable = 0x01, kReportWrite = 0x02, kReportRead = 0x03;
constexpr uint8_t kWriteFourBytes = 0xC4, kWriteTwoBytes = 0xC2;  // start + stop + count
constexpr uint8_t kErrorBit = 0x80;
constexpr unsigned kIdlePollMs = 5, kProbeGapMs = 1;

// A zero-filled report buffer of the interface's report size.
struct Report {
    explicit Report(KitHandle h) : handle(h), bytes(size_t(dalikit_ReportSize(h)), 0) {}
    void clear() { std::fill(bytes.begin(), bytes.end(), 0); }
    void set(std::initializer_list<uint8_t> head) {
        size_t i = 0;
        for (uint8_t b : head)
            if (i < bytes.size())
                bytes[i++] = b;
    }
    uint8_t at(size_t i) const { return i < bytes.size() ? bytes[i] : 0; }
    int size() const { return int(bytes.size()); }
    bool write() { return kit_write(handle, kPipe, bytes.data(), size()) == size(); }
    bool read() { return kit_read(handle, kPipe, bytes.data(), size()) == size(); }

    KitHandle handle;
    std::vector<uint8_t> bytes;
};

bool timedOut(KitHandle handle, uint64_t startUs) {
    return kit_clock_us(handle) - startUs >= uint64_t(kWaitLimitMs) * 1000;
}

}  // namespace

int dalikit_ReportSize(KitHandle handle) { return handle ? kit::pellixReportSize(kit_product_id(handle)) : 0; }

LinkResult dalikit_EnableI2C(KitHandle handle) {
    TransactionGuard guard(handle);
    Report report(handle);
    report.set({kReportEnable, 0x01});
    return report.write() ? kOk : kRequestShort;
}

LinkResult dalikit_WriteRegister(const BusLink& link, uint8_t r, uint8_t d1, uint8_t d2) {
    TransactionGuard guard(link.handle);
    Report report(link.handle);
    report.set({kReportWrite, kWriteFourBytes, link.bridgeAddress, r, d1, d2});
    if (!report.write())
        return kRequestShort;
    if (!report.read())
        return kReplyShort;
    if (report.at(1) & kErrorBit)
        return kNotAcknowledged;
    return report.at(1) == 4 ? kOk : kWrongByteCount;
}

LinkResult dalikit_ReadRegister(const BusLink& link, uint8_t r, uint8_t& value) {
    TransactionGuard guard(link.handle);
    Report report(link.handle);
    report.set({kReportWrite, kWriteTwoBytes, link.bridgeAddress, r});
    if (!report.write())
        return kInnerStep | kRequestShort;
    if (!report.read())
        return kInnerStep | kReplyShort;
    if (report.at(1) & kErrorBit)
        return kInnerStep | kNotAcknowledged;
    if (report.at(1) != 2)
        return kInnerStep | kWrongByteCount;

    report.clear();
    report.set({kReportRead, 0x01, uint8_t(link.bridgeAddress | 1)});
    if (!report.write())
        return kRequestShort;
    report.clear();
    if (!report.read())
        return kReplyShort;
    if (report.at(1) & kErrorBit)
        return kNotAcknowledged;
    value = report.at(2);
    return kOk;
}

LinkResult dalikit_WaitIdle(const BusLink& link) {
    TransactionGuard guard(link.handle);
    const uint64_t start = kit_clock_us(link.handle);
    for (;;) {
        kit_sleep(link.handle, kIdlePollMs);
        uint8_t status = 0;
        if (LinkResult r = dalikit_ReadRegister(link, bridge_register::kStatus, status))
            return r | kInnerStep;
        if (status & 0x80)
            return kBusError;
        if (!(status & 0x40))
            return kOk;
        if (timedOut(link.handle, start))
            return kWaitTimedOut;
    }
}

uint8_t dalikit_ProbeBridgeAddress(KitHandle handle) {
    TransactionGuard guard(handle);
    for (uint8_t a = 1; a <= 127; ++a) {
        std::array<uint8_t, 8> report{kReportRead, 0x02, uint8_t(a * 2 + 1)};
        if (kit_write(handle, kPipe, report.data(), 8) == 8 && kit_read(handle, kPipe, report.data(), 8) == 8 &&
            report[1] == 2)
            return uint8_t(a * 2);
        kit_sleep(handle, kProbeGapMs);
    }
    return 0;
}

std::string dalikit_ReadRevision(const BusLink& link) {
    TransactionGuard guard(link.handle);
    std::array<uint8_t, 8> report{kReportWrite, kWriteTwoBytes, link.bridgeAddress, 0xF0};
    if (kit_write(link.handle, kPipe, report.data(), 8) != 8 || kit_read(link.handle, kPipe, report.data(), 8) != 8 ||
        (report[1] & kErrorBit))
        return {};
    report = {kReportRead, 0x06, uint8_t(link.bridgeAddress | 1)};
    if (kit_write(link.handle, kPipe, report.data(), 8) != 8)
        return {};
    report.fill(0);
    if (kit_read(link.handle, kPipe, report.data(), 8) != 8 || (report[1] & kErrorBit))
        return {};
    char digits[5];
    std::snprintf(digits, sizeof digits, "%02X%02X", report[6], report[7]);
    return {digits[0], '.', digits[1], '.', digits[2], '.', digits[3]};
}
