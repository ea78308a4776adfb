// Simulated control gear driven frame by frame, the way the bus drives it.

#include "dali/dali_commands.h"
#include "sim/control_gear.h"
#include "tests/sim/gear_test_bus.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using namespace gear_test;
using sim::ControlGear;
using sim::GearConfig;



// --- Random-address search --------------------------------------------------

TEST(ControlGearSearch, FindsGearInOrderOfRandomAddressAndProgramsEachAlone) {
    TestBus bus({withRandom(0x123456), withRandom(0x120000), withRandom(0x800000)});
    bus.sendTwice(kInitialise, 0x00);

    EXPECT_EQ(bus.searchBelowLowest(), 0x11FFFFu);
    bus.setSearchAddress(0x120000);
    ASSERT_TRUE(bus.compare());
    bus.send(kProgram, dali::commandAddress(0));
    EXPECT_EQ(bus.send(kVerify, dali::commandAddress(0)), (Answers{kNone, kYes, kNone}));
    EXPECT_EQ(bus.send(kQueryShort, 0x00), (Answers{kNone, dali::commandAddress(0), kNone}));
    bus.send(kWithdraw, 0x00);
    EXPECT_EQ(bus.gear(1).shortAddress(), 0);
    EXPECT_TRUE(bus.gear(1).isWithdrawn());
    EXPECT_FALSE(bus.gear(0).shortAddress());
    EXPECT_FALSE(bus.gear(0).isWithdrawn());
    EXPECT_FALSE(bus.gear(2).shortAddress());

    EXPECT_EQ(bus.searchBelowLowest(), 0x123455u);
    bus.setSearchAddress(0x123456);
    bus.send(kProgram, dali::commandAddress(1));
    bus.send(kWithdraw, 0x00);
    EXPECT_EQ(bus.searchBelowLowest(), 0x7FFFFFu);
    bus.setSearchAddress(0x800000);
    bus.send(kProgram, dali::commandAddress(2));
    bus.send(kWithdraw, 0x00);

    EXPECT_EQ(bus.searchBelowLowest(), 0xFFFFFFu);  // nobody left in the search
    EXPECT_EQ(bus.gear(0).shortAddress(), 1);
    EXPECT_EQ(bus.gear(1).shortAddress(), 0);
    EXPECT_EQ(bus.gear(2).shortAddress(), 2);

    bus.send(kTerminate, 0x00);
    EXPECT_FALSE(bus.gear(0).isInitialising(bus.nowUs()));
    EXPECT_FALSE(bus.gear(0).isWithdrawn());
    bus.setSearchAddress(0xFFFFFF);
    EXPECT_FALSE(bus.compare());  // addressing commands need the initialisation state
}

TEST(ControlGearSearch, RandomiseIsSeededAndNeedsInitialisationAndRepeat) {
    ControlGear a(GearConfig{}, 7), b(GearConfig{}, 7), c(GearConfig{}, 8);
    uint64_t t = 0;
    auto toAll = [&](uint8_t first, uint8_t second) {
        t += kFrameGapUs;
        for (ControlGear* g : {&a, &b, &c})
            g->receive(t, first, second);
    };
    toAll(kRandomise, 0x00);
    toAll(kRandomise, 0x00);
    EXPECT_EQ(a.randomAddress(), 0xFFFFFFu);  // not initialising

    toAll(kInitialise, 0x00);
    toAll(kInitialise, 0x00);
    toAll(kRandomise, 0x00);
    EXPECT_EQ(a.randomAddress(), 0xFFFFFFu);  // first copy only
    toAll(kRandomise, 0x00);
    EXPECT_EQ(a.randomAddress(), b.randomAddress());
    EXPECT_NE(a.randomAddress(), c.randomAddress());
    EXPECT_NE(a.randomAddress(), 0xFFFFFFu);
    EXPECT_LE(a.randomAddress(), 0xFFFFFFu);
    const uint32_t first = a.randomAddress();
    toAll(kRandomise, 0x00);
    toAll(kRandomise, 0x00);
    EXPECT_NE(a.randomAddress(), first);
    EXPECT_EQ(a.randomAddress(), b.randomAddress());
}

