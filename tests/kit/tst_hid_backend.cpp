// The HID backend's logic on a scripted hidapi: which devices are listed, how
// interfaces become pipes, the bytes that go out and come back, and what
// time-outs, failures, unplugging and closing do.

#include "kit/hid_backend.h"
#include "kit/pellixkit.h"
#include "tests/kit/fake_hid_api.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstdlib>

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

constexpr uint16_t kVendor = 0x1A2B;
using Report = std::array<uint8_t, 8>;

struct AttachedInterface {
    std::string path;
    int interfaceNumber = 1;
    std::string usbDevice = "/sys/devices/pci0000:00/usb1/1-2";
    uint16_t productId = 0x1501;
    std::wstring serial = L"0000ABCD";
    uint16_t vendorId = kVendor;
};

kit::HidInterfaceInfo hidInterface(const AttachedInterface& s) {
    return {s.path, s.vendorId, s.productId, s.serial, s.interfaceNumber, s.usbDevice};
}

class HidBackendTest : public ::testing::Test {
protected:
    void SetUp() override { kit::installBackend(std::make_shared<kit::HidBackend>(api, kVendor)); }
    void TearDown() override { kit::installBackend(nullptr); }

    void attach(std::initializer_list<AttachedInterface> interfaces) {
        api->attached.clear();
        for (const AttachedInterface& attached : interfaces)
            api->attached.push_back(hidInterface(attached));
    }
    FakeHidApi::Node& node(const std::string& path) { return api->node(path); }

    std::shared_ptr<FakeHidApi> api = std::make_shared<FakeHidApi>();
    const Report request{0x02, 0xC4, 0x40, 0x01, 0xFF, 0x00, 0x00, 0x00};
};

TEST_F(HidBackendTest, InterfacesOfOneDeviceAreThePipesOfOneHandle) {
    attach({{"/dev/hidraw1", 1}, {"/dev/hidraw2", 2}, {"/dev/hidraw4", 4}});
    KitHandle handle = kit_open();
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(kit_device_count(), 1);

    const Report second{0x03, 0x01, 0x41};
    EXPECT_EQ(kit_write(handle, 1, request.data(), 8), 8);
    EXPECT_EQ(kit_write(handle, 2, second.data(), 8), 8);
    EXPECT_THAT(node("/dev/hidraw1").written, ElementsAre(ElementsAreArray(request)));
    EXPECT_THAT(node("/dev/hidraw2").written, ElementsAre(ElementsAreArray(second)));
    EXPECT_EQ(kit_write(handle, 4, request.data(), 8), 8);

    // No interface 3: an unknown pipe, like 0 and 5.
    for (int pipe : {0, 3, 5})
        EXPECT_EQ(kit_write(handle, pipe, request.data(), 8), -1) << "pipe " << pipe;
    EXPECT_EQ(node("/dev/hidraw3").openAttempts, 0);
}

TEST_F(HidBackendTest, InterfaceZeroIsNotAPipe) {
    attach({{"/dev/hidraw0", 0}, {"/dev/hidraw1", 1}});
    KitHandle handle = kit_open();
    EXPECT_EQ(kit_write(handle, 1, request.data(), 8), 8);
    EXPECT_EQ(node("/dev/hidraw1").written.size(), 1u);
    EXPECT_EQ(kit_write(handle, 2, request.data(), 8), -1);
    EXPECT_EQ(node("/dev/hidraw0").openAttempts, 0);
}

TEST_F(HidBackendTest, DevicesAreToldApartByPortAndSerialNumber) {
    attach({{"/dev/hidraw1", 1, "/sys/devices/usb1/1-1"},
            {"/dev/hidraw2", 1, "/sys/devices/usb1/1-2"},  // same serial, other port
            {"/dev/hidraw3", 1, "", 0x1501, L"SERIAL03"},  // port unknown: the serial number decides
            {"/dev/hidraw4", 1, "", 0x1501, L"SERIAL04"},
            {"/dev/hidraw5", 2, "/sys/devices/usb1/1-1"}});  // second interface of the first
    ASSERT_NE(kit_open(), nullptr);
    ASSERT_EQ(kit_device_count(), 4);

    const std::array<std::string, 4> firstPipe{"/dev/hidraw1", "/dev/hidraw2", "/dev/hidraw3", "/dev/hidraw4"};
    for (int i = 1; i <= 4; ++i) {
        ASSERT_EQ(kit_write(kit_device_at(i), 1, request.data(), 8), 8);
        EXPECT_EQ(node(firstPipe[size_t(i - 1)]).written.size(), 1u) << "device " << i;
    }
    EXPECT_EQ(kit_write(kit_device_at(1), 2, request.data(), 8), 8);
    EXPECT_EQ(node("/dev/hidraw5").written.size(), 1u);
    EXPECT_EQ(kit_write(kit_device_at(2), 2, request.data(), 8), -1);
}

