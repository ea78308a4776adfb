#include "sim/bus_capture.h"

#include <string>

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

std::optional<BusFrame> parseCaptureLine(std::string_view line) {
    if (const size_t comment = line.find(" ;"); comment != std::string_view::npos)
        line = line.substr(0, comment);
    unsigned long long timeUs = 0;
    char kind = 0;
    char data[8] = {};
    int used = 0;
    const std::string text(line);
    if (std::sscanf(text.c_str(), "%llu %c %7s%n", &timeUs, &kind, data, &used) != 3 || size_t(used) != text.size())
        return std::nullopt;
    const std::string_view bytes(data);
    const auto hex = [](std::string_view digits, size_t count) -> std::optional<uint16_t> {
        if (digits.size() != count || digits.find_first_not_of("0123456789ABCDEF") != std::string_view::npos)
            return std::nullopt;
        return uint16_t(std::stoul(std::string(digits), nullptr, 16));
    };
    if (kind == 'F')
        if (const auto value = hex(bytes, 4))
            return BusFrame{timeUs, FrameKind::Forward, *value, {}};
    if (kind == 'B' && bytes == "!")
        return BusFrame{timeUs, FrameKind::Garbled, 0, {}};
    if (kind == 'B')
        if (const auto value = hex(bytes, 2))
            return BusFrame{timeUs, FrameKind::Backward, *value, {}};
    return std::nullopt;
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
