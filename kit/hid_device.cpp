#include "kit/hid_device.h"

#include "kit/report_size.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdio>
#include <thread>
#include <vector>

namespace kit {
namespace {

// Puts a received report into the caller's buffer; returns the kit's count.
int deliverReport(const std::vector<uint8_t>& report, int received, uint8_t* buffer) {
    const int length = int(report.size());
    if (received == length - 1) {  // unnumbered report: no id in front
        buffer[0] = 0;
        std::copy_n(report.begin(), received, buffer + 1);
        return length;
    }
    std::copy_n(report.begin(), received, buffer);
    return received;
}

}  // namespace

HidDevice::HidDevice(std::shared_ptr<HidApi> api, std::string key, uint16_t productId, std::wstring serialNumber)
    : api_(std::move(api)),
      key_(std::move(key)),
      productId_(productId),
      serialNumber_(std::move(serialNumber)),
      reportSize_(pellixReportSize(productId)) {}

void HidDevice::attach(const std::map<int, std::string>& pathsByPipe) {
    std::lock_guard guard(lock_);
    if (closed_)
        return;
    std::map<int, Pipe> pipes;
    for (const auto& [number, path] : pathsByPipe) {
        auto old = pipes_.find(number);
        if (old != pipes_.end() && old->second.path == path)
            pipes[number] = std::move(old->second);
        else
            pipes[number].path = path;
        pipes[number].openable = true;
    }
    pipes_ = std::move(pipes);
}

void HidDevice::detach() {
    std::lock_guard guard(lock_);
    for (auto& [number, pipe] : pipes_)
        release(pipe);
}

bool HidDevice::isClosed() const {
    std::lock_guard guard(lock_);
    return closed_;
}

int HidDevice::pipeCount() const {
    std::lock_guard guard(lock_);
    return pipes_.empty() ? 0 : pipes_.rbegin()->first;
}

int HidDevice::write(int pipe, const uint8_t* buffer, int length) {
    std::lock_guard guard(lock_);
    auto it = pipes_.find(pipe);
    if (closed_ || it == pipes_.end())
        return -1;
    HidConnection* connection = connect(it->second);
    if (!connection)
        return 0;
    const int written = connection->write(buffer, size_t(length));
    if (written < 0) {
        release(it->second);
        return 0;
    }
    return std::min(written, length);
}

int HidDevice::read(int pipe, uint8_t* buffer, int length) {
    std::lock_guard guard(lock_);
    auto it = pipes_.find(pipe);
    if (closed_ || it == pipes_.end())
        return -1;
    HidConnection* connection = connect(it->second);
    if (!connection)
        return 0;
    std::vector<uint8_t> report(size_t(length), 0);
    const int timeout = int(std::min<unsigned>(timeoutMs_, INT_MAX));
    const int received = connection->readTimeout(report.data(), report.size(), timeout);
    if (received < 0) {
        release(it->second);
        return 0;
    }
    return deliverReport(report, std::min(received, length), buffer);
}

void HidDevice::close() {
    std::lock_guard guard(lock_);
    closed_ = true;
    pipes_.clear();
}

void HidDevice::sleep(unsigned milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

uint64_t HidDevice::clockUs() const {
    using namespace std::chrono;
    return uint64_t(duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count());
}

HidConnection* HidDevice::connect(Pipe& pipe) {
    if (!pipe.connection && pipe.openable) {
        pipe.connection = api_->open(pipe.path);
        if (!pipe.connection) {
            pipe.openable = false;
            std::fprintf(stderr, "pellixkit: cannot open %s (access rights: see the udev rule 70-quorrel.rules)\n",
                         pipe.path.c_str());
        }
    }
    return pipe.connection.get();
}

void HidDevice::release(Pipe& pipe) {
    pipe.connection.reset();
    pipe.openable = false;
}

}  // namespace kit
