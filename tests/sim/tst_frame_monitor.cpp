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
        bool deviceType6;
        const char* meaning;
    };
    const Case cases[] = {
        {Forward(0, 0x0B05), false, "Short 5: RECALL MAX LEVEL"},
        {Forward(0, 0xFF00), false, "Broadcast: OFF"},
        {Forward(0, 0xFE57), false, "Broadcast: DAPC 87"},
        {Forward(0, 0x8513), false, "Group 2: GO TO SCENE 3"},
        {Forward(0, 0xA3FF), false, "Special: DTR0 255"},
        {Forward(0, 0xA100), false, "Special: TERMINATE"},
        {Forward(0, 0x0BEE), true, "Short 5: QUERY DIMMING CURVE"},
        {Reply(0, 0xFF), false, "Reply: 0xFF"},
        {{0, FrameKind::Garbled, 0, {}}, false, "Garbled reply"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(sim::describeFrame(c.frame, c.deviceType6), c.meaning);
}

TEST(FrameMonitor, EveryCommandOfTheTableHasItsName) {
    for (const dali::Command& command : dali::commandTable()) {
        const bool special = command.space == dali::CommandSpace::Special;
        const uint16_t data = special ? uint16_t(command.code << 8) : uint16_t(0x0B00 | command.code);
        const QString meaning =
            sim::describeFrame(Forward(0, data), command.space == dali::CommandSpace::DeviceType6);
        EXPECT_TRUE(meaning.contains(QString::fromLatin1(command.name.data(), qsizetype(command.name.size()))))
            << meaning.toStdString();
        EXPECT_FALSE(meaning.contains("UNKNOWN")) << meaning.toStdString();
    }
}

TEST(FrameMonitor, FiltersPauseAndExportsOfTheShownRows) {
    FrameMonitor monitor;
    monitor.Append(Forward(1000, 0x0B90));  // QUERY STATUS to 5
    monitor.Append(Reply(9000, 0x04));
    monitor.Append(Forward(30000, 0x1390));  // to 9, no reply
    monitor.SetPaused(true);
    monitor.Append(Forward(60000, 0xFF12));  // GO TO SCENE 2, held
    EXPECT_EQ(monitor.rowCount(), 3);
    monitor.SetPaused(false);
    EXPECT_EQ(monitor.rowCount(), 4);

    monitor.SetAddressFilter(5);  // the question and its reply
    EXPECT_EQ(monitor.rowCount(), 2);
    EXPECT_EQ(monitor.data(monitor.index(1, FrameMonitor::Meaning), Qt::DisplayRole).toString(), "Reply: 0x04");
    EXPECT_EQ(monitor.ExportCsv(), "time_s,direction,bytes,meaning\n"
                                   "0.001000,forward,0B 90,\"Short 5: QUERY STATUS\"\n"
                                   "0.009000,backward,04,\"Reply: 0x04\"\n");
    monitor.SetAddressFilter(FrameMonitor::AnyTarget);
    monitor.SetCommandFilter("scene");
    EXPECT_EQ(monitor.rowCount(), 1);

    monitor.SetCommandFilter({});
    std::vector<BusFrame> read;
    for (const QString& line : monitor.ExportCapture().split('\n', Qt::SkipEmptyParts))
        if (const auto frame = sim::parseCaptureLine(line.toStdString()))
            read.push_back(*frame);
    EXPECT_EQ(read, (std::vector<BusFrame>{Forward(1000, 0x0B90), Reply(9000, 0x04), Forward(30000, 0x1390),
                                           Forward(60000, 0xFF12)}));
    monitor.Clear();
    EXPECT_EQ(monitor.rowCount(), 0);
}

}  // namespace
