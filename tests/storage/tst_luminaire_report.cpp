// The report's table "Leuchtendaten und Betrieb" and the maintenance CSV
// built from the banks in the records, as exact cells and bytes.

#include "storage/luminaire_report.h"

#include <gtest/gtest.h>

namespace {

MemoryBankBytes bankFrom3(uint8_t last, std::vector<std::optional<uint8_t>> bytes) { return {last, std::move(bytes), 3}; }

// Gear 4 with banks 1, 202, 205 and 206; gear 9 with none of them (no row);
// gear 12 with bank 1 only, its year MASK.
DeviceTable luminaires() {
    DeviceTable table{};
    DeviceRecord& a = table[4];
    a.present = 1;
    a.name = "Flur 1";
    std::vector<std::optional<uint8_t>> bank1(0x15 - 3 + 2, 0xFF);
    for (int i = 0; i < 8; ++i)
        bank1[size_t(0x09 - 3) + size_t(i)] = uint8_t(0xA0 + i);
    bank1[0x13 - 3] = 23;
    bank1[0x15 - 3] = 0x00;
    bank1[0x16 - 3] = 0x24;  // 36 W
    a.banks[1] = bankFrom3(0x77, bank1);
    a.banks[202] = bankFrom3(0x0F, {1, 0x00, 0, 0, 0, 0, 0x30, 0x39, 0xFF, 0, 0, 0x01, 0x68});  // 12345 Wh, 36.0 W
    std::vector<std::optional<uint8_t>> bank205(0x1C - 3 + 1, 0);
    bank205[0x06 - 3] = 0x8C;  // 0x8CA0 s = 10 h
    bank205[0x07 - 3] = 0xA0;
    bank205[0x10 - 3] = 2;
    a.banks[205] = bankFrom3(0x1C, bank205);
    std::vector<std::optional<uint8_t>> bank206(0x20 - 3 + 1, 0);
    bank206[0x17 - 3] = 0xFF;  // counter MASK: no number
    a.banks[206] = bankFrom3(0x20, bank206);
    a.banks[203] = std::nullopt;

    table[9].present = 1;
    table[9].banks[1] = std::nullopt;
    DeviceRecord& c = table[12];
    c.present = 1;
    c.banks[1] = bankFrom3(0x77, std::vector<std::optional<uint8_t>>(0x16 - 3 + 1, 0xFF));
    return table;
}

TEST(LuminaireReport, TheTableAndTheMaintenanceCsvHoldTheBanksValues) {
    InstallationReport report;
    report.csvSeparator = QLatin1Char(';');
    AddLuminaireTable(report, luminaires(), {});
    EXPECT_EQ(report.luminaires.heading, "Leuchtendaten und Betrieb");
    EXPECT_EQ(report.luminaires.header,
              (QStringList{"Adresse", "Name", "Leuchten-ID", "Herstellungsjahr", "Nennleistung",
                           "Betriebsgerät: Betriebszeit", "Wirkenergie", "Betriebsgerät: Fehler gesamt",
                           "Lichtquelle: Fehler gesamt"}));
    ASSERT_EQ(report.luminaires.rows.size(), 2u);
    EXPECT_EQ(report.luminaires.rows[0], (QStringList{"4", "Flur 1", "A0A1A2A3A4A5A6A7", "2023", "36 W", "10 h",
                                                      "12.345 kWh", "2", ""}));
    EXPECT_EQ(report.luminaires.rows[1], (QStringList{"12", "", "nicht verfügbar", "nicht verfügbar",
                                                      "nicht verfügbar", "", "", "", ""}));
    EXPECT_EQ(MaintenanceCsv(report).toStdString(),
              "\xEF\xBB\xBF"
              "Adresse;Name;Leuchten-ID;Herstellungsjahr;Nennleistung (W);Betriebsgerät: Betriebszeit (h);"
              "Wirkenergie (kWh);Betriebsgerät: Fehler gesamt;Lichtquelle: Fehler gesamt\n"
              "4;Flur 1;A0A1A2A3A4A5A6A7;2023;36;10;12,345;2;\n"
              "12;;;;;;;;\n");
    EXPECT_EQ(MaintenanceCsvPath("/tmp/anlage.CSV", {}), "/tmp/anlage-Wartung.csv");
}

}  // namespace
