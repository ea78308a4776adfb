#pragma once
// Forward frames as the tests compare them: "A3FA" per frame, in order.

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

inline std::vector<std::string> FrameTexts(const std::vector<uint16_t>& frames) {
    std::vector<std::string> texts;
    texts.reserve(frames.size());
    for (uint16_t frame : frames) {
        char text[8];
        std::snprintf(text, sizeof text, "%04X", frame);
        texts.emplace_back(text);
    }
    return texts;
}
