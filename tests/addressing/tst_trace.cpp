#include "addressing/trace.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <thread>

namespace {

// Captures every trace line while it lives; restores the previous sink after.
class TraceCapture {
public:
    TraceCapture() : previous_(SetTraceSink([this](const QString& line) { lines.append(line); })) {}
    ~TraceCapture() { SetTraceSink(previous_); }

    QStringList lines;

private:
    TraceSink previous_;
};

TEST(TraceTest, TextAndInt) {
    TraceCapture capture;
    TraceText(QStringLiteral(""), QStringLiteral("Adressierung...."));
    TraceText(QStringLiteral("COMPARE FULL: "), QStringLiteral("erfolgreich"));
    TraceInt(QStringLiteral("WM_OWN_COMMAND_CLICK: "), 12);
    TraceInt(QStringLiteral("v: "), -42);
    TraceInt(QStringLiteral("v: "), INT32_MIN);
    EXPECT_EQ(capture.lines, QStringList({
                                 QStringLiteral("Adressierung....\r\n"),
                                 QStringLiteral("COMPARE FULL: erfolgreich\r\n"),
                                 QStringLiteral("WM_OWN_COMMAND_CLICK: 12\r\n"),
                                 QStringLiteral("v: -42\r\n"),
                                 QStringLiteral("v: -2147483648\r\n"),
                             }));
}

TEST(TraceTest, Hex) {
    TraceCapture capture;
    TraceHex32(QStringLiteral("Random Result (HEX): "), 0x11FFFF);
    TraceHex32(QStringLiteral("h: "), 0xFFFFFFFF);
    TraceHex32(QStringLiteral("h: "), 0);
    TraceHex8(QStringLiteral("dalikit_Command_QueryShortAddress: "), 0x05);
    TraceHex8(QStringLiteral("b: "), 0x7F);
    TraceHex8(QStringLiteral("b: "), 0xAB);
    EXPECT_EQ(capture.lines, QStringList({
                                 QStringLiteral("Random Result (HEX): 0011ffff\r\n"),
                                 QStringLiteral("h: ffffffff\r\n"),
                                 QStringLiteral("h: 00000000\r\n"),
                                 QStringLiteral("dalikit_Command_QueryShortAddress: 05\r\n"),
                                 QStringLiteral("b: 7F\r\n"),
                                 QStringLiteral("b: AB\r\n"),
                             }));
}

TEST(TraceTest, IntGroupedPutsSeparatorBetweenGroupsOfThree) {
    TraceCapture capture;
    const QChar dot = QLatin1Char('.');
    TraceIntGrouped(QStringLiteral("Random Result (INT): "), 1179647, dot);
    TraceIntGrouped(QStringLiteral(""), 0, dot);
    TraceIntGrouped(QStringLiteral(""), 999, dot);
    TraceIntGrouped(QStringLiteral(""), 1000, dot);
    TraceIntGrouped(QStringLiteral(""), 123456, dot);
    TraceIntGrouped(QStringLiteral(""), 0xFFFFFF, dot);
    TraceIntGrouped(QStringLiteral(""), 1234567, QLatin1Char(','));
    // The sign is not a digit: it never gets a separator after it.
    TraceIntGrouped(QStringLiteral(""), -100, dot);
    TraceIntGrouped(QStringLiteral(""), -123456, dot);
    TraceIntGrouped(QStringLiteral(""), -1000, dot);
    EXPECT_EQ(capture.lines, QStringList({
                                 QStringLiteral("Random Result (INT): 1.179.647\r\n"),
                                 QStringLiteral("0\r\n"),
                                 QStringLiteral("999\r\n"),
                                 QStringLiteral("1.000\r\n"),
                                 QStringLiteral("123.456\r\n"),
                                 QStringLiteral("16.777.215\r\n"),
                                 QStringLiteral("1,234,567\r\n"),
                                 QStringLiteral("-100\r\n"),
                                 QStringLiteral("-123.456\r\n"),
                                 QStringLiteral("-1.000\r\n"),
                             }));
}

TEST(TraceTest, Bits24EndsInLineFeedOnly) {
    TraceCapture capture;
    TraceBits24(QStringLiteral("Random Result (BIT): "), 0x11FFFF);
    TraceBits24(QStringLiteral(""), 0);
    TraceBits24(QStringLiteral("x:"), 0xFF800001);  // bits above 23 are not shown
    TraceBits24(QStringLiteral("x:"), 0x00A5C3);
    EXPECT_EQ(capture.lines, QStringList({
                                 QStringLiteral("Random Result (BIT):  0001 0001 1111 1111 1111 1111\n"),
                                 QStringLiteral(" 0000 0000 0000 0000 0000 0000\n"),
                                 QStringLiteral("x: 1000 0000 0000 0000 0000 0001\n"),
                                 QStringLiteral("x: 0000 0000 1010 0101 1100 0011\n"),
                             }));
}

TEST(TraceTest, SetTraceSinkReturnsPreviousSink) {
    QStringList first;
    QStringList second;
    const TraceSink original = SetTraceSink([&first](const QString& line) { first.append(line); });
    TraceText(QStringLiteral("a"), QStringLiteral("1"));
    const TraceSink firstSink = SetTraceSink([&second](const QString& line) { second.append(line); });
    TraceText(QStringLiteral("b"), QStringLiteral("2"));
    SetTraceSink(firstSink);
    TraceText(QStringLiteral("c"), QStringLiteral("3"));
    SetTraceSink(original);
    EXPECT_EQ(first, QStringList({QStringLiteral("a1\r\n"), QStringLiteral("c3\r\n")}));
    EXPECT_EQ(second, QStringList({QStringLiteral("b2\r\n")}));
}

// The sink appends to one buffer without its own lock; only the trace lock
// keeps the two writers apart, so every line must arrive whole and in order.
TEST(TraceTest, LinesFromTwoThreadsNeverMix) {
    constexpr int kLinesPerThread = 5000;
    QString buffer;
    const TraceSink previous = SetTraceSink([&buffer](const QString& line) {
        for (QChar c : line)  // one character at a time, to widen any window
            buffer.append(c);
    });
    auto writer = [](QChar name) {
        for (int i = 0; i < kLinesPerThread; ++i)
            TraceInt(QStringLiteral("thread %1 line: ").arg(name), i);
    };
    std::thread a(writer, QLatin1Char('A'));
    std::thread b(writer, QLatin1Char('B'));
    a.join();
    b.join();
    SetTraceSink(previous);

    ASSERT_TRUE(buffer.endsWith(QStringLiteral("\r\n")));
    const QStringList lines = buffer.chopped(2).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 2 * kLinesPerThread);
    int next[2] = {0, 0};
    for (const QString& line : lines) {
        ASSERT_TRUE(line.startsWith(QStringLiteral("thread A line: ")) ||
                    line.startsWith(QStringLiteral("thread B line: ")))
            << line.toStdString();
        const int writerIndex = line[7] == QLatin1Char('A') ? 0 : 1;
        bool ok = false;
        const int value = line.mid(15).toInt(&ok);
        ASSERT_TRUE(ok) << line.toStdString();
        ASSERT_EQ(value, next[writerIndex]) << line.toStdString();
        ++next[writerIndex];
    }
    EXPECT_EQ(next[0], kLinesPerThread);
    EXPECT_EQ(next[1], kLinesPerThread);
}

}  // namespace
