// Two threads on one interface: a register read is two report exchanges, and
// another thread's pointer write between them would make it read the wrong
// register. The per-handle transaction lock keeps them together.

#include "link_test_support.h"

#include <atomic>
#include <thread>

namespace {

TEST(TransactionLock, ConcurrentRegisterReadsNeverSplit) {
    SimInterface sim({.revision = {0, 0, 0, 0, 0x11, 0x22}, .reportLatencyUs = 1});
    const BusLink link{sim.handle(), 0x40};
    dalikit_EnableI2C(sim.handle());

    std::atomic<int> wrong{0};
    std::atomic<bool> go{false};
    auto reader = [&](uint8_t reg, uint8_t expected) {
        while (!go)
            std::this_thread::yield();
        for (int i = 0; i < 3000; ++i) {
            uint8_t value = 0;
            if (dalikit_ReadRegister(link, reg, value) != 0 || value != expected)
                ++wrong;
        }
    };
    std::thread a(reader, 0xF4, 0x11);
    std::thread b(reader, 0xF5, 0x22);
    go = true;
    a.join();
    b.join();
    EXPECT_EQ(wrong, 0);
}

TEST(TransactionLock, AGuardKeepsSeveralOperationsTogether) {
    SimInterface sim({.reportLatencyUs = 1});
    const BusLink link{sim.handle(), 0x40};
    dalikit_EnableI2C(sim.handle());

    std::atomic<bool> go{false};
    auto sender = [&](uint8_t first) {
        while (!go)
            std::this_thread::yield();
        for (int i = 0; i < 3000; ++i) {
            TransactionGuard guard(link.handle);
            dalikit_Send(link, first, 0x01);
            dalikit_Send(link, first, 0x02);
        }
    };
    std::thread a(sender, 0x01);
    std::thread b(sender, 0x03);
    go = true;
    a.join();
    b.join();

    const auto frames = sim.bus().frames();
    ASSERT_EQ(frames.size(), 12000u);
    for (size_t i = 0; i < frames.size(); i += 2) {
        EXPECT_EQ(frames[i].first, frames[i + 1].first) << i;
        EXPECT_EQ(frames[i].second, 0x01);
        EXPECT_EQ(frames[i + 1].second, 0x02);
    }
}

}  // namespace
