// kelvane-cli through QProcess on the simulated bus: standard output, exit
// status and the frames on the bus (PELLIXKIT_CAPTURE).

#include "devices/device_record.h"
#include "storage/device_lines.h"
#include "tests/support/gear_records.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/types.h>
#include <csignal>

namespace {

// One interface with gear at 0 (a LED module) and 5 (device type 0).
const QByteArray kTwoGear = R"({ "interfaces": [ { "serial": "0000AB01", "bus": { "gear": [
  { "name": "A", "shortAddress": 0 }, { "name": "B", "shortAddress": 5, "deviceType": 0 } ] } } ] })";

struct CliRun {
    int exitCode = -1;
    QByteArray out, err;
    QStringList frames;  // "F 0B00", "B FF", in bus order
};

class Cli : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir_.filePath(name); }

    void start(QProcess& process, const QStringList& arguments, const QByteArray& scenario) {
        QFile file(path(QStringLiteral("scenario.json")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(scenario);
        file.close();
        QFile::remove(path(QStringLiteral("capture.txt")));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("PELLIXKIT_SIMULATION"), path(QStringLiteral("scenario.json")));
        environment.insert(QStringLiteral("PELLIXKIT_CAPTURE"), path(QStringLiteral("capture.txt")));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(KELVANE_CLI_PATH), arguments);
        ASSERT_TRUE(process.waitForStarted());
    }

    QStringList frames() const {
        QFile file(path(QStringLiteral("capture.txt")));
        QStringList list;
        if (!file.open(QIODevice::ReadOnly))
            return list;
        for (const QByteArray& line : file.readAll().split('\n')) {
            if (line.isEmpty() || line.startsWith('#'))
                continue;
            list << QString::fromLatin1(line).section(QLatin1Char(' '), 1).section(QLatin1String(" ;"), 0, 0);
        }
        return list;
    }

    CliRun run(const QStringList& arguments, const QByteArray& scenario = kTwoGear) {
        QProcess process;
        start(process, arguments, scenario);
        process.waitForFinished(-1);
        return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError(), frames()};
    }

    // A project of these records at these addresses.
    QString project(const std::vector<std::pair<int, DeviceRecord>>& records, const ProjectHeader& header = {}) {
        DeviceTable table;
        for (const auto& [address, record] : records)
            table[size_t(address)] = record;
        QString file = path(QStringLiteral("project.prj"));
        EXPECT_TRUE(WriteProjectFile(file, table, header));
        return file;
    }

    QTemporaryDir dir_;
};

// Frames that only ask: replies and queries, and what a query needs before it.
bool onlyAsks(const QStringList& frames) {
    return std::all_of(frames.begin(), frames.end(), [](const QString& frame) {
        if (frame.startsWith(QLatin1Char('B')))
            return true;
        const int first = frame.mid(2, 2).toInt(nullptr, 16), second = frame.mid(4, 2).toInt(nullptr, 16);
        const bool query = (first & 1) && second >= 0x90;
        const bool special = first == 0xA1 || first == 0xA3 || first == 0xC1;  // TERMINATE, DTR0, ENABLE DT
        return query || special;
    });
}

TEST_F(Cli, HelpListsTheCommandsAndExitStatusesWithoutTouchingTheBus) {
    const CliRun result = run({QStringLiteral("--help")});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.out.startsWith("Usage: kelvane-cli [--interface SERIAL]"));
    EXPECT_TRUE(result.out.contains("Exit status: 0 done, 1 usage, 2 no or no single interface, 3 differences found"));
    EXPECT_TRUE(result.frames.isEmpty());
}

TEST_F(Cli, HelpInGerman) {
    const CliRun result = run({QStringLiteral("--help"), QStringLiteral("--lang"), QStringLiteral("de-DE")});
    EXPECT_TRUE(result.out.startsWith("Aufruf: kelvane-cli")) << result.out.toStdString();
}

TEST_F(Cli, InterfacesListsSerialProductAndRevision) {
    const CliRun result = run({QStringLiteral("interfaces"), QStringLiteral("--json")},
                              R"({ "interfaces": [ { "serial": "0000AB01", "revision": [2, 5] },
                                                   { "serial": "0000AB02", "bridgeAddress": null } ] })");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out.toStdString(), R"({
    "interfaces": [
        {
            "productId": "0x1501",
            "revision": "0.2.0.5",
            "serial": "0000AB01"
        },
        {
            "productId": "0x1501",
            "revision": "",
            "serial": "0000AB02"
        }
    ]
}
)");
}

