// The kit API's handle registry and argument checks, on simulated controllers
// with virtual time.

#include "kit/pellixkit.h"
#include "kit/sim_backend.h"
#include "kit/sim_controller.h"
#include "sim/sim_clock.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <future>
#include <thread>

#include <array>
#include <set>
#include <string>

using ::testing::ElementsAre;

namespace {

using Report = std::array<uint8_t, 8>;

class KitApiTest : public ::testing::Test {
protected:
    void SetUp() override { kit::installBackend(backend); }
    void TearDown() override { kit::installBackend(nullptr); }

    std::shared_ptr<kit::SimController> addController(std::wstring serial, uint16_t productId = 0x1501) {
        return backend->addController({productId, std::move(serial), 1000}, nullptr);
    }
    static std::wstring serialOf(KitHandle handle) {
        wchar_t buffer[9] = {};
        return kit_serial_number(handle, buffer) ? buffer : L"<none>";
    }

    std::shared_ptr<sim::Clock> clock = std::make_shared<sim::Clock>(0.0);
    std::shared_ptr<kit::SimBackend> backend = std::make_shared<kit::SimBackend>(clock);
    const Report enableI2c{0x01, 0x01};
};

TEST_F(KitApiTest, NoInterfaceGivesNullAndCountZero) {
    EXPECT_EQ(kit_open(), nullptr);
    EXPECT_EQ(kit_device_count(), 0);
    EXPECT_EQ(kit_device_at(1), nullptr);
}

TEST_F(KitApiTest, InterfacesAreNumberedFromOne) {
    addController(L"SER1");
    addController(L"SER2", 0x1503);
    addController(L"SER3", 0x1500);
    KitHandle first = kit_open();
    ASSERT_EQ(kit_device_count(), 3);
    EXPECT_EQ(kit_device_at(1), first);
    EXPECT_EQ(serialOf(kit_device_at(1)), L"SER1");
    EXPECT_EQ(serialOf(kit_device_at(3)), L"SER3");
    EXPECT_EQ(kit_product_id(kit_device_at(2)), 0x1503);
    for (int outside : {0, -1, 4, 17})
        EXPECT_EQ(kit_device_at(outside), nullptr) << outside;
}

TEST_F(KitApiTest, HandlesStayTheSameAcrossKitOpen) {
    addController(L"SER1");
    addController(L"SER2");
    kit_open();
    const std::array<KitHandle, 2> before{kit_device_at(1), kit_device_at(2)};
    addController(L"SER3");
    EXPECT_EQ(kit_open(), before[0]);
    ASSERT_EQ(kit_device_count(), 3);
    EXPECT_EQ(kit_device_at(2), before[1]);
    EXPECT_NE(kit_device_at(3), before[0]);
    EXPECT_NE(kit_device_at(3), before[1]);
}

TEST_F(KitApiTest, ListsAtMostSixteenInterfaces) {
    for (int i = 1; i <= 17; ++i)
        addController(L"S" + std::to_wstring(i));
    kit_open();
    ASSERT_EQ(kit_device_count(), kKitMaxDevices);
    std::set<KitHandle> handles;
    for (int i = 1; i <= 16; ++i)
        handles.insert(kit_device_at(i));
    EXPECT_EQ(handles.size(), 16u);
    EXPECT_FALSE(handles.count(nullptr));
    EXPECT_EQ(serialOf(kit_device_at(16)), L"S16");
    EXPECT_EQ(kit_device_at(17), nullptr);
}

TEST_F(KitApiTest, NullAndUnknownHandlesAreRejectedByEveryCall) {
    int notAHandle = 0;
    for (KitHandle handle : {KitHandle(nullptr), KitHandle(&notAHandle)}) {
        SCOPED_TRACE(handle ? "unknown handle" : "null handle");
        EXPECT_EQ(kit_product_id(handle), 0);
        wchar_t buffer[9];
        std::fill(std::begin(buffer), std::end(buffer), L'#');
        EXPECT_FALSE(kit_serial_number(handle, buffer));
        EXPECT_EQ(std::wstring(buffer, 9), std::wstring(9, L'#'));
        EXPECT_FALSE(kit_set_timeout(handle, 2000));
        Report report = enableI2c;
        EXPECT_EQ(kit_write(handle, 1, report.data(), 8), -1);
        EXPECT_EQ(kit_read(handle, 1, report.data(), 8), -1);
        EXPECT_EQ(report, enableI2c);
        kit_close(handle);
    }
}

TEST_F(KitApiTest, ClosedHandleRefusesTimeoutAndTransfers) {
    auto controller = addController(L"SER1");
    KitHandle handle = kit_open();
    kit_close(handle);
    controller->setReportLogging(true);
    Report report{};
    EXPECT_FALSE(kit_set_timeout(handle, 500));
    EXPECT_EQ(kit_write(handle, 1, enableI2c.data(), 8), -1);
    EXPECT_EQ(kit_read(handle, 1, report.data(), 8), -1);
    EXPECT_TRUE(controller->takeReportLog().empty());
    EXPECT_EQ(controller->timeoutMs(), 2000u);
}

TEST_F(KitApiTest, WrongPipeLengthOrBufferNeverReachesTheInterface) {
    auto small = addController(L"SER1");
    auto big = addController(L"SER2", 0x1503);
    kit_open();
    small->setReportLogging(true);
    big->setReportLogging(true);
    std::array<uint8_t, 64> buffer{0x01, 0x01};
    for (int pipe : {0, 2, -1}) {
        EXPECT_EQ(kit_write(kit_device_at(1), pipe, buffer.data(), 8), -1) << pipe;
        EXPECT_EQ(kit_read(kit_device_at(1), pipe, buffer.data(), 8), -1) << pipe;
    }
    for (int length : {0, 7, 9, 64}) {
        EXPECT_EQ(kit_write(kit_device_at(1), 1, buffer.data(), length), -1) << length;
        EXPECT_EQ(kit_read(kit_device_at(1), 1, buffer.data(), length), -1) << length;
    }
    EXPECT_EQ(kit_write(kit_device_at(2), 1, buffer.data(), 8), -1);
    EXPECT_EQ(kit_write(kit_device_at(1), 1, nullptr, 8), -1);
    EXPECT_EQ(kit_read(kit_device_at(1), 1, nullptr, 8), -1);
    EXPECT_TRUE(small->takeReportLog().empty());
    EXPECT_TRUE(big->takeReportLog().empty());

    EXPECT_EQ(kit_write(kit_device_at(2), 1, buffer.data(), 64), 64);
    EXPECT_TRUE(big->i2cEnabled());
}

TEST_F(KitApiTest, ReportsPassThroughBothWays) {
    addController(L"SER1");
    KitHandle handle = kit_open();
    const Report pointerWrite{0x02, 0xC2, 0x40, 0x00};  // no chip answers: a NACK reply
    ASSERT_EQ(kit_write(handle, 1, enableI2c.data(), 8), 8);
    ASSERT_EQ(kit_write(handle, 1, pointerWrite.data(), 8), 8);
    Report reply;
    reply.fill(0xEE);
    ASSERT_EQ(kit_read(handle, 1, reply.data(), 8), 8);
    EXPECT_THAT(reply, ElementsAre(0x02, 0x80, 0, 0, 0, 0, 0, 0));
}

TEST_F(KitApiTest, SerialNumberIsAtMostEightCharactersAndTerminated) {
    addController(L"123456789AB");
    addController(L"12");
    kit_open();
    wchar_t buffer[9];
    std::fill(std::begin(buffer), std::end(buffer), L'#');
    ASSERT_TRUE(kit_serial_number(kit_device_at(1), buffer));
    EXPECT_EQ(std::wstring(buffer, 9), std::wstring(L"12345678") + L'\0');
    std::fill(std::begin(buffer), std::end(buffer), L'#');
    ASSERT_TRUE(kit_serial_number(kit_device_at(2), buffer));
    EXPECT_EQ(std::wstring(buffer), L"12");
    EXPECT_FALSE(kit_serial_number(kit_device_at(1), nullptr));
}

TEST_F(KitApiTest, TimeoutBoundsTheReadOnTheInterfaceClock) {
    auto controller = addController(L"SER1");
    KitHandle handle = kit_open();
    EXPECT_EQ(controller->timeoutMs(), 2000u);
    ASSERT_TRUE(kit_set_timeout(handle, 500));
    const uint64_t start = clock->nowUs();
    Report reply{};
    EXPECT_EQ(kit_read(handle, 1, reply.data(), 8), 0);  // nothing asked, nothing comes
    EXPECT_EQ(clock->nowUs() - start, 500'000u);
}

TEST_F(KitApiTest, SleepAndClockUseTheVirtualClock) {
    addController(L"SER1");
    KitHandle handle = kit_open();
    clock->advanceUs(1234);
    EXPECT_EQ(kit_clock_us(handle), 1234u);
    kit_sleep(handle, 250);
    EXPECT_EQ(clock->nowUs(), 251'234u);
    EXPECT_EQ(kit_clock_us(handle), 251'234u);
}

// Two threads on one interface: a pause belongs to the thread that takes it,
// reports share the interface's time. The worker's 50 ms pause and the other
// thread's report during it overlap, as on a real clock.
TEST_F(KitApiTest, PausesOfTwoThreadsOverlap) {
    addController(L"SER1");
    KitHandle handle = kit_open();
    std::promise<void> paused, reported;
    uint64_t workerDone = 0;
    std::thread worker([&] {
        kit_sleep(handle, 50);
        paused.set_value();
        reported.get_future().wait();
        kit_write(handle, 1, enableI2c.data(), 8);
        workerDone = kit_clock_us(handle);
    });
    paused.get_future().wait();
    EXPECT_EQ(kit_clock_us(handle), 0u);  // the worker's pause is its own
    kit_write(handle, 1, enableI2c.data(), 8);  // 1 ms, during the worker's pause
    EXPECT_EQ(kit_clock_us(handle), 1'000u);
    reported.set_value();
    worker.join();
    EXPECT_EQ(workerDone, 51'000u);  // not 52 ms: the report overlapped the pause
    EXPECT_EQ(kit_clock_us(handle), 51'000u);
}

TEST_F(KitApiTest, CloseTwiceIsHarmlessAndRelistingGivesANewHandle) {
    auto controller = addController(L"SER1");
    KitHandle handle = kit_open();
    ASSERT_EQ(kit_write(handle, 1, enableI2c.data(), 8), 8);
    kit_close(handle);
    EXPECT_FALSE(controller->i2cEnabled());
    kit_close(handle);

    KitHandle again = kit_open();
    ASSERT_NE(again, nullptr);
    EXPECT_NE(again, handle);
    EXPECT_EQ(kit_write(again, 1, enableI2c.data(), 8), 8);
    EXPECT_EQ(kit_write(handle, 1, enableI2c.data(), 8), -1);
    EXPECT_EQ(kit_product_id(again), 0x1501);
}

TEST_F(KitApiTest, InstallingABackendClosesTheHandlesOfTheOldOne) {
    auto controller = addController(L"SER1");
    KitHandle old = kit_open();
    ASSERT_EQ(kit_write(old, 1, enableI2c.data(), 8), 8);

    auto other = std::make_shared<kit::SimBackend>(clock);
    other->addController({0x1501, L"SER9", 1000}, nullptr);
    kit::installBackend(other);
    EXPECT_FALSE(controller->i2cEnabled());
    EXPECT_EQ(kit_device_count(), 0);
    EXPECT_FALSE(kit_set_timeout(old, 500));
    EXPECT_EQ(kit_write(old, 1, enableI2c.data(), 8), -1);

    KitHandle fresh = kit_open();
    EXPECT_EQ(kit_device_count(), 1);
    EXPECT_NE(fresh, old);
    EXPECT_EQ(serialOf(fresh), L"SER9");
}

}  // namespace