TEST(ControlGearSearch, InitialiseSelectsAllUnaddressedOrOneGear) {
    TestBus bus({withRandom(0x000010, 5), withRandom(0x000020), withRandom(0x000030, 6)});
    bus.sendTwice(kInitialise, 0xFF);
    bus.setSearchAddress(0xFFFFFF);
    EXPECT_EQ(bus.send(kCompare, 0x00), (Answers{kNone, kYes, kNone}));

    bus.send(kTerminate, 0x00);
    bus.sendTwice(kInitialise, dali::commandAddress(6));
    bus.setSearchAddress(0xFFFFFF);
    EXPECT_EQ(bus.send(kCompare, 0x00), (Answers{kNone, kNone, kYes}));

    bus.send(kTerminate, 0x00);
    bus.sendTwice(kInitialise, 0x0A);  // not an address byte: nobody
    bus.setSearchAddress(0xFFFFFF);
    EXPECT_EQ(bus.send(kCompare, 0x00), (Answers{kNone, kNone, kNone}));

    bus.send(kInitialise, 0x00);  // once only: ignored
    EXPECT_EQ(bus.send(kCompare, 0x00), (Answers{kNone, kNone, kNone}));
}

TEST(ControlGearSearch, InitialisationStateLastsFifteenMinutes) {
    TestBus bus({withRandom(0x000100)});
    bus.sendTwice(kInitialise, 0x00);
    const uint64_t started = bus.nowUs();
    const uint64_t fifteenMinutes = 15ULL * 60 * 1'000'000;
    bus.setSearchAddress(0xFFFFFF);
    bus.pass(fifteenMinutes - 4 * kFrameGapUs);
    EXPECT_EQ(bus.send(kCompare, 0x00)[0], kYes);  // ends exactly at the limit
    EXPECT_EQ(bus.nowUs(), started + fifteenMinutes);
    EXPECT_TRUE(bus.gear(0).isInitialising(bus.nowUs()));
    EXPECT_FALSE(bus.gear(0).isInitialising(bus.nowUs() + 1));
    EXPECT_EQ(bus.send(kCompare, 0x00)[0], kNone);

    bus.sendTwice(kInitialise, 0x00);
    bus.pass(10ULL * 60 * 1'000'000);
    bus.sendTwice(kInitialise, 0x00);  // starts the 15 minutes anew
    bus.pass(10ULL * 60 * 1'000'000);
    EXPECT_EQ(bus.send(kCompare, 0x00)[0], kYes);
}

TEST(ControlGearSearch, VerifyAndQueryShortAddressAnswers) {
    TestBus bus({withRandom(0x000500, 9), withRandom(0x000600)});
    bus.send(kVerify, dali::commandAddress(9));
    EXPECT_EQ(bus.send(kVerify, dali::commandAddress(9)), (Answers{kNone, kNone}));  // not initialising

    bus.sendTwice(kInitialise, 0x00);
    EXPECT_EQ(bus.send(kVerify, dali::commandAddress(9)), (Answers{kYes, kNone}));
    EXPECT_EQ(bus.send(kVerify, dali::commandAddress(8)), (Answers{kNone, kNone}));
    EXPECT_EQ(bus.send(kVerify, 0xFF), (Answers{kNone, kNone}));  // no address is no match

    bus.setSearchAddress(0x000500);
    EXPECT_EQ(bus.send(kQueryShort, 0x00), (Answers{dali::commandAddress(9), kNone}));
    bus.setSearchAddress(0x000600);
    EXPECT_EQ(bus.send(kQueryShort, 0x00), (Answers{kNone, 0xFF}));
    bus.send(kProgram, 0x40);  // not an address byte: ignored
    EXPECT_FALSE(bus.gear(1).shortAddress());
    bus.setSearchAddress(0x000500);
    bus.send(kProgram, 0xFF);  // deletes
    EXPECT_FALSE(bus.gear(0).shortAddress());
    EXPECT_EQ(bus.send(kQueryShort, 0x00), (Answers{0xFF, kNone}));
}

TEST(ControlGearSearch, WithdrawnGearLeavesTheCompare) {
    TestBus bus({withRandom(0x000001), withRandom(0x000002)});
    bus.sendTwice(kInitialise, 0x00);
    bus.setSearchAddress(0x000002);
    bus.send(kWithdraw, 0x00);
    EXPECT_EQ(bus.send(kCompare, 0x00), (Answers{kYes, kNone}));
    bus.sendTwice(kInitialise, 0x00);  // joins the search again
    bus.setSearchAddress(0x000002);
    EXPECT_EQ(bus.send(kCompare, 0x00), (Answers{kYes, kYes}));
}

// --- Physical selection -----------------------------------------------------