TEST_F(Cli, ScanGivesTheAnsweringAddressesAndTypes) {
    const CliRun result = run({QStringLiteral("scan"), QStringLiteral("--json"), QStringLiteral("--quiet")});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out.toStdString(), R"({
    "gear": [
        {
            "address": 0,
            "deviceTypes": [
                6
            ]
        },
        {
            "address": 5,
            "deviceTypes": [
                0
            ]
        }
    ],
    "unclear": [
    ]
}
)");
    EXPECT_TRUE(onlyAsks(result.frames));
}

TEST_F(Cli, ReadGivesTheRecordAsTheTabsShowIt) {
    const CliRun result = run({QStringLiteral("read"), QStringLiteral("0"), QStringLiteral("--json")},
                              R"({ "interfaces": [ { "bus": { "gear": [ { "shortAddress": 0, "maxLevel": 200,
                                   "fadeTime": 4, "groups": [0, 4], "dimmingCurve": 1, "fastFadeTime": 8,
                                   "scenes": { "3": 120 } } ] } } ] })");
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.out.toStdString(), R"({
    "gear": [
        {
            "actualLevel": 200,
            "address": 0,
            "complete": true,
            "deviceTypes": [
                6
            ],
            "dimmingCurve": "linear",
            "fadeRate": {
                "code": 7,
                "stepsPerSecond": 44.7
            },
            "fadeTime": {
                "code": 4,
                "seconds": 2
            },
            "fastFadeTime": {
                "code": 8,
                "milliseconds": 200
            },
            "groups": [
                0,
                4
            ],
            "maxLevel": 200,
            "minLevel": 1,
            "name": "",
            "powerOnLevel": 254,
            "scenes": {
                "3": 120
            },
            "systemFailureLevel": 254
        }
    ]
}
)");
    EXPECT_TRUE(onlyAsks(result.frames));
    EXPECT_TRUE(result.err.contains("1/1")) << "one progress line per gear";
}

// A colour gear's colours and an emergency unit's state, read as their tabs read them.
TEST_F(Cli, ReadGivesColoursAndEmergencyState) {
    const CliRun result = run({QStringLiteral("read"), QStringLiteral("--json"), QStringLiteral("--quiet")},
                              R"({ "interfaces": [ { "bus": { "gear": [
                                   { "shortAddress": 0, "deviceType": 8, "colour": { "powerOn": { "tc": 250 },
                                     "scenes": { "2": { "tc": 300 } } } },
                                   { "shortAddress": 1, "deviceType": 1, "emergency": { "batteryCharge": 200 } } ] } } ] })");
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QJsonArray gear = QJsonDocument::fromJson(result.out).object().value("gear").toArray();
    ASSERT_EQ(gear.size(), 2);
    const QJsonObject colour = gear[0].toObject().value("colour").toObject();
    EXPECT_EQ(colour.value("powerOn").toObject().value("mirek").toInt(), 250);
    EXPECT_EQ(colour.value("coolest").toInt(), 153);
    EXPECT_TRUE(colour.value("systemFailure").toObject().value("mirek").isNull());
    EXPECT_EQ(colour.value("scenes").toObject(), (QJsonObject{{"2", QJsonObject{{"mirek", 300}}}}));
    EXPECT_FALSE(gear[0].toObject().contains("emergency"));
    const QJsonObject emergency = gear[1].toObject().value("emergency").toObject();
    EXPECT_EQ(emergency.value("batteryCharge").toInt(), 200);
    EXPECT_FALSE(emergency.value("mode").isNull());
    EXPECT_TRUE(onlyAsks(result.frames));
}

struct GearCommandCase {
    const char* word;
    QStringList frames;
};

TEST_F(Cli, GearCommandsSendTheTabsFrames) {
    const QStringList identify = [] {
        QStringList list;
        for (int i = 0; i < 5; ++i)
            list << QStringLiteral("F 0B05") << QStringLiteral("F 0B06");
        return list;
    }();
    const GearCommandCase cases[] = {
        {"off", {QStringLiteral("F 0B00")}},
        {"max", {QStringLiteral("F 0B05")}},
        {"min", {QStringLiteral("F 0B06")}},
        {"identify", identify},
    };
    for (const GearCommandCase& c : cases) {
        const CliRun result = run({QStringLiteral("command"), QStringLiteral("5"), QLatin1String(c.word)});
        EXPECT_EQ(result.exitCode, 0) << c.word;
        EXPECT_EQ(result.frames, c.frames) << c.word;
        EXPECT_EQ(result.out, "") << c.word;
    }
}

