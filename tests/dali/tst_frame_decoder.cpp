// The stateful decoder: device type context for one frame, send-twice pairs.

#include "dali/frame_decoder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using dali::FrameDecoder;

struct Fed {
    uint64_t timeUs;
    uint8_t first, second;
};

struct Heard {
    std::string name;  // frameName in the decoded context
    int deviceType;
    bool firstCopy, repeat;
    bool operator==(const Heard&) const = default;
};

void PrintTo(const Heard& h, std::ostream* out) {
    *out << h.name << " dt" << h.deviceType << (h.firstCopy ? " first" : "") << (h.repeat ? " repeat" : "");
}

std::vector<Heard> hear(const std::vector<Fed>& frames) {
    FrameDecoder decoder;
    std::vector<Heard> heard;
    for (const Fed& f : frames) {
        const FrameDecoder::Decoded d = decoder.feed(f.timeUs, f.first, f.second);
        heard.push_back({dali::frameName(f.first, f.second, d.deviceType), d.deviceType, d.firstCopy, d.repeat});
    }
    return heard;
}

TEST(FrameDecoder, EnableHoldsForOneFrameAndForTheRepeatOfAConfigurationCommand) {
    EXPECT_EQ(hear({{0, 0xC1, 6}, {30'000, 0x0B, 0xE3}, {60'000, 0x0B, 0xE3}, {90'000, 0x0B, 0xEE}}),
              (std::vector<Heard>{{"ENABLE DEVICE TYPE 0x06", -1, false, false},
                                  {"SELECT DIMMING CURVE", 6, true, false},
                                  {"SELECT DIMMING CURVE", 6, false, true},
                                  {"UNKNOWN 0x0B 0xEE", -1, false, false}}));
}

TEST(FrameDecoder, EmergencyCommandsAreNamedAfterEnableDeviceType1) {
    EXPECT_EQ(hear({{0, 0xC1, 1},
                    {30'000, 0x0B, 0xE4},
                    {60'000, 0x0B, 0xE4},
                    {90'000, 0xC1, 1},
                    {120'000, 0x0B, 0xFD},
                    {150'000, 0x0B, 0xFD}}),
              (std::vector<Heard>{{"ENABLE DEVICE TYPE 0x01", -1, false, false},
                                  {"START DURATION TEST", 1, true, false},
                                  {"START DURATION TEST", 1, false, true},
                                  {"ENABLE DEVICE TYPE 0x01", -1, false, false},
                                  {"QUERY EMERGENCY STATUS", 1, false, false},
                                  {"UNKNOWN 0x0B 0xFD", -1, false, false}}));
}

TEST(FrameDecoder, APairNeedsTheIdenticalFrameWithin100MsAndNothingBetween) {
    EXPECT_EQ(hear({{0, 0xFF, 0x20}, {100'001, 0xFF, 0x20},  // too late: a new first copy
                    {200'000, 0xFF, 0x20},                    // its repeat
                    {230'000, 0xFF, 0x20},                    // a third copy: first again
                    {260'000, 0xA3, 0x00}, {290'000, 0xFF, 0x20}}),
              (std::vector<Heard>{{"RESET", -1, true, false},
                                  {"RESET", -1, true, false},
                                  {"RESET", -1, false, true},
                                  {"RESET", -1, true, false},
                                  {"DTR0 0x00", -1, false, false},
                                  {"RESET", -1, true, false}}));
}

TEST(FrameDecoder, ColourCommandsAfterEnableDeviceType8) {
    EXPECT_EQ(hear({{0, 0xC1, 8}, {30'000, 0x0B, 0xF2}, {60'000, 0x0B, 0xF2},  // a stored limit and its repeat
                    {90'000, 0xC1, 8}, {120'000, 0x0B, 0xE2},                  // ACTIVATE
                    {150'000, 0x0B, 0xE2}}),                                   // not enabled any more
              (std::vector<Heard>{{"ENABLE DEVICE TYPE 0x08", -1, false, false},
                                  {"STORE COLOUR TEMPERATURE Tc LIMIT", 8, true, false},
                                  {"STORE COLOUR TEMPERATURE Tc LIMIT", 8, false, true},
                                  {"ENABLE DEVICE TYPE 0x08", -1, false, false},
                                  {"ACTIVATE", 8, false, false},
                                  {"UNKNOWN 0x0B 0xE2", -1, false, false}}));
}

TEST(FrameDecoder, AnotherDeviceTypeOpensNoKnownSpaceAndResetForgets) {
    FrameDecoder decoder;
    decoder.feed(0, 0xC1, 7);  // a device type without a table
    const FrameDecoder::Decoded unknown = decoder.feed(30'000, 0x0B, 0xE3);
    EXPECT_EQ(unknown.deviceType, 7);
    EXPECT_EQ(unknown.meaning.command, nullptr);
    decoder.feed(60'000, 0xC1, 6);
    decoder.reset();
    EXPECT_EQ(decoder.feed(90'000, 0x0B, 0xE3).deviceType, -1);
}

}  // namespace
