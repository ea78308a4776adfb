// Project and device files: exact bytes written, and what the readers make
// of files a user may pick.

#include "storage/colour_lines.h"
#include "storage/device_lines.h"
#include "tests/support/file_bytes.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kGear5 = "05FE55FEFE030007000000FE80FFFFFFFFFFFFFFFFFFFFFFFFFFFF";
const QString kGear17 = "11FE01FFC8008000040100FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF";

DeviceTable TwoGear() {
    DeviceTable table{};
    DeviceRecord& g5 = table[5];
    g5 = {.present = 1, .fadeRate = 7, .maxLevel = 254, .minLevel = 85, .powerOnLevel = 254,
          .systemFailureLevel = 254, .actualLevel = 30, .deviceType = 6};
    g5.SetGroupMask(0x0003);
    g5.sceneLevel[0] = 254;
    g5.sceneLevel[1] = 128;
    DeviceRecord& g17 = table[17];
    g17 = {.present = 1, .fadeTime = 4, .maxLevel = 254, .minLevel = 1, .powerOnLevel = 200,
           .systemFailureLevel = 255, .dimmingCurve = 1, .deviceType = 6};
    g17.SetGroupMask(0x8000);
    g5.readState = g17.readState = kReadStateParameters | kReadStateScenes;  // as read from the gear
    return table;
}

class DeviceLines : public ::testing::Test {
protected:
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    int ReadProject(const QByteArray& bytes) {
        EXPECT_TRUE(WriteFileBytes(Path("in.prj"), bytes));
        return ReadProjectFile(Path("in.prj"), table);
    }
    QTemporaryDir dir;
    DeviceTable table{};
};

TEST_F(DeviceLines, AProjectOfTwoGearIsExactlyItsTwoLines) {
    const DeviceTable written = TwoGear();
    EXPECT_EQ(FormatDeviceLine(written, 5), kGear5);
    EXPECT_EQ(FormatDeviceLine(written, 17), kGear17);
    ASSERT_TRUE(WriteFileBytes(Path("p.prj"), QByteArray(500, 'x')));  // an older, longer file
    ASSERT_TRUE(WriteProjectFile(Path("p.prj"), written));
    const QByteArray bytes = ReadFileBytes(Path("p.prj"));
    EXPECT_EQ(bytes.size(), 220);
    EXPECT_EQ(bytes, Utf16LE(kGear5 + "\n" + kGear17 + "\n"));
    EXPECT_EQ(bytes.left(8), QByteArray("\x30\x00\x35\x00\x46\x00\x45\x00", 8));

    EXPECT_EQ(ReadProjectFile(Path("p.prj"), table), 2);
    for (int a : {5, 17}) {
        DeviceRecord expected = written[size_t(a)];
        expected.readState = 7;
        expected.actualLevel = 255;
        expected.deviceType = 0;
        EXPECT_EQ(table[size_t(a)], expected) << a;
    }
    EXPECT_EQ(table[6], DeviceRecord{});
}