TEST_F(Cli, ResetOnlyWithYes) {
    const CliRun refused = run({QStringLiteral("command"), QStringLiteral("5"), QStringLiteral("reset")});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.frames.isEmpty());
    EXPECT_TRUE(refused.err.endsWith("Not done: the question needs --yes.\n")) << refused.err.toStdString();

    const CliRun done =
        run({QStringLiteral("command"), QStringLiteral("5"), QStringLiteral("reset"), QStringLiteral("--yes")});
    EXPECT_EQ(done.exitCode, 0);
    ASSERT_GE(done.frames.size(), 2);
    EXPECT_EQ(done.frames.mid(0, 2), QStringList({QStringLiteral("F 0B20"), QStringLiteral("F 0B20")}));
    EXPECT_TRUE(onlyAsks(done.frames.mid(2))) << "the gear's values are read again";
}

TEST_F(Cli, SendReadsTheGearThenWritesOnlyTheGivenItems) {
    const CliRun result = run({QStringLiteral("send"), QStringLiteral("5"), QStringLiteral("max=200"),
                               QStringLiteral("groups=0,4"), QStringLiteral("scene3=120")});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    const qsizetype writes = result.frames.indexOf(QStringLiteral("F A3C8"));
    ASSERT_GT(writes, 0);
    EXPECT_TRUE(onlyAsks(result.frames.mid(0, writes)));
    QStringList expected{QStringLiteral("F A3C8"), QStringLiteral("F 0B2A"), QStringLiteral("F 0B2A")};
    for (int g = 0; g < 16; ++g)
        expected << QStringLiteral("F 0B%1").arg(0x70 + g, 2, 16).toUpper()
                 << QStringLiteral("F 0B%1").arg(0x70 + g, 2, 16).toUpper();
    expected << QStringLiteral("F 0B60") << QStringLiteral("F 0B60") << QStringLiteral("F 0B64")
             << QStringLiteral("F 0B64") << QStringLiteral("F A378") << QStringLiteral("F 0B43")
             << QStringLiteral("F 0B43");
    EXPECT_EQ(result.frames.mid(writes), expected);
}

struct BadInput {
    QStringList arguments;
    int exitCode;
    const char* error;  // the one line on standard error
};

