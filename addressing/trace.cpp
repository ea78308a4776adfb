#include "addressing/trace.h"

#include <cstdio>
#include <mutex>

namespace {

void writeToStandardError(const QString& line) {
    const QByteArray bytes = line.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

struct TraceChannel {
    std::mutex lock;
    TraceSink sink = writeToStandardError;
};

TraceChannel& channel() {
    static TraceChannel instance;
    return instance;
}

const QString kLineEnd = QStringLiteral("\r\n");

}  // namespace

TraceSink SetTraceSink(TraceSink sink) {
    TraceChannel& c = channel();
    std::lock_guard guard(c.lock);
    TraceSink previous = std::move(c.sink);
    c.sink = sink ? std::move(sink) : TraceSink(writeToStandardError);
    return previous;
}

void TraceLine(const QString& line) {
    TraceChannel& c = channel();
    std::lock_guard guard(c.lock);
    c.sink(line);
}

void TraceText(const QString& prefix, const QString& text) { TraceLine(prefix + text + kLineEnd); }

void TraceInt(const QString& prefix, int32_t value) { TraceLine(prefix + QString::number(value) + kLineEnd); }

void TraceIntGrouped(const QString& prefix, int32_t value, QChar separator) {
    QString digits = QString::number(value);
    // Group the digits only: a minus sign must not be followed by a separator.
    const qsizetype firstDigit = value < 0 ? 1 : 0;
    for (qsizetype p = digits.size() - 3; p > firstDigit; p -= 3)
        digits.insert(p, separator);
    TraceLine(prefix + digits + kLineEnd);
}

void TraceHex32(const QString& prefix, uint32_t value) {
    TraceLine(prefix + QStringLiteral("%1").arg(value, 8, 16, QLatin1Char('0')) + kLineEnd);
}

void TraceHex8(const QString& prefix, uint8_t value) {
    TraceLine(prefix + QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper() + kLineEnd);
}

void TraceBits24(const QString& prefix, uint32_t value) {
    // The value is taken as signed and widened, as the bit text of a negative
    // number would be; only bits 23..0 are shown anyway.
    const int64_t widened = int32_t(value);
    QString out;
    for (int group = 5; group >= 0; --group) {
        out += QLatin1Char(' ');
        for (int bit = group * 4 + 3; bit >= group * 4; --bit)
            out += QLatin1Char((widened >> bit) & 1 ? '1' : '0');
    }
    TraceLine(prefix + out + QLatin1Char('\n'));
}