// Names, units and the header go into comment lines after the device
// lines, and come back as they were; the device lines stay as they are.
TEST_F(DeviceLines, NamesAndTheHeaderFollowTheDeviceLines) {
    DeviceTable written = TwoGear();
    written[5].name = "Empfang Downlight 1";
    written[5].placedAt = 1772352000;
    written[5].identity = {.gtin = 4012345678901, .firmware = std::array<uint8_t, 2>{2, 1},
                           .identificationNumber = 0x075BCD15, .identificationBytes = 8};
    written[17].identity = {.identificationNumber = 0xCAFE, .identificationBytes = 4};
    written[17].name = "Flur\\Süd\nOst";
    written[30].name = "not on the bus";  // no gear: no line
    ProjectHeader header;
    header.project = "Halle 3";
    header.notes = "Zeile 1\nZeile 2";
    ASSERT_TRUE(WriteProjectFile(Path("p.prj"), written, header));
    EXPECT_EQ(ReadFileBytes(Path("p.prj")),
              Utf16LE(kGear5 + "\n" + kGear17 + "\n" +
                      "#kelvane-name 05 Empfang Downlight 1\n"
                      "#kelvane-name 11 Flur\\\\Süd\\nOst\n"
                      "#kelvane-unit 05 placed=2026-03-01T08:00:00Z gtin=4012345678901 firmware=2.1 "
                      "id=00000000075BCD15\n"
                      "#kelvane-unit 11 id=0000CAFE\n"
                      "#kelvane-project Halle 3\n"
                      "#kelvane-notes Zeile 1\\nZeile 2\n"));

    ProjectHeader read;
    read.site = "left over";
    EXPECT_EQ(ReadProjectFile(Path("p.prj"), table, &read), 2);
    EXPECT_EQ(table[5].name, "Empfang Downlight 1");
    EXPECT_EQ(table[17].name, "Flur\\Süd\nOst");
    for (int a : {5, 17}) {
        EXPECT_EQ(table[size_t(a)].placedAt, written[size_t(a)].placedAt) << a;
        EXPECT_EQ(table[size_t(a)].identity, written[size_t(a)].identity) << a;
    }
    EXPECT_EQ(read, header);

    // Words a reader cannot take change nothing; the others still count.
    ReadProject(Utf16LE(kGear5 + "\n#kelvane-unit 05 placed=2026-03-01T08:00:00 gtin=281474976710656 firmware=2 "
                                 "id=12345 new=1 firmware=1.300 id=0000000A\n#kelvane-unit 06 id=0000000B\n"));
    EXPECT_EQ(table[5].placedAt, 0);
    EXPECT_EQ(table[5].identity, (GearIdentity{.identificationNumber = 10, .identificationBytes = 4}));
    EXPECT_EQ(table[6], DeviceRecord{});
}

ColourSettings TunableWhite() {
    ColourSettings c;
    c.features = 0x02;
    c.mirek = 250;  // shown now: not kept
    c.coolest = 0x00A0;
    c.warmest = 0x015E;
    c.physicalCoolest = 0x0099;
    c.physicalWarmest = 0x0172;
    c.powerOnMirek = 0x00C8;
    c.systemFailureLevels = {1, 2, 3, 0xFF, 0xFF, 0xFF};
    c.sceneMirek[0] = 0x00FA;
    c.sceneMirek[15] = 0x0123;
    return c;
}

const QString kColour17 = "#kelvane-colour 11 02 00A0 015E 0099 0172 00C8 FFFF FFFFFFFFFFFF 010203FFFFFF 00FA" +
                          QString(56, 'F') + "0123";

// A colour gear's settings follow the names, before the header; only colour gear get a line.
TEST_F(DeviceLines, ColourLinesFollowTheNamesAndComeBack) {
    DeviceTable written = TwoGear();
    written[17].colour = TunableWhite();
    written[17].name = "Flur";
    written[30].colour = TunableWhite();  // no gear: no line
    ProjectHeader header;
    header.site = "Halle 3";
    ASSERT_TRUE(WriteProjectFile(Path("p.prj"), written, header));
    EXPECT_EQ(ReadFileBytes(Path("p.prj")), Utf16LE(kGear5 + "\n" + kGear17 + "\n#kelvane-name 11 Flur\n" + kColour17 +
                                                    "\n#kelvane-site Halle 3\n"));
    ASSERT_EQ(ReadProjectFile(Path("p.prj"), table), 2);
    ColourSettings expected = TunableWhite();
    expected.mirek = kColourMask;
    EXPECT_EQ(table[17].colour, expected);
    EXPECT_EQ(table[17].readState, 7u | kReadStateColour);
    EXPECT_EQ(table[5].colour, ColourSettings{});
    EXPECT_EQ(table[5].readState, 7u);

    ASSERT_TRUE(WriteDeviceFile(Path("g.dev"), written, 17));
    EXPECT_EQ(ReadFileBytes(Path("g.dev")), Utf16LE(kGear17 + "\n" + kColour17 + "\n"));
    DeviceRecord record;
    record.colour.features = 0x60;  // from an earlier file: replaced
    ASSERT_TRUE(ReadDeviceFile(Path("g.dev"), record));
    EXPECT_EQ(record.colour, expected);
    ASSERT_TRUE(WriteDeviceFile(Path("plain.dev"), written, 5));
    ASSERT_TRUE(ReadDeviceFile(Path("plain.dev"), record));
    EXPECT_EQ(record.colour, ColourSettings{});  // a file without colour gives none
}