TEST_F(Cli, BadInputIsOneLineAndNothingOnTheBus) {
    const BadInput cases[] = {
        {{QStringLiteral("bogus")}, 1, "Unknown command: bogus"},
        {{}, 1, "No command given; kelvane-cli --help lists them."},
        {{QStringLiteral("scan"), QStringLiteral("--frobnicate")}, 1, "Unknown option: --frobnicate"},
        {{QStringLiteral("scan"), QStringLiteral("--yes")}, 1, "Unknown option: --yes"},
        {{QStringLiteral("command"), QStringLiteral("64"), QStringLiteral("off")},
         1,
         "Address not between 0 and 63: 64"},
        {{QStringLiteral("read"), QStringLiteral("3"), QStringLiteral("-1")}, 1, "Address not between 0 and 63: -1"},
        {{QStringLiteral("send"), QStringLiteral("x"), QStringLiteral("max=1")}, 1, "Address not between 0 and 63: x"},
        {{QStringLiteral("send"), QStringLiteral("5"), QStringLiteral("max=255")}, 1, "Value out of range: max=255"},
        {{QStringLiteral("send"), QStringLiteral("5"), QStringLiteral("min=0")}, 1, "Value out of range: min=0"},
        {{QStringLiteral("send"), QStringLiteral("5"), QStringLiteral("groups=0,16")},
         1,
         "Value out of range: groups=0,16"},
        {{QStringLiteral("send"), QStringLiteral("5"), QStringLiteral("scene16=3")}, 1, "Unknown item: scene16=3"},
        {{QStringLiteral("send"), QStringLiteral("5"), QStringLiteral("max=20"), QStringLiteral("colour=3")},
         1,
         "Unknown item: colour=3"},
        {{QStringLiteral("send"), QStringLiteral("5")}, 1, "Missing argument: send"},
        {{QStringLiteral("command"), QStringLiteral("5"), QStringLiteral("dance")},
         1,
         "Unknown gear command: dance (off, max, min, identify, reset)"},
        {{QStringLiteral("command"), QStringLiteral("5"), QStringLiteral("off"), QStringLiteral("on")},
         1,
         "Too many arguments: on"},
        {{QStringLiteral("--lang"), QStringLiteral("fr-FR"), QStringLiteral("scan")},
         1,
         "Value out of range: --lang=fr-FR"},
        {{QStringLiteral("scan"), QStringLiteral("--interface")}, 1, "Missing argument: --interface"},
        {{QStringLiteral("apply"), QStringLiteral("/nonexistent/x.prj")},
         5,
         "Project file cannot be read: /nonexistent/x.prj"},
        {{QStringLiteral("check"), QStringLiteral("/nonexistent/x.prj")},
         5,
         "Project file cannot be read: /nonexistent/x.prj"},
        {{QStringLiteral("report"), QStringLiteral("x.prj"), QStringLiteral("--csv"), QStringLiteral("x.csv")},
         1,
         "Missing argument: --pdf"},
        {{QStringLiteral("report"), QStringLiteral("/nonexistent/x.prj"), QStringLiteral("--pdf=x.pdf")},
         5,
         "Project file cannot be read: /nonexistent/x.prj"},
    };
    for (const BadInput& c : cases) {
        const CliRun result = run(c.arguments);
        const std::string which = c.arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(result.exitCode, c.exitCode) << which;
        EXPECT_EQ(result.err.toStdString(), std::string(c.error) + "\n") << which;
        EXPECT_EQ(result.out, "") << which;
        EXPECT_TRUE(result.frames.isEmpty()) << which;
    }
}

TEST_F(Cli, InterfaceChoice) {
    const QByteArray two = R"({ "interfaces": [ { "serial": "0000AB01" }, { "serial": "0000AB02" } ] })";
    const CliRun several = run({QStringLiteral("scan")}, two);
    EXPECT_EQ(several.exitCode, 2);
    EXPECT_EQ(several.err, "Several interfaces attached (0000AB01, 0000AB02): choose one with --interface SERIAL.\n");
    EXPECT_TRUE(several.frames.isEmpty());

    const CliRun unknown = run({QStringLiteral("scan"), QStringLiteral("--interface=0000AB03")}, two);
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_EQ(unknown.err, "No interface with the serial number 0000AB03.\n");

    const CliRun picked = run(
        {QStringLiteral("scan"), QStringLiteral("--quiet"), QStringLiteral("--interface"), QStringLiteral("0000AB02")},
        two);
    EXPECT_EQ(picked.exitCode, 0);
    EXPECT_EQ(picked.out, "gear: \nunclear: \n") << "the picked interface's bus is empty";

    const CliRun none = run({QStringLiteral("scan")}, R"({ "interfaces": [] })");
    EXPECT_EQ(none.exitCode, 2);
    EXPECT_EQ(none.err, "No interface attached.\n");
}

TEST_F(Cli, BusWithoutPowerIsABusError) {
    const CliRun result = run({QStringLiteral("scan"), QStringLiteral("--json")},
                              R"({ "interfaces": [ { "bus": { "powered": false } } ] })");
    EXPECT_EQ(result.exitCode, 4);
    EXPECT_EQ(result.out, "");
    EXPECT_TRUE(result.frames.isEmpty());
}

