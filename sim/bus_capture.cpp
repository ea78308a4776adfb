#include "sim/bus_capture.h"

#include <cerrno>
#include <cstring>

namespace sim {

std::string captureLine(const BusFrame& frame, std::string_view busLabel) {
    char head[48];
    switch (frame.kind) {
        case FrameKind::Forward:
            std::snprintf(head, sizeof head, "%llu F %04X", static_cast<unsigned long long>(frame.timeUs), frame.data);
            break;
        case FrameKind::Backward:
            std::snprintf(head, sizeof head, "%llu B %02X", static_cast<unsigned long long>(frame.timeUs),
                          frame.data & 0xFF);
            break;
        case FrameKind::Garbled:
            std::snprintf(head, sizeof head, "%llu B !", static_cast<unsigned long long>(frame.timeUs));
            break;
    }
    std::string comment(busLabel);
    if (!frame.name.empty())
        comment += comment.empty() ? frame.name : ": " + frame.name;
    std::string line(head);
    if (!comment.empty())
        line += " ; " + comment;
    return line;
}

std::shared_ptr<BusCapture> BusCapture::create(const std::string& path, std::string& error) {
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (!file) {
        error = "cannot write the bus capture " + path + ": " + std::strerror(errno);
        return nullptr;
    }
    std::shared_ptr<BusCapture> capture(new BusCapture(file));
    capture->writeLine(std::string(kHeader));
    return capture;
}

BusCapture::~BusCapture() { std::fclose(file_); }

void BusCapture::append(const BusFrame& frame, std::string_view busLabel) { writeLine(captureLine(frame, busLabel)); }

void BusCapture::writeLine(const std::string& line) {
    std::lock_guard guard(lock_);
    std::fputs(line.c_str(), file_);
    std::fputc('\n', file_);
    std::fflush(file_);
}

}  // namespace sim