TEST_F(HidBackendTest, InterfaceListedOncePerUsageIsOnePipe) {
    attach({{"/dev/hidraw1", 1}, {"/dev/hidraw1", 1}});
    KitHandle handle = kit_open();
    EXPECT_EQ(kit_device_count(), 1);
    EXPECT_EQ(kit_write(handle, 1, request.data(), 8), 8);
    EXPECT_EQ(node("/dev/hidraw1").opens, 1);
}

TEST_F(HidBackendTest, ListsOnlyPellixProductsOfTheVendor) {
    attach({{"/dev/hidraw1", 1, "/sys/devices/usb1/1-1", 0x1501, L"A", 0x1A2C},  // other vendor
            {"/dev/hidraw2", 1, "/sys/devices/usb1/1-2", 0x1502},                // unknown product
            {"/dev/hidraw3", 1, "/sys/devices/usb1/1-3", 0x1500},
            {"/dev/hidraw4", 1, "/sys/devices/usb1/1-4", 0x158A},
            {"/dev/hidraw5", 0, "/sys/devices/usb1/1-5", 0x1501},  // no pipe at all
            {"/dev/hidraw6", 1, "/sys/devices/usb1/1-6", 0x1503},
            {"/dev/hidraw7", 1, "/sys/devices/usb1/1-7", 0x1501}});
    kit_open();
    ASSERT_EQ(kit_device_count(), 4);
    std::vector<uint16_t> productIds;
    for (int i = 1; i <= kit_device_count(); ++i)
        productIds.push_back(kit_product_id(kit_device_at(i)));
    EXPECT_THAT(productIds, ElementsAre(0x1500, 0x158A, 0x1503, 0x1501));
    EXPECT_THAT(api->requestedVendorIds, ElementsAre(kVendor));
}

TEST_F(HidBackendTest, ReportSizeFollowsTheProductId) {
    attach({{"/dev/hidraw1", 1, "/sys/devices/usb1/1-1", 0x1503}, {"/dev/hidraw2", 1, "/sys/devices/usb1/1-2"}});
    kit_open();
    std::array<uint8_t, 64> big{0x02};
    EXPECT_EQ(kit_write(kit_device_at(1), 1, big.data(), 8), -1);
    EXPECT_EQ(kit_write(kit_device_at(1), 1, big.data(), 64), 64);
    EXPECT_EQ(node("/dev/hidraw1").written.at(0).size(), 64u);
    EXPECT_EQ(kit_write(kit_device_at(2), 1, big.data(), 64), -1);
    EXPECT_EQ(kit_write(kit_device_at(2), 1, big.data(), 8), 8);
}

TEST_F(HidBackendTest, SerialNumberComesFromTheDeviceCutToEightCharacters) {
    attach({{"/dev/hidraw1", 1, "/sys/devices/usb1/1-1", 0x1501, L"QX12345678"},
            {"/dev/hidraw2", 1, "/sys/devices/usb1/1-2", 0x1501, L"7F"}});
    kit_open();
    wchar_t serial[9];
    std::fill(std::begin(serial), std::end(serial), L'#');
    ASSERT_TRUE(kit_serial_number(kit_device_at(1), serial));
    EXPECT_EQ(std::wstring(serial), L"QX123456");
    ASSERT_TRUE(kit_serial_number(kit_device_at(2), serial));
    EXPECT_EQ(std::wstring(serial), L"7F");
}

TEST_F(HidBackendTest, ReportsAreWrittenAsGivenReportIdFirst) {
    attach({{"/dev/hidraw1", 1}});
    KitHandle handle = kit_open();
    const Report unnumbered{0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77};
    ASSERT_EQ(kit_write(handle, 1, request.data(), 8), 8);
    ASSERT_EQ(kit_write(handle, 1, unnumbered.data(), 8), 8);
    EXPECT_THAT(node("/dev/hidraw1").written, ElementsAre(ElementsAreArray(request), ElementsAreArray(unnumbered)));
}