TEST_F(Cli, ApplyWritesTheProjectAfterTheScanOnlyWithYes) {
    DeviceRecord brighter = FreshGearRecord();
    brighter.maxLevel = 200;
    const QString file = project({{0, FreshGearRecord()}, {5, brighter}});
    const QStringList scanFrames = run({QStringLiteral("scan")}).frames;

    const CliRun refused = run({QStringLiteral("apply"), file});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.frames, scanFrames) << "nothing written without --yes";

    const CliRun applied = run({QStringLiteral("apply"), file, QStringLiteral("--yes"), QStringLiteral("--quiet")});
    EXPECT_EQ(applied.exitCode, 0) << applied.err.toStdString();
    EXPECT_EQ(applied.err, "");
    ASSERT_GT(applied.frames.size(), scanFrames.size());
    EXPECT_EQ(applied.frames.mid(0, scanFrames.size()), scanFrames);
    const QStringList writes = applied.frames.mid(scanFrames.size());
    // Gear 0 first, then gear 5 with its MAX of 200.
    EXPECT_TRUE(writes.contains(QStringLiteral("F 012A")));
    const qsizetype max5 = writes.indexOf(QStringLiteral("F 0B2A"));
    ASSERT_GT(max5, 0);
    EXPECT_EQ(writes.mid(max5 - 1, 3),
              QStringList({QStringLiteral("F A3C8"), QStringLiteral("F 0B2A"), QStringLiteral("F 0B2A")}));
}

TEST_F(Cli, ApplyRefusesAProjectOfOtherAddresses) {
    const QString file = project({{0, FreshGearRecord()}, {6, FreshGearRecord()}});
    const QStringList scanFrames = run({QStringLiteral("scan")}).frames;
    const CliRun result = run({QStringLiteral("apply"), file, QStringLiteral("--yes"), QStringLiteral("--quiet")});
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_EQ(result.frames, scanFrames);
    EXPECT_EQ(result.err.count('\n'), 1) << result.err.toStdString();
}

TEST_F(Cli, SaveReadsEveryGearAndKeepsNamesAndHeader) {
    DeviceRecord named = FreshGearRecord();
    named.name = QStringLiteral("Hall");
    const QString file = project({{5, named}}, {QStringLiteral("Tower"), QStringLiteral("Site"), {}, {}});
    // The plan and its marker stay as well.
    const QString planLines = QStringLiteral("#kelvane-plan 1 floor.png\n#kelvane-place 05 1 0.2500 0.5000\n");
    QFile text(file);
    ASSERT_TRUE(text.open(QIODevice::Append));
    text.write(reinterpret_cast<const char*>(planLines.utf16()), planLines.size() * 2);
    text.close();
    const CliRun result = run({QStringLiteral("save"), file, QStringLiteral("--quiet")});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.out, "");

    DeviceTable saved;
    ProjectHeader header;
    ASSERT_EQ(ReadProjectFile(file, saved, &header), 2);
    EXPECT_EQ(header.project, QStringLiteral("Tower"));
    EXPECT_EQ(saved[5].name, QStringLiteral("Hall"));
    EXPECT_EQ(saved[5].maxLevel, 254);
    EXPECT_EQ(saved[5].fadeRate, 7);
    EXPECT_EQ(saved[5].readState & (kReadStateParameters | kReadStateScenes), kReadStateParameters | kReadStateScenes);
    EXPECT_EQ(saved[0].present, 1);
    EXPECT_TRUE(onlyAsks(result.frames));
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    EXPECT_TRUE(bytes.endsWith(QByteArray(reinterpret_cast<const char*>(planLines.utf16()), planLines.size() * 2)));
}

