// The bus monitor's list: frame names, filters, pause and the exports.

#include "dali/dali_commands.h"
#include "sim/bus_capture.h"
#include "sim/frame_monitor.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

using sim::BusFrame;
using sim::FrameKind;
using sim::FrameMonitor;

BusFrame Forward(uint64_t us, uint16_t data) { return {us, FrameKind::Forward, data, {}}; }
BusFrame Reply(uint64_t us, uint8_t byte) { return {us, FrameKind::Backward, byte, {}}; }

TEST(FrameMonitor, FramesAreNamedWithTheirTarget) {
    struct Case {
        BusFrame frame;
        int deviceType;  // enabled by the frame before, -1: none
        const char* meaning;
    };
    const Case cases[] = {
        {Forward(0, 0x0B05), -1, "Short 5: RECALL MAX LEVEL"},
        {Forward(0, 0xFF00), -1, "Broadcast: OFF"},
        {Forward(0, 0xFE57), -1, "Broadcast: DAPC 87"},
        {Forward(0, 0x8513), -1, "Group 2: GO TO SCENE 3"},
        {Forward(0, 0xA3FF), -1, "Special: DTR0 255"},
        {Forward(0, 0xA100), -1, "Special: TERMINATE"},
        {Forward(0, 0x0BEE), 6, "Short 5: QUERY DIMMING CURVE"},
        {Forward(0, 0x0BEE), 1, "Short 5: STORE TEST EXECUTION TIMEOUT"},
        {Forward(0, 0x0BEE), 8, "Short 5: COPY REPORT TO TEMPORARY"},
        {Reply(0, 0xFF), -1, "Reply: 0xFF"},
        {{0, FrameKind::Garbled, 0, {}}, -1, "Garbled reply"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(sim::describeFrame(c.frame, c.deviceType), c.meaning);
}

TEST(FrameMonitor, EveryCommandOfTheTableHasItsName) {
    for (const dali::Command& command : dali::commandTable()) {
        const bool special = command.space == dali::CommandSpace::Special;
        const uint16_t data = special ? uint16_t(command.code << 8) : uint16_t(0x0B00 | command.code);
        const int deviceType = command.space == dali::CommandSpace::DeviceType6   ? 6
                               : command.space == dali::CommandSpace::DeviceType1 ? 1
                               : command.space == dali::CommandSpace::DeviceType8 ? 8
                                                                                  : -1;
        const QString meaning = sim::describeFrame(Forward(0, data), deviceType);
        EXPECT_TRUE(meaning.contains(QString::fromLatin1(command.name.data(), qsizetype(command.name.size()))))
            << meaning.toStdString();
        EXPECT_FALSE(meaning.contains("UNKNOWN")) << meaning.toStdString();
    }
}

TEST(FrameMonitor, FiltersPauseAndExportsOfTheShownRows) {
    FrameMonitor monitor;
    monitor.append(Forward(1000, 0x0B90));  // QUERY STATUS to 5
    monitor.append(Reply(9000, 0x04));
    monitor.append(Forward(30000, 0x1390));  // to 9, no reply
    monitor.setPaused(true);
    monitor.append(Forward(60000, 0xFF12));  // GO TO SCENE 2, held
    EXPECT_EQ(monitor.rowCount(), 3);
    monitor.setPaused(false);
    EXPECT_EQ(monitor.rowCount(), 4);

    monitor.setAddressFilter(5);  // the question and its reply
    EXPECT_EQ(monitor.rowCount(), 2);
    EXPECT_EQ(monitor.data(monitor.index(1, FrameMonitor::Meaning), Qt::DisplayRole).toString(), "Reply: 0x04");
    EXPECT_EQ(monitor.exportCsv(), "time_s,direction,bytes,meaning\n"
                                   "0.001000,forward,0B 90,\"Short 5: QUERY STATUS\"\n"
                                   "0.009000,backward,04,\"Reply: 0x04\"\n");
    monitor.setAddressFilter(FrameMonitor::AnyTarget);
    monitor.setCommandFilter("scene");
    EXPECT_EQ(monitor.rowCount(), 1);

    monitor.setCommandFilter({});
    std::vector<BusFrame> read;
    for (const QString& line : monitor.exportCapture().split('\n', Qt::SkipEmptyParts))
        if (const auto frame = sim::parseCaptureLine(line.toStdString()))
            read.push_back(*frame);
    EXPECT_EQ(read, (std::vector<BusFrame>{Forward(1000, 0x0B90), Reply(9000, 0x04), Forward(30000, 0x1390),
                                           Forward(60000, 0xFF12)}));
    monitor.clear();
    EXPECT_EQ(monitor.rowCount(), 0);
}

}  // namespace

// The monitor's names of the frames the program sends, each sent through the
// link layer as the program sends it (pairs, device type 6 commands, data).
#include "link/dalikit.h"
#include "tests/sim/bus_test_support.h"

#include <functional>

namespace {

struct SentCase {
    const char* what;
    std::function<void(const BusLink&)> send;
    QStringList names;
};

TEST(FrameMonitorNames, EveryKindOfFrameTheProgramSends) {
    const uint8_t a = dali::commandAddress(5);
    const SentCase cases[] = {
        {"select dimming curve", [&](const BusLink& l) { dalikit_SelectDimmingCurve(l, a, 1); },
         {"Special: DTR0 1", "Special: ENABLE DEVICE TYPE 6", "Short 5: SELECT DIMMING CURVE",
          "Short 5: SELECT DIMMING CURVE"}},
        {"fast fade time", [&](const BusLink& l) { dalikit_StoreFastFadeTime(l, a, 12); },
         {"Special: DTR0 12", "Special: ENABLE DEVICE TYPE 6", "Short 5: STORE DTR AS FAST FADE TIME",
          "Short 5: STORE DTR AS FAST FADE TIME"}},
        {"scene", [&](const BusLink& l) { dalikit_StoreScene(l, a, 3, 200); },
         {"Special: DTR0 200", "Short 5: STORE THE DTR AS SCENE 3", "Short 5: STORE THE DTR AS SCENE 3"}},
        {"short address to all", [](const BusLink& l) { dalikit_SendWithDTR(l, 0xFF, 0x80, 0xFF); },
         {"Special: DTR0 255", "Broadcast: STORE DTR AS SHORT ADDRESS", "Broadcast: STORE DTR AS SHORT ADDRESS"}},
        {"initialise", [](const BusLink& l) { dalikit_SendTwice(l, 0xA5, 0xFF); },
         {"Special: INITIALISE unaddressed", "Special: INITIALISE unaddressed"}},
        {"program", [](const BusLink& l) { dalikit_Send(l, 0xB7, dali::commandAddress(7)); },
         {"Special: PROGRAM SHORT ADDRESS 7"}},
        {"program none", [](const BusLink& l) { dalikit_Send(l, 0xB7, 0xFF); }, {"Special: PROGRAM SHORT ADDRESS none"}},
        {"verify", [](const BusLink& l) { dalikit_Send(l, 0xB9, dali::commandAddress(7)); },
         {"Special: VERIFY SHORT ADDRESS 7"}},
        {"unaddressed", [](const BusLink& l) { dalikit_Send(l, 0xFD, 0x05); }, {"Unaddressed: RECALL MAX LEVEL"}},
        {"reserved", [](const BusLink& l) { dalikit_Send(l, 0xE1, 0x05); }, {"Reserved: RECALL MAX LEVEL"}},
        {"group", [](const BusLink& l) { dalikit_Send(l, dali::groupCommandAddress(15), 0x00); }, {"Group 15: OFF"}},
        {"memory", [&](const BusLink& l) {
             uint8_t answer = 0, status = 0;
             dalikit_ReadMemoryLocation(l, a, 3, answer, status);
         },
         {"Special: DTR0 3", "Short 5: READ MEMORY LOCATION"}},
    };
    for (const SentCase& c : cases) {
        LinkedBus linked({});
        c.send(linked.link());
        FrameMonitor monitor;
        for (const BusFrame& frame : linked.bus().takeFrameLog())
            monitor.append(frame);
        QStringList names;
        for (int row = 0; row < monitor.rowCount(); ++row)
            names << monitor.data(monitor.index(row, FrameMonitor::Meaning), Qt::DisplayRole).toString();
        EXPECT_EQ(names, c.names) << c.what;
    }
}

TEST(FrameMonitor, ResumingAppendsTheHeldFramesInOneInsertion) {
    FrameMonitor monitor;
    monitor.setPaused(true);
    for (int i = 0; i < 500; ++i)
        monitor.append(Forward(uint64_t(i) * 30000, 0x0B90));
    int insertions = 0;
    QObject::connect(&monitor, &QAbstractItemModel::rowsInserted, [&](const QModelIndex&, int first, int last) {
        ++insertions;
        EXPECT_EQ(first, 0);
        EXPECT_EQ(last, 499);
    });
    monitor.setPaused(false);
    EXPECT_EQ(insertions, 1);
    EXPECT_EQ(monitor.rowCount(), 500);
}

}  // namespace