TEST_F(HidBackendTest, ReadsReturnTheReportWithItsIdFirst) {
    attach({{"/dev/hidraw1", 1}});
    KitHandle handle = kit_open();
    node("/dev/hidraw1").reads = {{8, {0x03, 0x01, 0x5A, 0, 0, 0, 0, 0x7E}},
                                  {7, {0x02, 0x04, 0, 0, 0, 0, 0x7E}},  // unnumbered: no id in front
                                  {3, {0x03, 0x81, 0x00}}};
    Report reply;
    reply.fill(0xEE);
    ASSERT_EQ(kit_read(handle, 1, reply.data(), 8), 8);
    EXPECT_THAT(reply, ElementsAre(0x03, 0x01, 0x5A, 0, 0, 0, 0, 0x7E));

    reply.fill(0xEE);
    ASSERT_EQ(kit_read(handle, 1, reply.data(), 8), 8);
    EXPECT_THAT(reply, ElementsAre(0x00, 0x02, 0x04, 0, 0, 0, 0, 0x7E));

    reply.fill(0xEE);
    EXPECT_EQ(kit_read(handle, 1, reply.data(), 8), 3);
    EXPECT_THAT(reply, ElementsAre(0x03, 0x81, 0x00, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE));
}

TEST_F(HidBackendTest, ReadWaitsAtMostTheSetTimeout) {
    attach({{"/dev/hidraw1", 1}});
    KitHandle handle = kit_open();
    Report reply{};
    EXPECT_EQ(kit_read(handle, 1, reply.data(), 8), 0);
    ASSERT_TRUE(kit_set_timeout(handle, 250));
    EXPECT_EQ(kit_read(handle, 1, reply.data(), 8), 0);
    // hidapi reads -1 as "wait for ever": a huge time-out must stay a bound.
    ASSERT_TRUE(kit_set_timeout(handle, UINT_MAX));
    EXPECT_EQ(kit_read(handle, 1, reply.data(), 8), 0);
    EXPECT_THAT(node("/dev/hidraw1").readTimeoutsMs, ElementsAre(2000, 250, INT_MAX));
}

TEST_F(HidBackendTest, DeviceGoneIsAShortReadUntilListedAgain) {
    attach({{"/dev/hidraw1", 1}});
    KitHandle handle = kit_open();
    FakeHidApi::Node& hidraw1 = node("/dev/hidraw1");
    hidraw1.reads = {{-1, {}}, {8, {0x03, 0x01, 0x5A}}};
    Report reply{};
    EXPECT_EQ(kit_read(handle, 1, reply.data(), 8), 0);
    EXPECT_EQ(api->openConnections(), 0);

    // The node is not opened again on its own: it may belong to another device by now.
    EXPECT_EQ(kit_read(handle, 1, reply.data(), 8), 0);
    EXPECT_EQ(kit_write(handle, 1, request.data(), 8), 0);
    EXPECT_EQ(hidraw1.openAttempts, 1);
    EXPECT_TRUE(hidraw1.written.empty());

    ASSERT_EQ(kit_open(), handle);
    EXPECT_EQ(kit_read(handle, 1, reply.data(), 8), 8);
    EXPECT_EQ(reply[2], 0x5A);
    EXPECT_EQ(hidraw1.opens, 2);
}

TEST_F(HidBackendTest, FailedOrPartialWriteIsAShortWrite) {
    attach({{"/dev/hidraw1", 1}});
    KitHandle handle = kit_open();
    FakeHidApi::Node& hidraw1 = node("/dev/hidraw1");
    hidraw1.writeResult = 5;
    EXPECT_EQ(kit_write(handle, 1, request.data(), 8), 5);
    hidraw1.writeResult = -1;
    EXPECT_EQ(kit_write(handle, 1, request.data(), 8), 0);
    EXPECT_EQ(api->openConnections(), 0);
}

TEST_F(HidBackendTest, InterfaceThatCannotBeOpenedGivesShortTransfers) {
    attach({{"/dev/hidraw1", 1}});
    KitHandle handle = kit_open();
    FakeHidApi::Node& hidraw1 = node("/dev/hidraw1");
    hidraw1.openFails = true;
    Report reply{};
    EXPECT_EQ(kit_write(handle, 1, request.data(), 8), 0);
    EXPECT_EQ(kit_read(handle, 1, reply.data(), 8), 0);
    EXPECT_EQ(hidraw1.openAttempts, 1);

    // Access granted meanwhile (udev rule installed): the next listing retries.
    hidraw1.openFails = false;
    ASSERT_EQ(kit_open(), handle);
    EXPECT_EQ(kit_write(handle, 1, request.data(), 8), 8);
}

