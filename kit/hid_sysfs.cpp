#include "kit/hid_sysfs.h"

#include <filesystem>

namespace kit {

namespace fs = std::filesystem;

std::string usbDeviceOfHidraw(const std::string& nodePath, const std::string& sysfsRoot) {
    const std::string node = fs::path(nodePath).filename().string();
    if (node.rfind("hidraw", 0) != 0)
        return {};
    // class/hidraw/hidrawN/device is the HID device; above it sit the USB
    // interface and then the USB device.
    std::error_code error;
    const fs::path hidDevice = fs::canonical(fs::path(sysfsRoot) / "class" / "hidraw" / node / "device", error);
    if (error)
        return {};
    const fs::path usbInterface = hidDevice.parent_path();
    const fs::path usbDevice = usbInterface.parent_path();
    // A HID device on Bluetooth, I2C or uhid has no USB interface above it.
    if (!fs::exists(usbInterface / "bInterfaceNumber", error) || !fs::exists(usbDevice / "idVendor", error))
        return {};
    return usbDevice.string();
}

}  // namespace kit
