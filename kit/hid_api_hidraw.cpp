// The HidApi seam on hidapi (hidraw).

#include "kit/hid_api.h"
#include "kit/hid_sysfs.h"

#include <hidapi.h>

#include <cstdio>
#include <mutex>

namespace kit {
namespace {

// hid_init before the first user, hid_exit after the last one. Every API
// object and connection holds a reference.
class HidLibrary {
public:
    static std::shared_ptr<HidLibrary> acquire() {
        static std::mutex lock;
        static std::weak_ptr<HidLibrary> current;
        std::lock_guard guard(lock);
        std::shared_ptr<HidLibrary> library = current.lock();
        if (!library) {
            library.reset(new HidLibrary);
            current = library;
        }
        return library;
    }
    ~HidLibrary() { hid_exit(); }

private:
    HidLibrary() {
        if (hid_init() != 0)
            std::fprintf(stderr, "pellixkit: hidapi cannot start; no HID interfaces will be found\n");
    }
};

struct HidClose {
    void operator()(hid_device* device) const { hid_close(device); }
};

struct HidFreeEnumeration {
    void operator()(hid_device_info* list) const { hid_free_enumeration(list); }
};

class HidrawConnection final : public HidConnection {
public:
    HidrawConnection(std::shared_ptr<HidLibrary> library, hid_device* device)
        : library_(std::move(library)), device_(device) {}

    int write(const uint8_t* data, size_t length) override { return hid_write(device_.get(), data, length); }
    int readTimeout(uint8_t* data, size_t length, int milliseconds) override {
        return hid_read_timeout(device_.get(), data, length, milliseconds);
    }

private:
    std::shared_ptr<HidLibrary> library_;  // declared first: released after the device is closed
    std::unique_ptr<hid_device, HidClose> device_;
};

class HidrawApi final : public HidApi {
public:
    std::vector<HidInterfaceInfo> enumerate(uint16_t vendorId) override {
        std::unique_ptr<hid_device_info, HidFreeEnumeration> list(hid_enumerate(vendorId, 0));
        std::vector<HidInterfaceInfo> interfaces;
        for (const hid_device_info* info = list.get(); info; info = info->next) {
            const std::string path = info->path ? info->path : "";
            interfaces.push_back({path, info->vendor_id, info->product_id,
                                  info->serial_number ? info->serial_number : L"", info->interface_number,
                                  usbDeviceOfHidraw(path)});
        }
        return interfaces;
    }

    std::unique_ptr<HidConnection> open(const std::string& path) override {
        hid_device* device = hid_open_path(path.c_str());
        if (!device)
            return nullptr;
        return std::make_unique<HidrawConnection>(library_, device);
    }

private:
    std::shared_ptr<HidLibrary> library_ = HidLibrary::acquire();
};

}  // namespace

std::shared_ptr<HidApi> makeHidrawApi() { return std::make_shared<HidrawApi>(); }

}  // namespace kit
