#pragma once
// One Pellix controller on the HID backend: the HID interfaces of one USB
// device behind one kit handle.
//
// Pipes: pipe n is the HID interface with USB interface number n. The kit
// numbers pipes from 1, so interface 0 is not a pipe, and a number without a
// HID interface is an unknown pipe (-1). The report size (from the product id)
// is the same on every pipe.
//
// Interfaces are opened at their first transfer. A failed open or a transfer
// that reports the device gone releases the interface; it is opened again
// only after a later enumeration has listed it, because a hidraw node that
// disappeared may come back belonging to another device.
//
// Reports: byte 0 of a written report is the report id and goes to the device
// as is. A read report starts with its report id. A device without numbered
// reports delivers them one byte shorter (hidraw has no id to put first); such
// a report is returned with report id 0 in byte 0 and its bytes from byte 1
// on, so that it has the full report size.

#include "kit/hid_api.h"
#include "kit/kit_backend.h"

#include <atomic>
#include <map>
#include <mutex>

namespace kit {

class HidDevice final : public Device {
public:
    HidDevice(std::shared_ptr<HidApi> api, std::string key, uint16_t productId, std::wstring serialNumber);

    // From an enumeration that lists the device: its interfaces now, by pipe.
    // Interfaces whose path changed are reopened at their next transfer.
    void attach(const std::map<int, std::string>& pathsByPipe);
    // From an enumeration that does not list the device: it was unplugged.
    void detach();
    bool isClosed() const;

    std::string key() const override { return key_; }
    uint16_t productId() const override { return productId_; }
    std::wstring serialNumber() const override { return serialNumber_; }
    int reportSize() const override { return reportSize_; }
    int pipeCount() const override;
    void setTimeout(unsigned milliseconds) override { timeoutMs_ = milliseconds; }
    int write(int pipe, const uint8_t* buffer, int length) override;
    int read(int pipe, uint8_t* buffer, int length) override;
    void close() override;
    void sleep(unsigned milliseconds) override;
    uint64_t clockUs() const override;

private:
    struct Pipe {
        std::string path;
        std::unique_ptr<HidConnection> connection;
        bool openable = true;  // false after a failure, until the next listing
    };

    // Both with lock_ held. connect() returns null when the interface cannot be used.
    HidConnection* connect(Pipe& pipe);
    static void release(Pipe& pipe);

    const std::shared_ptr<HidApi> api_;
    const std::string key_;
    const uint16_t productId_;
    const std::wstring serialNumber_;
    const int reportSize_;
    std::atomic<unsigned> timeoutMs_{2000};
    mutable std::mutex lock_;
    std::map<int, Pipe> pipes_;
    bool closed_ = false;
};

}  // namespace kit