TEST(ControlGearPhysicalSelection, KeyPressChoosesTheGearForQueryAndProgram) {
    TestBus bus({withRandom(0xFFFFFF), withRandom(0x000010), withRandom(0x000020, 4)});
    bus.sendTwice(kPhysicalSelection, 0x00);  // needs the initialisation state
    EXPECT_FALSE(bus.gear(1).isInPhysicalSelectionMode());
    bus.gear(1).pressPhysicalSelectionKey();  // outside the mode: forgotten
    bus.sendTwice(kInitialise, 0x00);
    bus.sendTwice(kPhysicalSelection, 0x00);
    EXPECT_TRUE(bus.gear(0).isInPhysicalSelectionMode());
    EXPECT_FALSE(bus.gear(1).isPhysicallySelected());

    // Gear 0's random address equals the search address, but only the key counts now.
    EXPECT_EQ(bus.send(kQueryShort, 0x00), (Answers{kNone, kNone, kNone}));
    EXPECT_EQ(bus.send(kCompare, 0x00), (Answers{kNone, kNone, kNone}));

    bus.gear(1).pressPhysicalSelectionKey();
    EXPECT_EQ(bus.send(kQueryShort, 0x00), (Answers{kNone, 0xFF, kNone}));
    bus.send(kProgram, dali::commandAddress(7));
    EXPECT_FALSE(bus.gear(0).shortAddress());
    EXPECT_EQ(bus.gear(1).shortAddress(), 7);
    EXPECT_EQ(bus.gear(2).shortAddress(), 4);

    bus.sendTwice(kPhysicalSelection, 0x00);  // a new round: nobody selected
    EXPECT_EQ(bus.send(kQueryShort, 0x00), (Answers{kNone, kNone, kNone}));
    bus.gear(2).pressPhysicalSelectionKey();
    EXPECT_EQ(bus.send(kQueryShort, 0x00), (Answers{kNone, kNone, dali::commandAddress(4)}));

    bus.send(kTerminate, 0x00);
    EXPECT_FALSE(bus.gear(2).isInPhysicalSelectionMode());
    EXPECT_FALSE(bus.gear(2).isPhysicallySelected());
    bus.gear(1).pressPhysicalSelectionKey();
    EXPECT_FALSE(bus.gear(1).isPhysicallySelected());
}

// --- Configuration commands sent twice --------------------------------------

