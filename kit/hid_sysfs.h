#pragma once
// Finds the USB device behind a hidraw node in sysfs, so that the HID
// interfaces of one physical device can be told apart from those of an
// identical device on another port.

#include <string>

namespace kit {

// The sysfs directory of the USB device that owns a hidraw node, e.g.
// "/dev/hidraw3" -> "/sys/devices/pci0000:00/0000:00:14.0/usb1/1-2". Empty when
// the node is not a hidraw node of a USB HID interface or sysfs does not know
// it. `sysfsRoot` lets tests point it at a tree of their own.
std::string usbDeviceOfHidraw(const std::string& nodePath, const std::string& sysfsRoot = "/sys");

}  // namespace kit