TEST_F(DeviceLines, DamagedColourLinesChangeNoRecord) {
    const QString scenes = " " + QString(64, 'F');
    const QString lines[] = {
        "#kelvane-colour 11 02 00A0 015E 0099 0172 00C8 FFFF FFFFFFFFFFFF 010203FFFFFF",  // scenes missing
        "#kelvane-colour 11 02 00A0 015E 0099 0172 00C8 FFFF FFFFFFFFFFFF 010203FFFFFG" + scenes,
        "#kelvane-colour 11 02 0A0 015E 0099 0172 00C8 FFFF FFFFFFFFFFFF 010203FFFFFF" + scenes,
        "#kelvane-colour 11  02 00A0 015E 0099 0172 00C8 FFFF FFFFFFFFFFFF 010203FFFFFF" + scenes,
        "#kelvane-colour 40 02 00A0 015E 0099 0172 00C8 FFFF FFFFFFFFFFFF 010203FFFFFF" + scenes,  // address 64
        "#kelvane-colour 06 02 00A0 015E 0099 0172 00C8 FFFF FFFFFFFFFFFF 010203FFFFFF" + scenes,  // no gear 6
        "#kelvane-colour 11 00 00A0 015E 0099 0172 00C8 FFFF FFFFFFFFFFFF 010203FFFFFF" + scenes,  // no colour
    };
    for (const QString& line : lines) {
        ReadProject(Utf16LE(kGear17 + "\n" + line + "\n"));
        EXPECT_EQ(table[17].colour, ColourSettings{}) << line.toStdString();
        EXPECT_EQ(table[6], DeviceRecord{}) << line.toStdString();
    }
    // Lower-case digits and CR LF read as well.
    ReadProject(Utf16LE(kGear17 + "\r\n" + QString(kColour17).replace("00A0", "00a0") + "\r\n"));
    EXPECT_EQ(table[17].colour.coolest, 0x00A0);
}

// Channels carrying other colours than one each from red on add their colours at the end; a line without
// them (every older file) reads as before.
TEST_F(DeviceLines, ColourLineCarriesTheChannelsColoursOnlyWhenTheyDifferFromRedOn) {
    const QString levels = " FFFFFFFFFFFF FFFFFFFFFFFF " + QString(64, 'F');
    const QString rgbLine = "#kelvane-colour 11 60 FFFF FFFF FFFF FFFF FFFF FFFF" + levels;
    ColourSettings c;
    c.features = 0x60;  // three channels
    c.colours = 0x07;   // red, green, blue: the same as not asked
    EXPECT_EQ(FormatColourLine(17, c), rgbLine);
    c.features = 0x20;  // one channel, carrying white
    c.colours = 0x08;
    const QString whiteLine = "#kelvane-colour 11 20 FFFF FFFF FFFF FFFF FFFF FFFF" + levels + " 08";
    EXPECT_EQ(FormatColourLine(17, c), whiteLine);
    // A scene's colour of an RGBWAF gear: the 16 scenes' levels at the very end.
    ColourSettings scene = c;
    scene.sceneLevels[1] = {255, 255, 255, 40, 255, 255};
    const QString sceneLine = whiteLine + " " + QString(12, 'F') + "FFFFFF28FFFF" + QString(qsizetype{14} * 12, 'F');
    EXPECT_EQ(FormatColourLine(17, scene), sceneLine);
    EXPECT_EQ(ParseColourLine(sceneLine)->second, scene);
    EXPECT_FALSE(ParseColourLine(QString(sceneLine + " 08")));  // the colours after the scenes: out of order
    const auto white = ParseColourLine(whiteLine);
    ASSERT_TRUE(white);
    EXPECT_EQ(white->second, c);
    const auto old = ParseColourLine(QString(whiteLine).chopped(3));
    ASSERT_TRUE(old);
    EXPECT_EQ(old->second.colours, 0);
    EXPECT_EQ(old->second.colourMask(), 0x01);  // not asked: red
    EXPECT_FALSE(ParseColourLine(QString(whiteLine + " 08")));
}