TEST_F(HidBackendTest, HandleAndOpenInterfacesSurviveLaterListings) {
    attach({{"/dev/hidraw1", 1}});
    KitHandle handle = kit_open();
    ASSERT_EQ(kit_write(handle, 1, request.data(), 8), 8);
    EXPECT_EQ(kit_open(), handle);
    EXPECT_EQ(kit_write(handle, 1, request.data(), 8), 8);
    EXPECT_EQ(node("/dev/hidraw1").opens, 1);
}

TEST_F(HidBackendTest, UnpluggedDeviceKeepsItsHandleAndComesBackUnderIt) {
    attach({{"/dev/hidraw1", 1}});
    KitHandle handle = kit_open();
    ASSERT_EQ(kit_write(handle, 1, request.data(), 8), 8);

    attach({});
    EXPECT_EQ(kit_open(), nullptr);
    EXPECT_EQ(kit_device_count(), 0);
    EXPECT_EQ(node("/dev/hidraw1").closes, 1);
    Report reply{};
    EXPECT_EQ(kit_write(handle, 1, request.data(), 8), 0);
    EXPECT_EQ(kit_read(handle, 1, reply.data(), 8), 0);

    attach({{"/dev/hidraw7", 1}});  // same device and port, new node
    EXPECT_EQ(kit_open(), handle);
    EXPECT_EQ(kit_write(handle, 1, request.data(), 8), 8);
    EXPECT_EQ(node("/dev/hidraw7").written.size(), 1u);
    EXPECT_EQ(node("/dev/hidraw1").written.size(), 1u);
}

TEST_F(HidBackendTest, CloseReleasesTheInterfacesAndTwiceIsHarmless) {
    attach({{"/dev/hidraw1", 1}, {"/dev/hidraw2", 2}});
    KitHandle handle = kit_open();
    Report reply{};
    ASSERT_EQ(kit_write(handle, 1, request.data(), 8), 8);
    ASSERT_EQ(kit_read(handle, 2, reply.data(), 8), 0);
    EXPECT_EQ(api->openConnections(), 2);

    kit_close(handle);
    EXPECT_EQ(api->openConnections(), 0);
    kit_close(handle);
    EXPECT_EQ(node("/dev/hidraw1").closes, 1);
    EXPECT_EQ(kit_write(handle, 1, request.data(), 8), -1);

    // Listed again, the device gets a new handle; the old one stays closed.
    KitHandle reopened = kit_open();
    ASSERT_NE(reopened, nullptr);
    EXPECT_NE(reopened, handle);
    EXPECT_EQ(kit_write(reopened, 1, request.data(), 8), 8);
    EXPECT_EQ(kit_write(handle, 1, request.data(), 8), -1);
    EXPECT_EQ(node("/dev/hidraw1").opens, 2);
}

TEST(VendorId, ParsesHexadecimalWithOrWithoutPrefix) {
    EXPECT_EQ(kit::parseVendorId("0x1a2b"), 0x1A2B);
    EXPECT_EQ(kit::parseVendorId("0X1A2B"), 0x1A2B);
    EXPECT_EQ(kit::parseVendorId("07c0"), 0x07C0);
    EXPECT_EQ(kit::parseVendorId("FFFF"), 0xFFFF);
    for (const char* invalid : {"", "0x", "0", "0x0000", "0x10000", "12345", "1a2g", "-1", " 1a2b", "0x1a2b "})
        EXPECT_EQ(kit::parseVendorId(invalid), std::nullopt) << '"' << invalid << '"';
}

TEST(VendorId, EnvironmentOverridesTheDefault) {
    ::unsetenv("PELLIXKIT_VENDOR_ID");
    EXPECT_EQ(kit::vendorIdFromEnvironment(), kit::kDefaultPellixVendorId);
    ::setenv("PELLIXKIT_VENDOR_ID", "0x1a2b", 1);
    EXPECT_EQ(kit::vendorIdFromEnvironment(), 0x1A2B);
    ::setenv("PELLIXKIT_VENDOR_ID", "pellix", 1);
    EXPECT_EQ(kit::vendorIdFromEnvironment(), kit::kDefaultPellixVendorId);
    ::unsetenv("PELLIXKIT_VENDOR_ID");
}

}  // namespace
