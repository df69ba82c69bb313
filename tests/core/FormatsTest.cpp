#include "sensors/Formats.h"

#include <gtest/gtest.h>

namespace cdx {
namespace {

TEST(FormatsTest, GeneralAndFixedNotationWithTheSeparatorAndHalvesToEven)
{
    EXPECT_EQ(formatGeneral(45.0), "45");
    EXPECT_EQ(formatGeneral(113.4), "113.4");
    EXPECT_EQ(formatGeneral(3.3 + 0.1), "3.4");
    EXPECT_EQ(formatGeneral(23.0 * 1.8 + 32), "73.4");
    EXPECT_EQ(formatGeneral(-0.0), "0");
    EXPECT_EQ(formatGeneral(-12.5), "-12.5");
    EXPECT_EQ(formatGeneral(1e20), "1E20");
    EXPECT_EQ(formatGeneral(1.5e-7), "1.5E-7");
    EXPECT_EQ(formatGeneral(113.4, ","), "113,4");

    EXPECT_EQ(formatFixed(3.3, 2), "3.30");
    EXPECT_EQ(formatFixed(-11.999, 2), "-12.00");
    EXPECT_EQ(formatFixed(-0.001, 2), "0.00");
    EXPECT_EQ(formatFixed(45.0, 0), "45");
    EXPECT_EQ(formatFixed(3.3, 2, ","), "3,30");

    // Rounding takes halves to even.
    EXPECT_EQ(roundHalfEven(44.5), 44);
    EXPECT_EQ(roundHalfEven(45.5), 46);
    EXPECT_EQ(roundHalfEven(-0.5), 0);
    EXPECT_EQ(roundHalfEven(-1.5), -2);
    EXPECT_EQ(roundHalfEven(78.8), 79);
}

TEST(FormatsTest, PaddingCountsCharactersAndDatesFollowThePatterns)
{
    EXPECT_EQ(padRight("45°C", 6), "45°C  ");
    EXPECT_EQ(padLeft("45°C", 6), "  45°C");
    EXPECT_EQ(padRight("toolongtext", 4), "toolongtext");
    EXPECT_EQ(padLeft("", 3), "   ");

    const LocalDateTime when{2026, 3, 7, 9, 5, 4, 0};
    RegionalFormats formats;
    formats.shortDatePattern = "%d.%m.%Y";
    formats.longTimePattern = "%H:%M:%S";
    EXPECT_EQ(formatShortDate(when, formats), "07.03.2026");
    EXPECT_EQ(formatLongTime(when, formats), "09:05:04");
}

} // namespace
} // namespace cdx
