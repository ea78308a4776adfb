// Writing one location of a memory bank: the exact frames of an unlocked
// write and its read-back, a bank another controller locks between, and the
// writes refused before anything is sent.

#include "devices/memory_bank.h"
#include "devices/memory_bank_write.h"
#include "tests/sim/bus_test_support.h"

#include <gtest/gtest.h>

namespace {

using Frames = std::vector<uint16_t>;
constexpr uint16_t kRead = 0x01C5, kEnableWrite = 0x0181, kDtr0Zero = 0xA300, kDtr0Lock = 0xA302;

Frames operator+(Frames a, const Frames& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
Frames lockByte(uint8_t value) { return {kEnableWrite, kEnableWrite, kDtr0Lock, uint16_t(0xC900 | value)}; }
Frames lastLocation(uint8_t bank) { return {uint16_t(0xC300 | bank), kDtr0Zero, kRead}; }

sim::GearConfig luminaire() {
    sim::GearConfig g = gearAt(0, 254);
    g.versionNumber = 8;
    g.banks.present = true;
    g.banks.identification = "Downlight";
    return g;
}

std::optional<uint8_t> byteAt(const BusLink& link, uint8_t bank, uint8_t location) {
    LinkResult results = 0;
    const std::optional<MemoryBankBytes> bytes = ReadMemoryBank(link, 0, bank, location, location, results);
    return bytes ? bytes->at(location) : std::nullopt;
}

// Unlock, DTR0 and the answering write, lock again, then DTR0 and the read-back.
TEST(MemoryBankWrite, AnUnlockedWriteIsLockedAgainAndReadBack) {
    LinkedBus bus({luminaire()});
    const BankWriteResult result = WriteBankLocation({bus.link(), 0, 1, 0x24, 'W'});
    EXPECT_EQ(bus.takeForwardFrames(), (lastLocation(1) + lockByte(0x55) + Frames{0xA324, 0xC757} + lockByte(0xFF) +
                                        Frames{0xA324, kRead}));
    EXPECT_EQ(result.outcome, BankWriteOutcome::Written);
    EXPECT_EQ(result.answer, 'W');
    EXPECT_EQ(result.readBack, 'W');
    EXPECT_EQ(result.results, link_result::kOk);
    EXPECT_EQ(byteAt(bus.link(), 1, 0x24), 'W');
    EXPECT_EQ(byteAt(bus.link(), 1, kLockByteLocation), 0xFF);
}

// Another controller writes 0xFF to the lock byte right after the unlock: the
// write gets no answer, the lock byte is read instead of the location, and
// the bank is locked again all the same.
TEST(MemoryBankWrite, ABankLockedBetweenIsSaidAndNothingIsWritten) {
    LinkedBus bus({luminaire()});
    bus.bus().setFrameListener([&](const sim::BusFrame& frame) {
        if (frame.kind == sim::FrameKind::Forward && frame.data == 0xC955)
            bus.bus().withGear(0, [&](sim::ControlGear& g) {
                g.receive(frame.timeUs + 30'000, 0xA3, kLockByteLocation);
                g.receive(frame.timeUs + 60'000, 0xC9, 0xFF);
            });
    });
    const BankWriteResult result = WriteBankLocation({bus.link(), 0, 207, 0x04, 60});
    EXPECT_EQ(bus.takeForwardFrames(), (lastLocation(207) + lockByte(0x55) + Frames{0xA304, 0xC73C, kDtr0Lock, kRead} +
                                        lockByte(0xFF)));
    EXPECT_EQ(result.outcome, BankWriteOutcome::Locked);
    EXPECT_EQ(result.answer, std::nullopt);
    EXPECT_EQ(result.readBack, std::nullopt);
    bus.bus().setFrameListener({});
    EXPECT_NE(byteAt(bus.link(), 207, 0x04), 60);
}

// Bank 0, the counting banks and the first three locations are refused
// before anything is sent; a bank the gear lacks and a location past its end
// after the one question for the last location.
TEST(MemoryBankWrite, RefusedWritesSendNothingOrOnlyTheQuestionForTheLastLocation) {
    LinkedBus bus({luminaire()});
    struct Case {
        uint8_t bank, location;
        BankWriteOutcome outcome;
        Frames frames;
    };
    const Case cases[] = {
        {0, 0x10, BankWriteOutcome::ReadOnly, {}},
        {202, 0x05, BankWriteOutcome::ReadOnly, {}},
        {205, 0x10, BankWriteOutcome::ReadOnly, {}},
        {1, kLockByteLocation, BankWriteOutcome::ReadOnly, {}},
        {3, 0x10, BankWriteOutcome::NoBank, lastLocation(3)},
        {1, 0xF0, BankWriteOutcome::OutsideBank, lastLocation(1)},
    };
    for (const Case& c : cases) {
        const BankWriteResult result = WriteBankLocation({bus.link(), 0, c.bank, c.location, 0x42});
        EXPECT_EQ(result.outcome, c.outcome) << int(c.bank) << "/" << int(c.location);
        EXPECT_EQ(bus.takeForwardFrames(), c.frames) << int(c.bank) << "/" << int(c.location);
        EXPECT_EQ(result.results, link_result::kOk);
    }
}

}  // namespace
