#include "devices/level_text.h"

#include <gtest/gtest.h>

namespace {

const QString kMask = QStringLiteral("MASK");

TEST(LevelTextTest, MaskWhateverTheCurve) {
    EXPECT_EQ(LevelText(255, 0), kMask);
    EXPECT_EQ(LevelText(255, 1), kMask);
    EXPECT_EQ(LevelText(255, 6), kMask);
}

TEST(LevelTextTest, LinearCurveHasNoTrailingBlank) {
    EXPECT_EQ(LevelText(254, 1), QStringLiteral("100.000%"));
    EXPECT_EQ(LevelText(127, 1), QStringLiteral("50.000%"));
    EXPECT_EQ(LevelText(0, 1), QStringLiteral("0.000%"));
    EXPECT_EQ(LevelText(1, 1), QStringLiteral("0.394%"));     // 100 / 254
    EXPECT_EQ(LevelText(128, 2), QStringLiteral("50.394%"));  // any non-zero curve is linear
}

TEST(LevelTextTest, LogarithmicCurveEndsInOneBlank) {
    EXPECT_EQ(LevelText(0, 0), QStringLiteral("0.000% "));
    EXPECT_EQ(LevelText(1, 0), QStringLiteral("0.100% "));
    EXPECT_EQ(LevelText(254, 0), QStringLiteral("100.000% "));
    EXPECT_EQ(LevelText(103, 0), QStringLiteral("1.650% "));
    // 10^(127 / (253 / 3) - 1) = 3.20574...
    EXPECT_EQ(LevelText(128, 0), QStringLiteral("3.206% "));
    EXPECT_EQ(LevelText(253, 0), QStringLiteral("97.307% "));
}

TEST(DimmingCurveTableTest, FormulaEntries) {
    const auto& table = DimmingCurveTable();
    EXPECT_DOUBLE_EQ(table[0], 0.0);
    EXPECT_DOUBLE_EQ(table[1], 0.100);
    EXPECT_DOUBLE_EQ(table[2], 0.103);
    EXPECT_DOUBLE_EQ(table[128], 3.206);
    EXPECT_DOUBLE_EQ(table[253], 97.307);
    EXPECT_DOUBLE_EQ(table[254], 100.000);
}

// These entries differ from the rounded formula (38 would be 0.275, 103 1.620, ...).
TEST(DimmingCurveTableTest, ExceptionalEntriesAndTheirTexts) {
    struct Entry {
        int level;
        double percent;
        const char* text;
    };
    const Entry entries[] = {
        {38, 0.274, "0.274% "},  {55, 0.434, "0.434% "},    {76, 0.774, "0.774% "},
        {103, 1.650, "1.650% "}, {115, 2.245, "2.245% "},   {129, 3.297, "3.297% "},
        {132, 3.578, "3.578% "}, {190, 17.442, "17.442% "}, {207, 27.712, "27.712% "},
    };
    const auto& table = DimmingCurveTable();
    for (const Entry& entry : entries) {
        EXPECT_DOUBLE_EQ(table[size_t(entry.level)], entry.percent) << "level " << entry.level;
        EXPECT_EQ(LevelText(uint8_t(entry.level), 0), QString::fromLatin1(entry.text)) << "level " << entry.level;
    }
}

// A mistyped exception would very likely break the curve's rise.
TEST(DimmingCurveTableTest, RisesStrictlyFromLevelOne) {
    const auto& table = DimmingCurveTable();
    for (size_t n = 2; n < table.size(); ++n)
        EXPECT_LT(table[n - 1], table[n]) << "level " << n;
}

}  // namespace
