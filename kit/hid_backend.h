#pragma once
// The HID backend: real Pellix controllers through hidapi (hidraw).
//
// Which devices: HID interfaces of one vendor id (kDefaultPellixVendorId, or
// PELLIXKIT_VENDOR_ID) whose product id has a report size (0x1500, 0x1501,
// 0x158A, 0x1503). Devices of other vendors are never listed.
//
// One handle per USB device: its HID interfaces are grouped by vendor id,
// product id, serial number and the USB device they sit on (bus and port
// chain, from sysfs). Two identical devices without serial numbers on two
// ports thus stay apart; only where the USB device is unknown do interfaces
// with equal ids and serial number fall into one group (the first interface
// of each number wins). Devices are listed in hidapi's enumeration order,
// which follows sysfs and is stable while nothing is plugged.

#include "kit/hid_api.h"
#include "kit/hid_device.h"
#include "kit/kit_backend.h"

#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string_view>

namespace kit {

// The vendor id under which the product ids above are registered in the
// public USB id list. The only place it is set; PELLIXKIT_VENDOR_ID overrides it.
constexpr uint16_t kDefaultPellixVendorId = 0x07C0;

// A vendor id written in hexadecimal, with or without "0x" ("0x1a2b", "1A2B").
// Empty for anything else, and for 0 and values past 0xFFFF.
std::optional<uint16_t> parseVendorId(std::string_view text);

// PELLIXKIT_VENDOR_ID when it is set and valid, else kDefaultPellixVendorId
// (an invalid value is reported on standard error).
uint16_t vendorIdFromEnvironment();

class HidBackend final : public Backend {
public:
    HidBackend(std::shared_ptr<HidApi> api, uint16_t vendorId);

    // The same HidDevice object for a device while it is attached (and also
    // after it was unplugged and comes back), a new one after it was closed.
    std::vector<std::shared_ptr<Device>> enumerate() override;

private:
    const std::shared_ptr<HidApi> api_;
    const uint16_t vendorId_;
    std::mutex lock_;
    std::map<std::string, std::shared_ptr<HidDevice>> devices_;  // by key
};

std::shared_ptr<Backend> makeHidBackend();

}  // namespace kit