// A second line of an address after its colour line takes the values; the
// colour stays, and so does the bit that says the record holds one.
TEST_F(DeviceLines, ALaterLineOfAColouredAddressKeepsItsColour) {
    const QString again = QString(kGear17).replace(2, 2, QStringLiteral("C8"));
    EXPECT_EQ(ReadProject(Utf16LE(kGear17 + "\n" + kColour17 + "\n" + again + "\n")), 2);
    EXPECT_EQ(table[17].maxLevel, 0xC8);
    EXPECT_EQ(table[17].colour.coolest, 0x00A0);
    EXPECT_EQ(table[17].readState, 7 | kReadStateColour);
}

TEST_F(DeviceLines, NameLinesAreReadOnlyForGearTheFileHolds) {
    QString text;
    for (int a = 0; a < 64; ++a)
        text += QString::asprintf("%02X", a) + kGear5.mid(2) + "\r\n";
    text += "#kelvane-name 3F Letzte\r\n";           // after 64 device lines, with CR LF
    text += "#kelvane-name 40 Zu hoch\n";             // no address 64
    text += "#kelvane-name 5 Kurz\n";                 // one digit
    text += "#kelvane-name 07 " + QString(300, 'x') + "\n";
    text += "#kelvane-name 08 " + QString(255, 'x') + "\U0001F600\n";  // a surrogate pair across the limit
    text += "#kelvane-colour 07 2700\n";              // a line of a later version
    EXPECT_EQ(ReadProject(Utf16LE(text)), 64);
    EXPECT_EQ(table[63].name, "Letzte");
    EXPECT_EQ(table[7].name, QString(kMaxProjectTextLength, 'x'));
    EXPECT_EQ(table[8].name, QString(255, 'x'));
    EXPECT_TRUE(table[5].name.isEmpty());
}

TEST_F(DeviceLines, TheProjectReaderTakesAnyFile) {
    QString seventy;
    for (int i = 0; i < 70; ++i)
        seventy += QString::asprintf("%02X\n", i % 64);
    struct Case {
        const char* name;
        QByteArray bytes;
        int kept;
        int address;  // a record that must be present afterwards, or -1
    };
    const Case cases[] = {
        {"comments and empty lines", Utf16LE("# Lager\n\n" + kGear5 + "\n"), 1, 5},
        {"byte-order mark", QByteArray("\xFF\xFE", 2) + Utf16LE(kGear17 + "\n"), 1, 17},
        {"CR LF, a blank last line", Utf16LE(kGear5 + "\r\n" + kGear17 + "\r\n\r\n"), 2, 17},
        {"no line feed at the end, odd byte", Utf16LE(kGear5) + QByteArray(1, 'Z'), 1, 5},
        {"address above 63 is skipped", Utf16LE("40FE\n" + kGear5 + "\n"), 1, 5},
        {"70 lines, 64 kept", Utf16LE(seventy), 64, 63},
        {"binary junk reads as zeros", QByteArray("\x00\xD8\x41\x00\x0A\x00\xFF", 7), 1, 0},
        {"a huge line of address FF", Utf16LE(QString(qsizetype{3} * 1024 * 1024, QLatin1Char('F'))), 0, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadProject(c.bytes), c.kept) << c.name;
        if (c.address >= 0) {
            EXPECT_EQ(table[size_t(c.address)].present, 1) << c.name;
        }
    }
}

