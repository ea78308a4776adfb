// Bus capture: line format, the file (header, write-through, replacement),
// and PELLIXKIT_CAPTURE on a simulated backend.

#include "sim/bus_capture.h"

#include "kit/kit_backend.h"
#include "kit/sim_backend.h"
#include "link/dalikit.h"
#include "sim/dali_bus.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cstdlib>
#include <fstream>
#include <sstream>

using sim::BusFrame;
using sim::FrameKind;

namespace {

std::vector<std::string> linesOf(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// Sets an environment variable for the lifetime of the object.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const std::string& value) : name_(name) { setenv(name, value.c_str(), 1); }
    ~ScopedEnvironment() { unsetenv(name_); }

private:
    const char* name_;
};

}  // namespace

TEST(CaptureLine, ForwardBackwardAndGarbledFrames) {
    EXPECT_EQ(sim::captureLine({1523000, FrameKind::Forward, 0xA300, "DTR0 0x00"}), "1523000 F A300 ; DTR0 0x00");
    EXPECT_EQ(sim::captureLine({0, FrameKind::Forward, 0x0B90, ""}), "0 F 0B90");
    EXPECT_EQ(sim::captureLine({1550100, FrameKind::Backward, 0xFF, ""}), "1550100 B FF");
    EXPECT_EQ(sim::captureLine({1550100, FrameKind::Backward, 0x0A, ""}), "1550100 B 0A");
    EXPECT_EQ(sim::captureLine({1550100, FrameKind::Garbled, 0, ""}), "1550100 B !");
}

TEST(CaptureLine, BusLabelStartsTheComment) {
    EXPECT_EQ(sim::captureLine({7, FrameKind::Forward, 0x0B90, "QUERY STATUS, short 5"}, "bus 2"),
              "7 F 0B90 ; bus 2: QUERY STATUS, short 5");
    EXPECT_EQ(sim::captureLine({8, FrameKind::Backward, 0x4D, ""}, "bus 2"), "8 B 4D ; bus 2");
}

TEST(CaptureFile, HeaderFirstAndEveryLineWrittenThroughAtOnce) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("bus.txt").toStdString();
    std::ofstream(path) << "old contents\n";
    std::string error;
    auto capture = sim::BusCapture::create(path, error);
    ASSERT_TRUE(capture) << error;
    EXPECT_EQ(linesOf(path), (std::vector<std::string>{"# kelvane bus capture 1"}));
    capture->append({100, FrameKind::Forward, 0xA100, "TERMINATE"});
    capture->append({200, FrameKind::Garbled, 0, ""});
    // Read while the capture is still open: nothing may wait in a buffer.
    EXPECT_EQ(linesOf(path),
              (std::vector<std::string>{"# kelvane bus capture 1", "100 F A100 ; TERMINATE", "200 B !"}));
}

TEST(CaptureFile, UnwritablePathIsReported) {
    std::string error;
    EXPECT_FALSE(sim::BusCapture::create("/nonexistent/bus.txt", error));
    EXPECT_EQ(error, "cannot write the bus capture /nonexistent/bus.txt: No such file or directory");
}

TEST(CaptureVariable, EveryFrameOfTheSimulatedBusLandsInTheFileAsInTheFrameLog) {
    QTemporaryDir dir;
    const std::string scenarioPath = dir.filePath("twins.json").toStdString();
    const std::string capturePath = dir.filePath("bus.txt").toStdString();
    std::ofstream(scenarioPath) << R"({"interfaces": [{"bus": {"gear": [
        {"shortAddress": 5, "actualLevel": 77, "replyDelayUs": 7000},
        {"shortAddress": 6, "actualLevel": 10, "replyDelayUs": 7000},
        {"shortAddress": 6, "actualLevel": 20, "replyDelayUs": 7000}]}}]})";
    ScopedEnvironment captureVariable("PELLIXKIT_CAPTURE", capturePath);
    auto backend = std::dynamic_pointer_cast<kit::SimBackend>(kit::makeSimulatedBackend(scenarioPath));
    ASSERT_TRUE(backend);
    kit::installBackend(backend);

    const BusLink link{kit_open(), 0x40};
    kit_set_timeout(link.handle, 2000);
    dalikit_EnableI2C(link.handle);
    uint8_t answer = 0, status = 0;
    dalikit_Query(link, 0x0B, 0xA0, answer, status);  // gear at 5: 77
    dalikit_WaitIdle(link);
    dalikit_Query(link, 0x0D, 0xA0, answer, status);  // two gear at 6: collision
    dalikit_WaitIdle(link);
    dalikit_Send(link, 0xA1, 0x00);
    kit::installBackend(nullptr);

    const std::vector<std::string> lines = linesOf(capturePath);
    const std::vector<BusFrame> frames = backend->bus(0)->frameLog();
    ASSERT_EQ(lines.size(), frames.size() + 1);
    EXPECT_EQ(lines[0], "# kelvane bus capture 1");
    for (size_t i = 0; i < frames.size(); ++i)
        EXPECT_EQ(lines[i + 1], sim::captureLine(frames[i]));
    // The first write report costs 1 ms before the frame goes out.
    const uint64_t t0 = frames[0].timeUs;
    EXPECT_EQ(lines[1], std::to_string(t0) + " F 0BA0 ; QUERY ACTUAL LEVEL, short 5");
    EXPECT_EQ(lines[2], std::to_string(t0 + 22833) + " B 4D");
    EXPECT_EQ(lines[3].substr(lines[3].find(' ')), " F 0DA0 ; QUERY ACTUAL LEVEL, short 6");
    EXPECT_EQ(lines[4], std::to_string(frames[2].timeUs + 22833) + " B !");
    EXPECT_EQ(lines[5].substr(lines[5].find(' ')), " F A100 ; TERMINATE");
}

TEST(CaptureVariable, SeveralInterfacesNameTheirBusInTheComment) {
    QTemporaryDir dir;
    const std::string scenarioPath = dir.filePath("two.json").toStdString();
    const std::string capturePath = dir.filePath("bus.txt").toStdString();
    std::ofstream(scenarioPath) << R"({"interfaces": [{}, {}]})";
    ScopedEnvironment captureVariable("PELLIXKIT_CAPTURE", capturePath);
    auto backend = std::dynamic_pointer_cast<kit::SimBackend>(kit::makeSimulatedBackend(scenarioPath));
    ASSERT_TRUE(backend);
    backend->bus(1)->transmit(0, 0xA1, 0x00);
    backend->bus(0)->transmit(0, 0xA1, 0x00);
    EXPECT_EQ(linesOf(capturePath), (std::vector<std::string>{"# kelvane bus capture 1", "0 F A100 ; bus 2: TERMINATE",
                                                              "0 F A100 ; bus 1: TERMINATE"}));
}

TEST(CaptureVariable, UnwritableCaptureIsReportedAndTheSimulationRunsWithoutIt) {
    ScopedEnvironment captureVariable("PELLIXKIT_CAPTURE", "/nonexistent/bus.txt");
    testing::internal::CaptureStderr();
    auto backend = kit::makeSimulatedBackend("demo");
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "PELLIXKIT_CAPTURE: cannot write the bus capture /nonexistent/bus.txt: No such file or directory\n");
    EXPECT_EQ(backend->enumerate().size(), 1u);
}
