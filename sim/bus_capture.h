#pragma once
// Bus capture: every frame on a simulated bus as one text line, so any run can
// be checked afterwards. Format (version 1):
//
//   # kelvane bus capture 1                 first line
//   <us> F <4 hex digits>[ ; comment]      forward frame, e.g. "1523000 F A300 ; DTR0 0x00"
//   <us> B <2 hex digits>[ ; comment]      backward frame, e.g. "1550100 B FF"
//   <us> B ![ ; comment]                   garbled backward frame (collision, frame error)
//
// <us> is the frame's start on the simulated clock in decimal microseconds;
// hex digits are upper case. Everything from " ;" to the line end is a comment
// for people (the decoded command, the bus of a multi-interface scenario) and
// is ignored by readers.

#include "sim/bus_frame.h"

#include <cstdio>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

namespace sim {

// The capture line of a frame, without the line end. `busLabel` (may be empty)
// starts the comment: "bus 2: QUERY STATUS, short 5".
std::string captureLine(const BusFrame& frame, std::string_view busLabel = {});

// The frame of a capture line; nothing for the header, comments, empty lines
// and lines that are not frames. The comment is not kept.
std::optional<BusFrame> parseCaptureLine(std::string_view line);

// A capture file shared by the buses of one simulated backend. Every line is
// written through at once, so a killed process loses nothing. Thread safe.
class BusCapture {
public:
    static constexpr std::string_view kHeader = "# kelvane bus capture 1";

    // Creates the file (an existing one is replaced) and writes the header.
    // Returns null and sets `error` when the file cannot be written.
    static std::shared_ptr<BusCapture> create(const std::string& path, std::string& error);
    ~BusCapture();
    BusCapture(const BusCapture&) = delete;
    BusCapture& operator=(const BusCapture&) = delete;

    void append(const BusFrame& frame, std::string_view busLabel = {});

private:
    explicit BusCapture(std::FILE* file) : file_(file) {}
    void writeLine(const std::string& line);

    std::mutex lock_;
    std::FILE* file_;
};

}  // namespace sim
