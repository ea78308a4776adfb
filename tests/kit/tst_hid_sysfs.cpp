// Finding the USB device behind a hidraw node, on a sysfs tree built in a
// temporary folder the way the kernel lays it out.

#include "kit/hid_sysfs.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class UsbDeviceOfHidraw : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::path(::testing::TempDir()) / ("sysfs-" + std::to_string(::getpid()));
        fs::remove_all(root);
        usbDevice("usb1/1-2");
        usbDevice("usb1/1-3");
        hidraw("hidraw3", "usb1/1-2/1-2:1.0/0003:1A2B:1501.0001", true);
        hidraw("hidraw4", "usb1/1-2/1-2:1.1/0003:1A2B:1501.0002", true);
        hidraw("hidraw5", "usb1/1-3/1-3:1.1/0003:1A2B:1501.0003", true);
        hidraw("hidraw6", "virtual/misc/uhid/0003:1A2B:1501.0004", false);
    }
    void TearDown() override { fs::remove_all(root); }

    fs::path devices() const { return root / "devices"; }
    void touch(const fs::path& file) { std::ofstream(file) << "1\n"; }
    void usbDevice(const std::string& at) {
        fs::create_directories(devices() / at);
        touch(devices() / at / "idVendor");
    }
    // The HID device `hidDevice` with its hidraw node, and the class link to it.
    void hidraw(const std::string& node, const std::string& hidDevice, bool onUsb) {
        const fs::path hid = devices() / hidDevice;
        fs::create_directories(hid / "hidraw" / node);
        if (onUsb)
            touch(hid.parent_path() / "bInterfaceNumber");
        fs::create_symlink("../../../" + fs::path(hidDevice).filename().string(), hid / "hidraw" / node / "device");
        fs::create_directories(root / "class" / "hidraw");
        fs::create_directory_symlink(hid / "hidraw" / node, root / "class" / "hidraw" / node);
    }
    std::string lookUp(const std::string& nodePath) const { return kit::usbDeviceOfHidraw(nodePath, root.string()); }

    fs::path root;
};

TEST_F(UsbDeviceOfHidraw, InterfacesOfOneDeviceShareItAndTwoDevicesDiffer) {
    const std::string first = lookUp("/dev/hidraw3");
    EXPECT_EQ(first, fs::canonical(devices() / "usb1/1-2").string());
    EXPECT_EQ(lookUp("/dev/hidraw4"), first);
    EXPECT_EQ(lookUp("/dev/hidraw5"), fs::canonical(devices() / "usb1/1-3").string());
}

TEST_F(UsbDeviceOfHidraw, IsEmptyOffUsbOrWithoutSysfsEntry) {
    EXPECT_EQ(lookUp("/dev/hidraw6"), "");  // uhid: no USB interface above it
    EXPECT_EQ(lookUp("/dev/hidraw9"), "");
    EXPECT_EQ(lookUp("/dev/ttyUSB0"), "");
    EXPECT_EQ(lookUp(""), "");
}

}  // namespace