TEST(ControlGearRepeat, ActsOnlyOnAnIdenticalCopyWithin100Ms) {
    TestBus bus({addressed(1), addressed(2)});
    const uint8_t a = dali::commandAddress(1);
    bus.send(kDtr0, 100);
    bus.sendTwice(a, kStoreMax);
    EXPECT_EQ(bus.gear(0).maxLevel(), 100);

    bus.send(kDtr0, 90);
    bus.send(a, kStoreMax);
    bus.send(dali::commandAddress(2), kQueryStatus);  // a frame for other gear still breaks the pair
    bus.send(a, kStoreMax);
    EXPECT_EQ(bus.gear(0).maxLevel(), 100);

    bus.send(kDtr0, 90);
    bus.send(a, kStoreMax);
    bus.pass(100'000 - kFrameGapUs + 1);  // 100 ms and 1 µs between the copies
    bus.send(a, kStoreMax);
    EXPECT_EQ(bus.gear(0).maxLevel(), 100);

    bus.send(kDtr0, 90);
    bus.send(a, kStoreMax);
    bus.pass(100'000 - kFrameGapUs);  // exactly 100 ms
    bus.send(a, kStoreMax);
    EXPECT_EQ(bus.gear(0).maxLevel(), 90);

    bus.send(a, kReset);  // once only
    EXPECT_EQ(bus.gear(0).maxLevel(), 90);
    bus.send(a, 0x21);  // another configuration command in between
    bus.send(a, kReset);
    EXPECT_EQ(bus.gear(0).maxLevel(), 90);
    EXPECT_EQ(bus.gear(1).maxLevel(), 254);
}

// --- Device type 6 -----------------------------------------------------------

TEST(ControlGearDeviceType6, CommandsNeedTheEnableForTheNextCommandOnly) {
    GearConfig led = addressed(3);
    led.operatingMode = 0x01;
    GearConfig other = addressed(3);
    other.deviceType = 0;
    TestBus bus({led, other});
    const uint8_t a = dali::commandAddress(3);

    EXPECT_EQ(bus.send(a, kQueryCurve), (Answers{kNone, kNone}));
    bus.sendWithDtr(a, kSelectCurve, 1);
    EXPECT_EQ(bus.gear(0).dimmingCurve(), 0);

    bus.send(kDtr0, 1);
    bus.send(kEnableDeviceType, 6);
    bus.sendTwice(a, kSelectCurve);
    EXPECT_EQ(bus.gear(0).dimmingCurve(), 1);
    EXPECT_EQ(bus.gear(1).dimmingCurve(), 0);
    bus.send(kEnableDeviceType, 6);
    EXPECT_EQ(bus.send(a, kQueryCurve), (Answers{1, kNone}));
    bus.send(kEnableDeviceType, 6);
    EXPECT_EQ(bus.send(a, kQueryOperatingMode), (Answers{0x11, kNone}));  // bit 4: non-logarithmic curve

    bus.send(kEnableDeviceType, 6);
    bus.send(a, kQueryStatus);
    EXPECT_EQ(bus.send(a, kQueryCurve), (Answers{kNone, kNone}));

    bus.send(kEnableDeviceType, 6);
    bus.send(kDtr0, 0);  // uses up the enable
    bus.sendTwice(a, kSelectCurve);
    EXPECT_EQ(bus.gear(0).dimmingCurve(), 1);

    bus.send(kEnableDeviceType, 8);  // another device type
    EXPECT_EQ(bus.send(a, kQueryCurve), (Answers{kNone, kNone}));
}

TEST(ControlGearDeviceType6, StoresOnlyValidCurveAndFastFadeTime) {
    GearConfig led = addressed(0);
    led.minFastFadeTime = 4;
    led.extendedVersion = 2;
    TestBus bus({led});
    const uint8_t a = dali::commandAddress(0);
    auto dt6Store = [&](uint8_t opcode, uint8_t value) {
        bus.send(kDtr0, value);
        bus.send(kEnableDeviceType, 6);
        bus.sendTwice(a, opcode);
    };
    auto dt6Query = [&](uint8_t opcode) {
        bus.send(kEnableDeviceType, 6);
        return bus.send(a, opcode)[0];
    };

    dt6Store(kStoreFastFade, 4);
    EXPECT_EQ(dt6Query(kQueryFastFade), 4);
    dt6Store(kStoreFastFade, 28);  // above 27 stores 27
    EXPECT_EQ(bus.gear(0).fastFadeTime(), 27);
    dt6Store(kStoreFastFade, 1);  // below the minimum stores the minimum
    EXPECT_EQ(bus.gear(0).fastFadeTime(), 4);
    dt6Store(kStoreFastFade, 255);
    EXPECT_EQ(bus.gear(0).fastFadeTime(), 27);
    dt6Store(kStoreFastFade, 0);
    EXPECT_EQ(bus.gear(0).fastFadeTime(), 0);

    dt6Store(kSelectCurve, 1);
    dt6Store(kSelectCurve, 2);
    EXPECT_EQ(bus.gear(0).dimmingCurve(), 1);

    EXPECT_EQ(dt6Query(0xFE), 4);     // QUERY MIN FAST FADE TIME
    EXPECT_EQ(dt6Query(0xFF), 2);     // QUERY EXTENDED VERSION NUMBER
    EXPECT_EQ(dt6Query(0xF1), 0x00);  // QUERY FAILURE STATUS
    bus.gear(0).setLampFailure(true);
    EXPECT_EQ(dt6Query(0xF1), 0x02);   // open circuit
    EXPECT_EQ(dt6Query(0xF3), kYes);   // QUERY OPEN CIRCUIT
    EXPECT_EQ(dt6Query(0xF2), kNone);  // QUERY SHORT CIRCUIT
}

// --- Memory bank 0 -----------------------------------------------------------

TEST(ControlGearMemory, ReadMemoryLocationAutoIncrementsOverBank0) {
    GearConfig config = addressed(2);
    config.gtin = 0x0123456789ABULL;
    config.firmwareVersion = {0x01, 0x0A};
    config.identificationNumber = 0x1122334455667788ULL;
    TestBus bus({config});
    const uint8_t a = dali::commandAddress(2);

    bus.send(kDtr0, 3);
    std::vector<uint8_t> read;
    read.reserve(16);
    for (int i = 0; i < 16; ++i)
        read.push_back(bus.send(a, kReadMemory)[0].value_or(0));
    EXPECT_EQ(read, (std::vector<uint8_t>{0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0x01, 0x0A, 0x11, 0x22, 0x33, 0x44, 0x55,
                                          0x66, 0x77, 0x88}));
    EXPECT_EQ(bus.gear(0).dtr0(), 19);

    bus.send(kDtr0, 0);
    EXPECT_EQ(bus.send(a, kReadMemory)[0], 0x1A);   // last accessible location
    EXPECT_EQ(bus.send(a, kReadMemory)[0], kNone);  // 0x01 is reserved, not implemented
    EXPECT_EQ(bus.send(a, kReadMemory)[0], 0x00);   // last accessible bank
    bus.send(kDtr0, 0x15);
    EXPECT_EQ(bus.send(a, kReadMemory)[0], 8);  // version 2.0 of the bus unit part
    EXPECT_EQ(bus.send(a, kReadMemory)[0], 8);  // and of the control gear part
    bus.send(kDtr0, 0x1A);
    EXPECT_EQ(bus.send(a, kReadMemory)[0], 0x00);
    EXPECT_EQ(bus.send(a, kReadMemory)[0], kNone);  // past the end: no answer, DTR0 still moves on
    EXPECT_EQ(bus.send(a, kReadMemory)[0], kNone);
    EXPECT_EQ(bus.gear(0).dtr0(), 0x1D);
    bus.send(kDtr0, 0xFF);
    EXPECT_EQ(bus.send(a, kReadMemory)[0], kNone);
    EXPECT_EQ(bus.gear(0).dtr0(), 0xFF);  // stops at the top

    bus.send(kDtr1, 1);
    bus.send(kDtr0, 3);
    EXPECT_EQ(bus.send(a, kReadMemory)[0], kNone);  // no bank 1
    EXPECT_EQ(bus.gear(0).dtr0(), 3);
}

// An edition-1 gear: a 16-byte bank with its checksum at 0x01 and a 32-bit serial number.
TEST(ControlGearMemory, AnEdition1GearHasTheShortBankWithAChecksum) {
    GearConfig config = addressed(2);
    config.versionNumber = 1;
    config.gtin = 0x0123456789ABULL;
    config.firmwareVersion = {0x01, 0x0A};
    config.identificationNumber = 0x1122334455667788ULL;
    TestBus bus({config});
    const uint8_t a = dali::commandAddress(2);
    bus.send(kDtr0, 0);
    std::vector<uint8_t> read;
    read.reserve(16);
    for (int i = 0; i < 16; ++i)
        read.push_back(bus.send(a, kReadMemory)[0].value_or(0xEE));
    // 0x0E + 0x01 + 0x23 + ... + 0x88 = 0x3D7: the checksum 0x29 makes it 0x400.
    EXPECT_EQ(read, (std::vector<uint8_t>{0x0E, 0x29, 0x00, 0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0x01, 0x0A, 0x55, 0x66,
                                          0x77, 0x88, 0xEE}));
    EXPECT_EQ(bus.gear(0).dtr0(), 16);
}

// --- Levels, reset, status -------------------------------------------------

TEST(ControlGearLevels, StoredLevelsAreClampedAsTheStandardSays) {
    GearConfig config = addressed(1);
    config.physicalMinLevel = 40;
    config.actualLevel = 200;
    TestBus bus({config});
    ControlGear& g = bus.gear(0);
    const uint8_t a = dali::commandAddress(1);
    EXPECT_EQ(g.minLevel(), 40);  // raised to the physical minimum

    bus.sendWithDtr(a, kStoreMax, 255);
    EXPECT_EQ(g.maxLevel(), 254);
    bus.sendWithDtr(a, kStoreMax, 150);
    EXPECT_EQ(g.actualLevel(), 150);  // a lit lamp follows MAX down
    bus.sendWithDtr(a, kStoreMin, 10);
    EXPECT_EQ(g.minLevel(), 40);
    bus.sendWithDtr(a, kStoreMin, 200);
    EXPECT_EQ(g.minLevel(), 150);
    bus.sendWithDtr(a, kStoreMax, 20);
    EXPECT_EQ(g.maxLevel(), 150);
    bus.sendWithDtr(a, kStoreMin, 60);
    bus.sendWithDtr(a, kStoreMax, 20);
    EXPECT_EQ(g.maxLevel(), 60);
    EXPECT_EQ(bus.send(a, kQueryMax)[0], 60);

    bus.sendWithDtr(a, kStorePowerOn, 255);
    EXPECT_EQ(g.powerOnLevel(), 255);
    bus.sendWithDtr(a, kStoreFadeTime, 20);
    bus.sendWithDtr(a, kStoreFadeRate, 0);
    EXPECT_EQ(bus.send(a, 0xA5)[0], 0xF1);  // fade time 15, fade rate 1
    bus.sendWithDtr(a, kStoreFadeRate, 16);
    EXPECT_EQ(g.fadeRate(), 15);
}

TEST(ControlGearLevels, ArcPowerCommands) {
    GearConfig config = addressed(1);
    config.minLevel = 50;
    config.maxLevel = 200;
    config.scenes[3] = 100;
    TestBus bus({config});
    ControlGear& g = bus.gear(0);
    const uint8_t arc = dali::arcAddress(1), a = dali::commandAddress(1);

    bus.send(arc, 10);
    EXPECT_EQ(g.actualLevel(), 50);
    EXPECT_TRUE(g.limitError());
    bus.send(arc, 255);  // MASK: no change
    EXPECT_EQ(g.actualLevel(), 50);
    bus.send(arc, 120);
    EXPECT_FALSE(g.limitError());
    bus.send(a, 0x01);  // UP at fade rate 7: 9 steps
    EXPECT_EQ(g.actualLevel(), 129);
    bus.send(a, 0x10 + 3);  // GO TO SCENE 3
    EXPECT_EQ(g.actualLevel(), 100);
    bus.send(a, 0x10 + 4);  // scene 4 is MASK
    EXPECT_EQ(g.actualLevel(), 100);
    bus.send(a, 0x05);  // RECALL MAX LEVEL
    bus.send(a, 0x03);  // STEP UP at MAX
    EXPECT_EQ(g.actualLevel(), 200);
    bus.send(a, 0x06);  // RECALL MIN LEVEL
    bus.send(a, 0x02);  // DOWN stops at MIN
    EXPECT_EQ(g.actualLevel(), 50);
    bus.send(a, 0x07);  // STEP DOWN AND OFF at MIN
    EXPECT_EQ(g.actualLevel(), 0);
    bus.send(a, 0x03);  // STEP UP does not switch on
    bus.send(a, 0x01);  // nor does UP
    EXPECT_EQ(g.actualLevel(), 0);
    bus.send(a, 0x08);  // ON AND STEP UP from off: MIN
    EXPECT_EQ(g.actualLevel(), 50);
    bus.send(a, 0x08);
    EXPECT_EQ(g.actualLevel(), 51);
    bus.send(a, 0x00);  // OFF
    EXPECT_EQ(bus.send(a, kQueryActual)[0], 0);
}

TEST(ControlGearLevels, ResetRestoresDefaultsAndKeepsTheShortAddress) {
    GearConfig config = withRandom(0x123456, 12);
    config.physicalMinLevel = 20;
    config.minLevel = 30;
    config.maxLevel = 180;
    config.powerOnLevel = 100;
    config.systemFailureLevel = 0;
    config.fadeTime = 5;
    config.fadeRate = 3;
    config.groups = 0x8001;
    config.scenes[0] = 77;
    config.dimmingCurve = 1;
    config.fastFadeTime = 10;
    TestBus bus({config});
    ControlGear& g = bus.gear(0);
    const uint8_t a = dali::commandAddress(12);
    EXPECT_EQ(bus.send(a, 0x95)[0], kNone);  // QUERY RESET STATE

    bus.sendTwice(a, kReset);
    EXPECT_EQ(g.shortAddress(), 12);
    EXPECT_EQ(g.actualLevel(), 254);
    EXPECT_EQ(g.minLevel(), 20);
    EXPECT_EQ(g.maxLevel(), 254);
    EXPECT_EQ(g.powerOnLevel(), 254);
    EXPECT_EQ(g.systemFailureLevel(), 254);
    EXPECT_EQ(g.fadeTime(), 0);
    EXPECT_EQ(g.fadeRate(), 7);
    EXPECT_EQ(g.groups(), 0);
    EXPECT_EQ(g.scenes(), GearConfig{}.scenes);
    EXPECT_EQ(g.randomAddress(), 0xFFFFFFu);
    EXPECT_EQ(g.searchAddress(), 0xFFFFFFu);
    EXPECT_EQ(g.dimmingCurve(), 0);
    EXPECT_EQ(g.fastFadeTime(), 0);
    EXPECT_EQ(bus.send(a, 0x95)[0], kYes);
    EXPECT_EQ(bus.send(a, kQueryStatus)[0], 0x24);  // lamp on, reset state

    bus.sendTwice(a, 0x60 + 2);  // ADD TO GROUP 2 leaves the reset state
    EXPECT_FALSE(g.resetState());
}

TEST(ControlGearStatus, StatusBitsAndYesNoQueries) {
    TestBus bus({GearConfig{}, addressed(5)});
    const uint8_t a = dali::commandAddress(5);
    // Unaddressed, just powered up (lit at the power-on level), all reset values.
    EXPECT_EQ(bus.send(0xFF, kQueryStatus), (Answers{0xE4, 0xA4}));
    EXPECT_EQ(bus.send(0xFF, 0x96), (Answers{kYes, kNone}));  // QUERY MISSING SHORT ADDRESS
    EXPECT_EQ(bus.send(0xFF, 0x9B), (Answers{kYes, kYes}));   // QUERY POWER FAILURE
    EXPECT_EQ(bus.send(a, 0x91)[1], kYes);                    // QUERY CONTROL GEAR

    bus.send(dali::arcAddress(5), 1);  // MIN
    EXPECT_EQ(bus.send(a, kQueryStatus)[1], 0x24);
    bus.gear(1).setLampFailure(true);
    bus.gear(1).setGearFailure(true);
    EXPECT_EQ(bus.send(a, kQueryStatus)[1], 0x27);
    EXPECT_EQ(bus.send(a, 0x92)[1], kYes);  // QUERY LAMP FAILURE
    EXPECT_EQ(bus.send(a, 0x93)[1], kYes);  // QUERY LAMP POWER ON
    bus.sendWithDtr(a, kStoreMin, 100);
    bus.send(dali::arcAddress(5), 50);
    EXPECT_EQ(bus.send(a, kQueryStatus)[1], 0x0F);  // limit error; MIN no longer at its reset value
    EXPECT_EQ(bus.send(a, 0x94)[1], kYes);          // QUERY LIMIT ERROR
    bus.send(a, 0x00);
    EXPECT_EQ(bus.send(a, 0x93)[1], kNone);
}

// --- Addressing of frames -----------------------------------------------------

TEST(ControlGearAddressing, ShortGroupAndBroadcastFrames) {
    GearConfig inGroup = addressed(5);
    inGroup.groups = 1u << 3;
    TestBus bus({inGroup, addressed(6), GearConfig{}});

    EXPECT_EQ(bus.send(dali::groupCommandAddress(3), kQueryActual), (Answers{254, kNone, kNone}));  // power-on level
    EXPECT_EQ(bus.send(dali::groupCommandAddress(4), kQueryActual), (Answers{kNone, kNone, kNone}));
    bus.send(dali::groupCommandAddress(3) & 0xFE, 77);  // direct arc power to group 3
    bus.send(dali::arcAddress(6), 88);
    EXPECT_EQ(bus.send(dali::kBroadcast, kQueryActual), (Answers{77, 88, 254}));
    bus.send(dali::kBroadcastArc, 99);
    EXPECT_EQ(bus.send(dali::kBroadcast, kQueryActual), (Answers{99, 99, 99}));

    bus.send(0xA0, 0x00);  // reserved first bytes reach nobody
    bus.send(0xCD, 0x00);
    EXPECT_EQ(bus.send(dali::kBroadcast, kQueryActual), (Answers{99, 99, 99}));
    bus.send(0xFD, 0x00);  // OFF to the gear without a short address (broadcast unaddressed)
    EXPECT_EQ(bus.send(dali::kBroadcast, kQueryActual), (Answers{99, 99, 0}));

    bus.send(kDtr0, dali::commandAddress(9));
    bus.sendTwice(dali::commandAddress(6), 0x80);  // STORE DTR AS SHORT ADDRESS
    EXPECT_EQ(bus.gear(1).shortAddress(), 9);
    bus.sendWithDtr(dali::kBroadcast, 0x80, 0xFF);
    EXPECT_FALSE(bus.gear(0).shortAddress());
    EXPECT_FALSE(bus.gear(1).shortAddress());
}

}  // namespace

// --- Fades and power -------------------------------------------------------------

TEST(ControlGearFades, LevelChangesRunOverTheFadeTime) {
    GearConfig config = addressed(5);
    config.fadeTime = 2;  // 0.5 s × √2² = 1 s
    config.actualLevel = 0;
    TestBus bus({config});
    const uint8_t a = dali::commandAddress(5);
    bus.send(dali::arcAddress(5), 200);
    const uint64_t started = bus.nowUs();
    ControlGear& g = bus.gear(0);
    EXPECT_TRUE(g.fadeRunning(started + 500'000));
    EXPECT_EQ(g.actualLevel(started + 500'000), 100);
    bus.pass(500'000 - kFrameGapUs);
    EXPECT_EQ(bus.send(a, kQueryActual)[0], 100);
    EXPECT_EQ(*bus.send(a, kQueryStatus)[0] & 0x10, 0x10);  // fade running
    bus.pass(500'000);
    EXPECT_EQ(bus.send(a, kQueryStatus)[0], 0x04);
    EXPECT_EQ(bus.send(a, kQueryActual)[0], 200);

    // DAPC 0 fades too; UP stops a running fade where it is.
    bus.send(dali::arcAddress(5), 0);
    bus.pass(250'000);
    bus.send(a, 0x01);  // UP: 9 steps at fade rate 7
    EXPECT_FALSE(g.fadeRunning(bus.nowUs()));
    // 280 ms (pause and frame) into the fade from 200 to 0: 144, then 9 up.
    EXPECT_EQ(bus.send(a, kQueryActual)[0], 144 + 9);
}

TEST(ControlGearPower, StartAndPowerCyclesFollowTheStoredLevels) {
    struct Case {
        const char* name;
        uint8_t powerOnLevel, systemFailureLevel;
        uint8_t atStart, afterBusPowerLoss;
    };
    const Case cases[] = {
        {"levels", 120, 30, 120, 30},
        {"MASK: the last level, at first the factory 254", 255, 255, 254, 254},
        {"failure level 0 is off", 200, 0, 200, 0},
    };
    for (const Case& c : cases) {
        GearConfig config = addressed(5);
        config.powerOnLevel = c.powerOnLevel;
        config.systemFailureLevel = c.systemFailureLevel;
        ControlGear g(config, 1);
        EXPECT_EQ(g.actualLevel(), c.atStart) << c.name;
        EXPECT_TRUE(g.powerFailure());
        g.busPowerLost();
        EXPECT_EQ(g.actualLevel(), c.afterBusPowerLoss) << c.name;
    }

    TestBus bus({addressed(5)});
    ControlGear& g = bus.gear(0);
    bus.send(dali::arcAddress(5), 50);
    g.setMainsPowered(false);
    EXPECT_EQ(bus.send(dali::commandAddress(5), kQueryActual)[0], kNone);  // dark and silent
    g.setMainsPowered(true);
    EXPECT_EQ(bus.send(dali::commandAddress(5), kQueryActual)[0], 254);
    EXPECT_TRUE(g.powerFailure());

    // Power-on level MASK: back at the level the mains took away, off included.
    bus.sendWithDtr(dali::commandAddress(5), kStorePowerOn, 255);
    for (const uint8_t level : {uint8_t(77), uint8_t(0)}) {
        bus.send(dali::arcAddress(5), level);
        g.setMainsPowered(false);
        g.setMainsPowered(true);
        EXPECT_EQ(bus.send(dali::commandAddress(5), kQueryActual)[0], level);
    }
}

TEST(ControlGearMemory, VersionNumberIsTheGearsOwnAndAgreesWithBank0) {
    GearConfig editionOne = addressed(1), dali2 = addressed(2);
    editionOne.versionNumber = 1;
    TestBus bus({editionOne, dali2});
    EXPECT_EQ(bus.send(dali::kBroadcast, code(Op::QueryVersionNumber)), (Answers{1, 8}));
    bus.send(kDtr0, 0x16);
    // The edition-1 bank ends at 0x0E; a DALI-2 bank repeats the version there.
    EXPECT_EQ(bus.send(dali::kBroadcast, kReadMemory), (Answers{std::nullopt, 8}));
    EXPECT_EQ(bus.gear(0).snapshot().versionNumber, 1);
}

TEST(ControlGearLevels, OutOfRangeStartValuesAreBroughtIntoRange) {
    GearConfig config;
    config.minLevel = 255;
    config.maxLevel = 3;
    ControlGear g(config, 1);
    EXPECT_EQ(g.minLevel(), 254);
    EXPECT_EQ(g.maxLevel(), 254);
}
