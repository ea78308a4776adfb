// The kit API: a registry of devices whose handles stay valid for the whole
// run, over whichever backend is installed.

#include "kit/kit_backend.h"
#include "kit/pellixkit.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <mutex>
#include <thread>

namespace kit {
namespace {

// One entry per device ever seen. Entries are never freed, so a stale handle
// can always be recognised; a closed entry rejects I/O.
struct Entry {
    std::shared_ptr<Device> device;
    std::mutex io;  // one report at a time per device
    bool closed = false;
};

struct Registry {
    std::mutex lock;
    std::shared_ptr<Backend> backend;
    std::vector<std::unique_ptr<Entry>> entries;
    std::vector<Entry*> listed;  // result of the last enumeration

    Entry* find(KitHandle handle) {
        std::lock_guard guard(lock);
        auto it = std::find_if(entries.begin(), entries.end(),
                               [&](const auto& e) { return e.get() == handle; });
        return it == entries.end() ? nullptr : it->get();
    }
};

Registry& registry() {
    static Registry instance;
    return instance;
}

uint64_t realClockUs() {
    using namespace std::chrono;
    return uint64_t(duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count());
}

bool ioAllowed(const Entry& entry, int pipe, int length) {
    return !entry.closed && pipe >= 1 && pipe <= entry.device->pipeCount() && length == entry.device->reportSize();
}

}  // namespace

void installBackend(std::shared_ptr<Backend> backend) {
    Registry& r = registry();
    std::lock_guard guard(r.lock);
    for (auto& entry : r.entries) {
        std::lock_guard io(entry->io);
        if (!entry->closed) {
            entry->device->close();
            entry->closed = true;
        }
    }
    r.listed.clear();
    r.backend = std::move(backend);
}

std::shared_ptr<Backend> activeBackend() {
    Registry& r = registry();
    std::lock_guard guard(r.lock);
    if (!r.backend)
        r.backend = backendFromEnvironment();
    return r.backend;
}

}  // namespace kit

using kit::Entry;
using kit::registry;

KitHandle kit_open() {
    auto& r = registry();
    std::lock_guard guard(r.lock);
    if (!r.backend)
        r.backend = kit::backendFromEnvironment();
    r.listed.clear();
    for (auto& device : r.backend->enumerate()) {
        if (int(r.listed.size()) == kKitMaxDevices)
            break;
        auto it = std::find_if(r.entries.begin(), r.entries.end(),
                               [&](const auto& e) { return e->device->key() == device->key() && !e->closed; });
        if (it == r.entries.end()) {
            r.entries.push_back(std::make_unique<Entry>());
            r.entries.back()->device = device;
            it = r.entries.end() - 1;
        }
        r.listed.push_back(it->get());
    }
    return r.listed.empty() ? nullptr : r.listed.front();
}

int kit_device_count() {
    auto& r = registry();
    std::lock_guard guard(r.lock);
    return int(r.listed.size());
}

KitHandle kit_device_at(int index) {
    auto& r = registry();
    std::lock_guard guard(r.lock);
    return index >= 1 && index <= int(r.listed.size()) ? r.listed[size_t(index - 1)] : nullptr;
}

uint16_t kit_product_id(KitHandle handle) {
    Entry* entry = registry().find(handle);
    return entry ? entry->device->productId() : 0;
}

bool kit_serial_number(KitHandle handle, wchar_t* buffer9) {
    Entry* entry = registry().find(handle);
    if (!entry || !buffer9)
        return false;
    const std::wstring serial = entry->device->serialNumber().substr(0, 8);
    std::copy(serial.begin(), serial.end(), buffer9);
    buffer9[serial.size()] = L'\0';
    return true;
}

bool kit_set_timeout(KitHandle handle, unsigned milliseconds) {
    Entry* entry = registry().find(handle);
    if (!entry)
        return false;
    std::lock_guard io(entry->io);
    if (entry->closed)
        return false;
    entry->device->setTimeout(milliseconds);
    return true;
}

int kit_write(KitHandle handle, int pipe, const uint8_t* buffer, int length) {
    Entry* entry = registry().find(handle);
    if (!entry || !buffer)
        return -1;
    std::lock_guard io(entry->io);
    return ioAllowed(*entry, pipe, length) ? entry->device->write(pipe, buffer, length) : -1;
}

int kit_read(KitHandle handle, int pipe, uint8_t* buffer, int length) {
    Entry* entry = registry().find(handle);
    if (!entry || !buffer)
        return -1;
    std::lock_guard io(entry->io);
    return ioAllowed(*entry, pipe, length) ? entry->device->read(pipe, buffer, length) : -1;
}

void kit_close(KitHandle handle) {
    Entry* entry = registry().find(handle);
    if (!entry)
        return;
    std::lock_guard io(entry->io);
    if (!entry->closed) {
        entry->device->close();
        entry->closed = true;
    }
}

void kit_sleep(KitHandle handle, unsigned milliseconds) {
    if (Entry* entry = registry().find(handle))
        entry->device->sleep(milliseconds);
    else
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

uint64_t kit_clock_us(KitHandle handle) {
    Entry* entry = registry().find(handle);
    return entry ? entry->device->clockUs() : kit::realClockUs();
}
