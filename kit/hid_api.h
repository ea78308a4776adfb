#pragma once
// The few hidapi calls the HID backend needs (enumerate, open, write, read with
// time-out, close), behind an interface so that the backend's logic (grouping,
// framing, time-outs, error mapping) runs against a fake in tests. The real
// implementation is hidapi over hidraw.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace kit {

// One HID interface of a USB device, as an enumeration lists it.
struct HidInterfaceInfo {
    std::string path;  // what open() takes, e.g. /dev/hidraw3
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    std::wstring serialNumber;  // the USB device's serial number string
    int interfaceNumber = -1;   // USB interface number; -1 when unknown
    // Identifies the USB device the interface belongs to (on Linux its sysfs
    // directory, which names bus and port chain): equal for all interfaces of
    // one physical device, different for two devices. Empty when unknown.
    std::string usbDevice;
};

// One open HID interface. Destroying it closes the interface.
class HidConnection {
public:
    virtual ~HidConnection() = default;
    // As hid_write: data[0] is the report id. Bytes written, or -1 on error.
    virtual int write(const uint8_t* data, size_t length) = 0;
    // As hid_read_timeout: bytes read, 0 after the time-out, -1 on error
    // (the device is gone).
    virtual int readTimeout(uint8_t* data, size_t length, int milliseconds) = 0;
};

class HidApi {
public:
    virtual ~HidApi() = default;
    // The HID interfaces attached now; `vendorId` narrows the search (a
    // filter, not a promise: callers check the vendor id themselves).
    virtual std::vector<HidInterfaceInfo> enumerate(uint16_t vendorId) = 0;
    // Opens an interface by its path; null when it cannot be opened.
    virtual std::unique_ptr<HidConnection> open(const std::string& path) = 0;
};

// hidapi over hidraw. hid_init runs before the first use; hid_exit runs when
// the last API object and the last connection are gone.
std::shared_ptr<HidApi> makeHidrawApi();

}  // namespace kit
