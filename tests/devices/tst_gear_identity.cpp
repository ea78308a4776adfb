// Memory bank 0 read as the standard has it: DTR1 = bank, DTR0 once per bank,
// READ MEMORY LOCATION stepping through; the identity in each edition's layout.

#include "app/luminaire_info.h"
#include "devices/gear_identity.h"
#include "devices/memory_bank.h"
#include "tests/sim/bus_test_support.h"

#include <gtest/gtest.h>

namespace {

using Frames = std::vector<uint16_t>;
constexpr uint16_t kQueryVersion = 0x0197, kRead = 0x01C5, kDtr1Bank0 = 0xC300, kDtr0Zero = 0xA300,
                   kDtr0LastBank = 0xA302;

Frames reads(int count) { return Frames(size_t(count), kRead); }

Frames operator+(Frames a, const Frames& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

sim::GearConfig identifiedGear(uint8_t versionNumber) {
    sim::GearConfig g = gearAt(0);
    g.gtin = 4012345678901;
    g.firmwareVersion = {2, 1};
    g.identificationNumber = 0x1122334455667788;
    g.versionNumber = versionNumber;
    return g;
}

struct IdentityCase {
    const char* label;
    uint8_t versionNumber;
    int garbledRead;  // the n-th READ MEMORY LOCATION answered with a frame error, 0 none
    Frames frames;
    QString identification;
    int infoRows;  // the information tab's rows of bank 0: a gap, the title, the values
};

// A DALI-2 gear gives 25 bytes from its last bank at 0x02 to its unit index
// at 0x1A, an edition-1 gear 13 to the end of its 4-byte serial number; a
// broken answer is asked once more after DTR0 is set back to its location.
TEST(GearIdentity, BankZeroIsReadInTheLayoutOfTheGearsEdition) {
    const Frames head{kQueryVersion, kDtr1Bank0, kDtr0Zero, kRead, kDtr0LastBank};
    const IdentityCase cases[] = {
        {"DALI-2", 8, 0, head + reads(25), "1122334455667788", 13},
        {"edition 1", 1, 0, head + reads(13), "55667788", 6},
        {"frame error at 0x04", 8, 4, head + reads(3) + Frames{0xA304} + reads(23), "1122334455667788", 13},
    };
    for (const IdentityCase& c : cases) {
        LinkedBus bus({identifiedGear(c.versionNumber)});
        int read = 0;
        bus.bus().setFrameListener([&](const sim::BusFrame& frame) {
            if (frame.kind != sim::FrameKind::Forward || frame.data != kRead)
                return;
            ++read;
            if (c.garbledRead && (read == c.garbledRead - 1 || read == c.garbledRead))
                bus.bus().withGear(0, [&](sim::ControlGear& g) { g.setFaults({.garbledReplies = read < c.garbledRead}); });
        });
        LinkResult results = 0;
        const std::optional<GearIdentity> identity = ReadGearIdentity(bus.link(), 0, results);
        bus.bus().setFrameListener(nullptr);
        EXPECT_EQ(bus.takeForwardFrames(), c.frames) << c.label;
        ASSERT_TRUE(identity) << c.label;
        EXPECT_EQ(GtinText(*identity), "4012345678901") << c.label;
        EXPECT_EQ(FirmwareText(*identity), "2.1") << c.label;
        EXPECT_EQ(IdentificationText(*identity), c.identification) << c.label;
        EXPECT_EQ(results, link_result::kOk) << c.label;
        EXPECT_EQ(int(IdentityInfoRows(*identity, {}).size()), c.infoRows) << c.label;
    }
}

// A bank the gear lacks answers nothing at location 0: one query, no more.
// A number of all MASK or all 0 is no number.
TEST(GearIdentity, AMissingBankOrABlankNumberIsNotKnown) {
    LinkedBus bus({identifiedGear(8)});
    LinkResult results = 0;
    EXPECT_FALSE(ReadMemoryBank(bus.link(), 0, 1, 3, 0x12, results));
    EXPECT_EQ(bus.takeForwardFrames(), (Frames{0xC301, kDtr0Zero, kRead}));

    for (const uint64_t blank : {uint64_t{0}, ~uint64_t{0}}) {
        sim::GearConfig g = identifiedGear(8);
        g.identificationNumber = blank;
        LinkedBus blankBus({g});
        const std::optional<GearIdentity> identity = ReadGearIdentity(blankBus.link(), 0, results);
        ASSERT_TRUE(identity);
        EXPECT_FALSE(identity->identificationNumber);
        EXPECT_EQ(identity->gtin, 4012345678901u);
    }
}

}  // namespace