// The report online (the bus read, the project's names and header) and
// offline (the project file alone, nothing on the bus), with its CSV.
TEST_F(Cli, ReportOnlineAndFromTheProjectFile) {
    DeviceRecord named = FreshGearRecord();
    named.name = QStringLiteral("Hall");
    const QString file = project({{5, named}}, {QStringLiteral("Tower"), {}, {}, {}});
    const QString pdf = path(QStringLiteral("report.pdf")), csv = path(QStringLiteral("gear.csv"));
    const auto pdfText = [&] {
        QProcess tool;
        tool.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        tool.waitForFinished(-1);
        return QString::fromUtf8(tool.readAllStandardOutput()).normalized(QString::NormalizationForm_KC);
    };
    const CliRun online = run({QStringLiteral("report"), file, QStringLiteral("--pdf"), pdf, QStringLiteral("--csv"),
                               csv, QStringLiteral("--quiet")});
    EXPECT_EQ(online.exitCode, 0) << online.err.toStdString();
    EXPECT_TRUE(onlyAsks(online.frames));
    QString text = pdfText();
    for (const char* expected : {"Kelvane – DALI installation report", "Tower", "Interface 0000AB01", "Hall"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
    QFile table(csv);
    ASSERT_TRUE(table.open(QIODevice::ReadOnly));
    const QList<QByteArray> rows = table.readAll().split('\n');
    EXPECT_TRUE(rows[0].startsWith("\xEF\xBB\xBF" "Address,Name,")) << rows[0].toStdString();
    EXPECT_TRUE(rows[2].startsWith("5,Hall,0,")) << rows[2].toStdString();

    const CliRun offline = run({QStringLiteral("report"), file, QStringLiteral("--pdf"), pdf,
                                QStringLiteral("--offline"), QStringLiteral("--quiet")});
    EXPECT_EQ(offline.exitCode, 0) << offline.err.toStdString();
    EXPECT_TRUE(offline.frames.isEmpty());
    text = pdfText();
    EXPECT_TRUE(text.contains(QStringLiteral("Offline, project file project.prj")));
    EXPECT_TRUE(text.contains(QStringLiteral("Hall")));
}

TEST_F(Cli, SaveOfAnUnwritableFileIsAFileError) {
    const CliRun result =
        run({QStringLiteral("save"), path(QStringLiteral("missing/folder.prj")), QStringLiteral("--quiet")});
    EXPECT_EQ(result.exitCode, 5);
    const QByteArray line = "File cannot be written: " + path(QStringLiteral("missing/folder.prj")).toUtf8() + '\n';
    EXPECT_TRUE(result.err.endsWith(line)) << result.err.toStdString();
}

TEST_F(Cli, CheckGivesZeroForAMatchingBusAndThreeWithTheDifferences) {
    const QString same = project({{0, FreshGearRecord()}, {5, FreshGearRecord()}});
    const CliRun matching = run({QStringLiteral("check"), same, QStringLiteral("--json"), QStringLiteral("--quiet")});
    EXPECT_EQ(matching.exitCode, 0) << matching.err.toStdString();
    EXPECT_EQ(matching.out.toStdString(), "{\n    \"complete\": true,\n    \"rows\": [\n    ]\n}\n");
    EXPECT_TRUE(onlyAsks(matching.frames));

    DeviceRecord brighter = FreshGearRecord();
    brighter.maxLevel = 200;
    const QString differing = project({{5, brighter}});
    const CliRun result =
        run({QStringLiteral("check"), differing, QStringLiteral("--json"), QStringLiteral("--quiet")});
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_EQ(result.out.toStdString(), R"({
    "complete": true,
    "rows": [
        {
            "address": 0,
            "kind": "unexpected",
            "name": ""
        },
        {
            "address": 5,
            "bus": 254,
            "field": "maxLevel",
            "kind": "valueDiffers",
            "name": "",
            "project": 200
        }
    ]
}
)");
    EXPECT_TRUE(onlyAsks(result.frames));

    const CliRun csv = run({QStringLiteral("check"), differing, QStringLiteral("--csv"), QStringLiteral("--quiet")});
    EXPECT_EQ(csv.exitCode, 3);
    EXPECT_TRUE(csv.out.startsWith("\xEF\xBB\xBF")) << "a CSV file as every export writes it";
    EXPECT_EQ(csv.out.count('\n'), 3);
}

TEST_F(Cli, AddressNewPartsTwinsAndChecksEachProgram) {
    const QByteArray twins = R"({ "interfaces": [ { "bus": { "gear": [
        { "randomDraws": ["0x4A11C0", "0x9E0F21"] }, { "randomDraws": ["0x4A11C0", "0x1C7733"] },
        { "randomDraws": ["0x705511"] }, { "randomDraws": ["0x0C3A9D"] } ] } } ] })";
    const CliRun refused = run({QStringLiteral("address"), QStringLiteral("--new")}, twins);
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.frames.isEmpty());

    const CliRun result =
        run({QStringLiteral("address"), QStringLiteral("--new"), QStringLiteral("--yes"), QStringLiteral("--quiet")},
            twins);
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.out, "present: 0,1,2,3\n");
    qsizetype from = 0;
    for (int a = 0; a < 4; ++a) {
        const qsizetype program =
            result.frames.indexOf(QStringLiteral("F B7%1").arg(2 * a + 1, 2, 10, QLatin1Char('0')), from);
        ASSERT_GE(program, from) << a;
        // Each PROGRAM is checked: VERIFY, then the gear asked for its address.
        EXPECT_EQ(result.frames.mid(program + 1, 4),
                  QStringList({QStringLiteral("F B9%1").arg(2 * a + 1, 2, 10, QLatin1Char('0')), QStringLiteral("B FF"),
                               QStringLiteral("F BB00"), QStringLiteral("B 0%1").arg(2 * a + 1)}));
        from = program + 1;
    }
    EXPECT_EQ(result.frames.last(), QStringLiteral("F A100"));
}

