#pragma once
// Diagnostic trace: one whole line per call, handed to a sink (standard error
// by default). Lines end in CR LF, except the bit line, which ends in LF.

#include <QString>

#include <cstdint>
#include <functional>

using TraceSink = std::function<void(const QString& line)>;

// Installs the sink that receives every line; an empty sink restores standard
// error. Returns the previous sink. The sink is called under a lock, so lines
// from two threads never mix.
TraceSink SetTraceSink(TraceSink sink);

// Writes one line as it stands (no line end added).
void TraceLine(const QString& line);

void TraceText(const QString& prefix, const QString& text);                // "%s%s\r\n"
void TraceInt(const QString& prefix, int32_t value);                       // "%s%d\r\n"
void TraceIntGrouped(const QString& prefix, int32_t value, QChar separator);  // 1.179.647
void TraceHex32(const QString& prefix, uint32_t value);                    // "%s%08x\r\n"
void TraceHex8(const QString& prefix, uint8_t value);                      // "%s%02X\r\n"
void TraceBits24(const QString& prefix, uint32_t value);                   // " 0001 0001 ... 1111\n"