TEST_F(DeviceLines, ValuesReadAsBase16Pieces) {
    // Lower case reads as upper case; a short line gives zeros, scenes too;
    // a piece that is not hexadecimal gives 0.
    ASSERT_EQ(ReadProject(Utf16LE(kGear5.toLower() + "\n" + "09\n" + "0AzzF0\n")), 3);
    EXPECT_EQ(table[5].minLevel, 85);
    EXPECT_EQ(table[5].sceneLevel[1], 128);
    DeviceRecord onlyAddress{.readState = 7, .present = 1, .actualLevel = 255};
    onlyAddress.sceneLevel.fill(0);
    EXPECT_EQ(table[9], onlyAddress);
    EXPECT_EQ(table[10].maxLevel, 0);
    EXPECT_EQ(table[10].minLevel, 0xF0);
    EXPECT_EQ(ParseDeviceLine(u" F-1+A"), (std::array<uint8_t, kDeviceLineValues>{15, 0xFF, 10}));
}

TEST_F(DeviceLines, ADeviceFileLoadsItsLastLineOntoAnyRecord) {
    ASSERT_TRUE(WriteDeviceFile(Path("g.dev"), TwoGear(), 5));
    EXPECT_EQ(ReadFileBytes(Path("g.dev")), Utf16LE(kGear5 + "\n"));
    DeviceRecord record{.readState = 1, .present = 1, .deviceType = 6};
    ASSERT_TRUE(ReadDeviceFile(Path("g.dev"), record));
    EXPECT_EQ(record.maxLevel, 254);
    EXPECT_EQ(record.groupMask, 0x0003);
    EXPECT_EQ(record.actualLevel, 255);
    EXPECT_EQ(record.readState, 1u);  // present, device type and read state are the caller's
    EXPECT_EQ(record.deviceType, 6);

    struct Case {
        const char* name;
        QString text;
        uint8_t maxLevel;
    };
    const Case cases[] = {
        {"three lines: the third", kGear17 + "\n# x\n" + kGear5 + "\n" + kGear17 + "\n# comment\n", 254},
        {"an empty last line: zeros", kGear5 + "\n\n", 0},
        {"only comments: zeros", "# nothing\n", 0},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(WriteFileBytes(Path("c.dev"), Utf16LE(c.text)));
        DeviceRecord loaded;
        ASSERT_TRUE(ReadDeviceFile(Path("c.dev"), loaded));
        EXPECT_EQ(loaded.maxLevel, c.maxLevel) << c.name;
    }
    DeviceRecord kept = record;
    EXPECT_FALSE(ReadDeviceFile(Path("missing.dev"), kept));
    EXPECT_EQ(kept, record);
}

TEST_F(DeviceLines, AFileThatCannotBeWrittenIsReportedAndKeepsItsContent) {
    EXPECT_FALSE(WriteProjectFile(Path("no/such/folder/p.prj"), TwoGear()));
    EXPECT_FALSE(WriteDeviceFile(Path("no/such/folder/g.dev"), TwoGear(), 5));
}

// Texts are cut where a character ends: never inside a surrogate pair or
// between a letter and its accent.
TEST(ProjectText, IsCutOnCharacterBoundaries) {
    const QString x255(255, u'x');
    const std::pair<QString, QString> cases[] = {
        {"  " + x255 + "y  ", x255 + "y"},
        {x255 + QString::fromUtf16(u"\U0001F600"), x255},
        {x255 + QString::fromUtf16(u"e\u0301"), x255},
        {QString::fromUtf16(u"Caf\u00e9 \U0001F600"), QString::fromUtf16(u"Caf\u00e9 \U0001F600")},
    };
    for (const auto& [typed, kept] : cases)
        EXPECT_EQ(ProjectText(typed), kept) << typed.size();
}

}  // namespace