TEST_F(Cli, EmergencyTestRunsTheGroupsUnitsIntoTheLogbook) {
    const QByteArray corridor = R"({ "interfaces": [ { "bus": { "gear": [
        { "shortAddress": 40, "deviceType": 1, "groups": [3] },
        { "shortAddress": 41, "deviceType": 1, "groups": [3], "emergency": { "lampFailure": true } },
        { "shortAddress": 50, "deviceType": 1 } ] } } ] })";
    DeviceRecord unit = FreshGearRecord();
    unit.name = QStringLiteral("Exit");
    const QString file = project({{40, unit}, {41, FreshGearRecord()}, {50, FreshGearRecord()}});
    const CliRun result =
        run({QStringLiteral("emergency-test"), QStringLiteral("--function"), QStringLiteral("--group"),
             QStringLiteral("3"), file, QStringLiteral("--json"), QStringLiteral("--quiet")},
            corridor);
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QJsonArray results = QJsonDocument::fromJson(result.out).object().value(QLatin1String("results")).toArray();
    ASSERT_EQ(results.size(), 2) << result.out.toStdString();
    const QJsonObject first = results[0].toObject(), second = results[1].toObject();
    EXPECT_EQ(first.value(QLatin1String("address")).toInt(), 40);
    EXPECT_EQ(first.value(QLatin1String("outcome")).toString(), QStringLiteral("passed"));
    EXPECT_EQ(first.value(QLatin1String("name")).toString(), QStringLiteral("Exit"));
    EXPECT_EQ(first.value(QLatin1String("test")).toString(), QStringLiteral("function"));
    EXPECT_EQ(second.value(QLatin1String("address")).toInt(), 41);
    EXPECT_EQ(second.value(QLatin1String("outcome")).toString(), QStringLiteral("failed"));
    QFile logbook(path(QStringLiteral("project.emergency.log")));
    ASSERT_TRUE(logbook.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = logbook.readAll().split('\n');
    ASSERT_EQ(lines.size(), 4);  // the first line, two results, the end
    EXPECT_TRUE(lines[1].endsWith("\t40\tfunction\tpassed\t00\t-\tExit\t-")) << lines[1].toStdString();

    const CliRun none = run({QStringLiteral("emergency-test"), QStringLiteral("--duration"),
                             QStringLiteral("--group=5"), file, QStringLiteral("--quiet")},
                            corridor);
    EXPECT_EQ(none.exitCode, 4);
    EXPECT_TRUE(onlyAsks(none.frames)) << "no unit in the group: no test started";
}

// 64 gear on a bus running at a tenth of real time, so the read is still
// going when the signal arrives after its first progress line.
QByteArray sixtyFourGear() {
    QByteArray gear;
    for (int a = 0; a < kDeviceCount; ++a)
        gear += (a ? "," : "") + QByteArray(R"({ "shortAddress": )") + QByteArray::number(a) + " }";
    return R"({ "timeScale": 0.1, "interfaces": [ { "bus": { "gear": [ )" + gear + " ] } } ] }";
}

TEST_F(Cli, CtrlCDuringReadKeepsTheRecordsReadSoFar) {
    QProcess process;
    start(process, {QStringLiteral("read"), QStringLiteral("--json")}, sixtyFourGear());
    process.setReadChannel(QProcess::StandardError);
    QByteArray err;
    while (!err.contains("Please wait: 1/64") && process.state() == QProcess::Running) {
        process.waitForReadyRead(-1);
        err += process.readAllStandardError();
    }
    ASSERT_TRUE(err.contains("Please wait: 1/64")) << err.toStdString();
    ::kill(pid_t(process.processId()), SIGINT);
    process.waitForFinished(-1);
    err += process.readAllStandardError();
    EXPECT_EQ(process.exitCode(), 130);
    EXPECT_TRUE(err.endsWith("Cancelled.\n"));
    const qsizetype read = process.readAllStandardOutput().count("\"complete\": true");
    EXPECT_GE(read, 1);
    EXPECT_LT(read, 64) << "the read stopped after the gear in progress";
}

}  // namespace
