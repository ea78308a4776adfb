// The luminaire's banks beyond bank 0: latched reads as exact frames, absent
// banks at one query each, raw bytes to shown texts, the simulator's counting
// and snapshot, and the information tab's sections.

#include "app/luminaire_info.h"
#include "devices/bank_layouts.h"
#include "devices/luminaire_reading.h"
#include "devices/memory_bank.h"
#include "tests/sim/bus_test_support.h"

#include <gtest/gtest.h>

namespace {

using Frames = std::vector<uint16_t>;
constexpr uint16_t kRead = 0x01C5, kEnableWrite = 0x0181, kDtr0Zero = 0xA300, kDtr0Lock = 0xA302;

Frames operator+(Frames a, const Frames& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
Frames reads(int count) { return Frames(size_t(count), kRead); }
Frames lockByte(uint8_t value) { return {kEnableWrite, kEnableWrite, kDtr0Lock, uint16_t(0xC900 | value)}; }
uint16_t dtr1(uint8_t bank) { return uint16_t(0xC300 | bank); }

sim::GearConfig luminaire(uint8_t versionNumber = 8) {
    sim::GearConfig g = gearAt(0, 254);
    g.versionNumber = versionNumber;
    g.banks.present = versionNumber >= 8;
    g.banks.luminaireGtin = 4012345678901;
    g.banks.luminaireId = 0x0102030405060708;
    g.banks.year = 24;
    g.banks.week = 10;
    g.banks.nominalPowerW = 36;
    g.banks.identification = "Downlight Foyer";
    g.banks.activeEnergyWh = 1000;
    g.banks.operatingSeconds = 7200;
    g.banks.lightSourceFailures = 3;
    return g;
}

const BankField& fieldAt(uint8_t bank, uint8_t location) {
    for (const BankField& field : FindBankLayout(bank)->fields)
        if (field.location == location)
            return field;
    ADD_FAILURE() << "no field at " << int(location);
    return FindBankLayout(bank)->fields.front();
}

std::optional<uint64_t> energyWh(const BusLink& link, BankLatch latch) {
    LinkResult results = 0;
    const std::optional<MemoryBankBytes> bank = ReadMemoryBank(link, 0, 202, 5, 10, results, latch);
    return bank ? bank->bigEndian(5, 6) : std::nullopt;
}

// Latched: the last location first, then ENABLE WRITE MEMORY twice and 0xAA to
// the lock byte, DTR0 once and the stepping reads, then 0xFF the same way. A
// bank the gear lacks: its one query, no latch.
TEST(LuminaireBanks, ALatchedBankIsReadAsOneSnapshotAndAnAbsentOneAtOneQuery) {
    LinkedBus bus({luminaire()});
    LinkResult results = 0;
    const std::optional<MemoryBankBytes> energy = ReadMemoryBank(bus.link(), 0, 202, 3, 0x0F, results, BankLatch::Snapshot);
    EXPECT_EQ(bus.takeForwardFrames(), (Frames{dtr1(202), kDtr0Zero, kRead} + lockByte(0xAA) + Frames{0xA303} +
                                        reads(13) + lockByte(0xFF)));
    ASSERT_TRUE(energy);
    EXPECT_EQ(energy->lastLocation, 0x0F);
    EXPECT_EQ(energy->bigEndian(5, 6), 1000u);
    EXPECT_EQ(results, link_result::kOk);

    EXPECT_FALSE(ReadMemoryBank(bus.link(), 0, 203, 3, 0x0F, results, BankLatch::Snapshot));
    EXPECT_EQ(bus.takeForwardFrames(), (Frames{dtr1(203), kDtr0Zero, kRead}));
    EXPECT_EQ(results, link_result::kOk);
}

// An edition-1 gear has none of the banks: one query each, nothing else.
TEST(LuminaireBanks, AnEditionOneGearCostsOneQueryPerBank) {
    LinkedBus bus({luminaire(1)});
    LinkResult results = 0;
    const BankReadings banks = ReadLuminaireBanks(bus.link(), 0, results);
    Frames expected;
    for (uint8_t bank : {1, 202, 203, 204, 205, 206, 207})
        expected = expected + Frames{dtr1(bank), kDtr0Zero, kRead};
    EXPECT_EQ(bus.takeForwardFrames(), expected);
    EXPECT_EQ(banks.size(), 7u);
    EXPECT_TRUE(std::all_of(banks.begin(), banks.end(), [](const auto& bank) { return !bank.second; }));
    EXPECT_EQ(results, link_result::kOk);
}

// Energy counts from the nominal power at the level over virtual time; while
// latched the bank shows the snapshot, after 0xFF the count again.
TEST(LuminaireBanks, EnergyCountsOverVirtualTimeAndTheLatchHoldsASnapshot) {
    LinkedBus bus({luminaire()});
    LinkResult results = 0;
    results |= dalikit_SendTwice(bus.link(), 0x01, 0x81);
    dalikit_Send(bus.link(), 0xC3, 202);
    dalikit_Send(bus.link(), 0xA3, 2);
    dalikit_Send(bus.link(), 0xC9, 0xAA);
    kit_sleep(bus.link().handle, 3'600'000);  // an hour at full level, 36 W
    EXPECT_EQ(energyWh(bus.link(), BankLatch::None), 1000u);
    results |= dalikit_SendTwice(bus.link(), 0x01, 0x81);
    dalikit_Send(bus.link(), 0xA3, 2);
    dalikit_Send(bus.link(), 0xC9, 0xFF);
    EXPECT_EQ(energyWh(bus.link(), BankLatch::None), 1036u);
    EXPECT_EQ(energyWh(bus.link(), BankLatch::Snapshot), 1036u);

    sim::GearConfig after;
    bus.bus().withGear(0, [&](sim::ControlGear& g) { after = g.snapshot(); });
    EXPECT_EQ(after.banks.activeEnergyWh, 1036u);
    EXPECT_NEAR(after.banks.operatingSeconds, 7200 + 3600, 2);  // and the frames' second
    EXPECT_EQ(results, link_result::kOk);
}

// WRITE MEMORY LOCATION answers the byte it wrote: bank 1 only while its lock
// byte holds 0x55 and ENABLE WRITE MEMORY is in force; a read ends that.
TEST(LuminaireBanks, BankOneTakesAWriteOnlyUnlockedAndWriteEnabled) {
    LinkedBus bus({luminaire()});
    auto write = [&](uint8_t location, uint8_t value) -> std::optional<uint8_t> {
        dalikit_Send(bus.link(), 0xA3, location);
        dalikit_WaitIdle(bus.link());
        uint8_t answer = 0, status = 0;
        dalikit_Query(bus.link(), 0xC7, value, answer, status);
        dalikit_WaitIdle(bus.link());
        return bridge_status::isCleanAnswer(status) ? std::optional<uint8_t>(answer) : std::nullopt;
    };
    auto colourByte = [&] {
        LinkResult results = 0;
        return ReadMemoryBank(bus.link(), 0, 1, 0x24, 0x24, results)->at(0x24);
    };
    dalikit_Send(bus.link(), 0xC3, 1);
    dalikit_WaitIdle(bus.link());
    EXPECT_EQ(write(0x24, 'W'), std::nullopt);  // not write-enabled
    dalikit_ConfigureTwice(bus.link(), 0x01, 0x81);
    EXPECT_EQ(write(0x24, 'W'), std::nullopt);  // locked
    EXPECT_EQ(write(0x02, 0x55), 0x55);
    EXPECT_EQ(write(0x24, 'W'), 'W');
    EXPECT_EQ(colourByte(), 'W');
    EXPECT_EQ(write(0x24, 'X'), std::nullopt);  // the read ended write-enable
    EXPECT_EQ(colourByte(), 'W');
}

struct TextCase {
    uint8_t bank, location;
    std::vector<std::optional<uint8_t>> bytes;  // from the field's location on
    QString text;
};

// Raw bytes to what the installer reads: scaled values after their scale
// byte, fixed scales, MASK and TMASK, flags with their counters, a location
// that gave no answer.
TEST(BankLayouts, RawBytesShowAsTheirTexts) {
    const TextCase cases[] = {
        {202, 0x04, {0x00, 0, 0, 0, 0, 0x04, 0xD2}, "1.234 kWh"},
        {202, 0x04, {0x03, 0, 0, 0, 0, 0x00, 0x05}, "5 kWh"},
        {202, 0x04, {0xFE, 0, 0, 0, 0, 0x30, 0x39}, "0.12345 kWh"},
        {202, 0x04, {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, "nicht verfügbar"},
        {202, 0x04, {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE}, "unbekannt"},
        {202, 0x0B, {0xFF, 0, 0, 0x01, 0x68}, "36.0 W"},
        {202, 0x0B, {0x00, 0, 0, std::nullopt, 0x68}, "nicht implementiert"},
        {205, 0x04, {0x00, 0x00, 0x1C, 0x1F}, "1 h"},  // 7199 s: whole hours run
        {205, 0x04, {0x00, 0x00, 0x1C, 0x20}, "2 h"},
        {205, 0x0B, {0x08, 0xFC}, "230.0 V"},
        {205, 0x0E, {95}, "0.95"},
        {205, 0x0F, {0x01, 0x03}, "ja, 3-mal"},
        {205, 0x11, {0x00, 0xFF}, "nein"},
        {205, 0x1B, {105}, "45 °C"},
        {205, 0x1B, {0xFE}, "unbekannt"},
        {206, 0x14, {0x02, 0xBC}, "0.700 A"},
        {207, 0x04, {50}, "50000 h"},
        {1, 0x13, {24}, "2024"},
        {1, 0x13, {0xFF}, "nicht verfügbar"},
        {1, 0x09, {1, 2, 3, 4, 5, 6, 7, 8}, "0102030405060708"},
        {1, 0x23, {0}, "nicht angegeben"},
        {1, 0x23, {3}, "Typ 3"},
        {1, 0x24, {'W', 'e', 'i', 0, 'x'}, "Wei"},
    };
    for (const TextCase& c : cases) {
        MemoryBankBytes bytes{0xFF, c.bytes, c.location};
        EXPECT_EQ(FieldText(fieldAt(c.bank, c.location), bytes, {}), c.text) << int(c.bank) << "/" << int(c.location);
    }
}

// A gear's banks read from the simulator, shown in the four sections; the
// banks it lacks leave their rows out, a section without any bank is one line.
TEST(LuminaireInfo, TheSectionsShowWhatTheBanksHold) {
    LinkedBus bus({luminaire()});
    LinkResult results = 0;
    const BankReadings banks = ReadLuminaireBanks(bus.link(), 0, results);
    EXPECT_EQ(results, link_result::kOk);
    const std::vector<InfoRow> rows = LuminaireInfoRows(banks, {});
    auto valueOf = [&](const QString& label) {
        const auto row = std::find_if(rows.begin(), rows.end(), [&](const InfoRow& r) { return r.label == label; });
        return row == rows.end() ? QStringLiteral("<none>") : row->value;
    };
    EXPECT_EQ(valueOf("Hersteller-GTIN der Leuchte"), "4012345678901");
    EXPECT_EQ(valueOf("Leuchten-ID"), "0102030405060708");
    EXPECT_EQ(valueOf("Herstellungsjahr"), "2024");
    EXPECT_EQ(valueOf("Nennleistung"), "36 W");
    EXPECT_EQ(valueOf("Lichtstrom"), "nicht verfügbar");
    EXPECT_EQ(valueOf("Leuchtenbezeichnung"), "Downlight Foyer");
    EXPECT_EQ(valueOf("Wirkenergie"), "1.000 kWh");
    EXPECT_EQ(valueOf("Wirkleistung"), "36.0 W");
    EXPECT_EQ(valueOf("Scheinenergie"), "<none>");
    EXPECT_EQ(valueOf("Betriebsgerät: Betriebszeit"), "2 h");
    EXPECT_EQ(valueOf("Lichtquelle: Fehler gesamt"), "nein, 3-mal");
    EXPECT_EQ(valueOf("Lichtquelle: Temperatur"), "unbekannt");
    EXPECT_EQ(valueOf("Wartung"), "");

    BankReadings none = banks;
    for (auto& bank : none)
        bank.second.reset();
    const std::vector<InfoRow> absent = LuminaireInfoRows(none, {});
    ASSERT_EQ(absent.size(), 8u);
    EXPECT_EQ(absent[1].label, "Leuchtendaten");
    EXPECT_EQ(absent[1].value, "nicht vorhanden");
    EXPECT_EQ(absent[7].label, "Wartung");
    EXPECT_EQ(absent[7].value, "nicht vorhanden");
    EXPECT_TRUE(LuminaireInfoRows({}, {}).empty());
}

}  // namespace
