#include "settings/ColourText.h"

#include <gtest/gtest.h>

#include "settings/PathLabel.h"

namespace cdx {
namespace {

TEST(ColourTextTest, NamedColoursAreWrittenByNameOthersAsEightHexDigitsAndAllReadBack)
{
    const std::pair<std::uint32_t, const char*> cases[] = {
        {0x00C0C0C0, "clSilver"},  {0x00000000, "clBlack"},   {0x00FFFF00, "clAqua"},      {0x8000000F, "clBtnFace"},
        {0x80000018, "clInfoBk"},  {0x00123456, "$00123456"}, {0x00ABCDEF, "$00ABCDEF"},   {0x80000019, "$80000019"},
        {0x00010203, "$00010203"}, {0x00FFFFFE, "$00FFFFFE"}, {0x80000000, "clScrollBar"}, {0xFFFFFFFF, "$FFFFFFFF"}};
    for (const auto& [colour, text] : cases) {
        EXPECT_EQ(colourToText(colour), text);
        EXPECT_EQ(colourFromText(text), colour) << text;
    }
}

TEST(ColourTextTest, ReadsNamesInAnyCaseHexAndDecimalAndNothingElse)
{
    EXPECT_EQ(colourFromText("clSilver"), 0x00C0C0C0u);
    EXPECT_EQ(colourFromText("CLSILVER"), 0x00C0C0C0u);
    EXPECT_EQ(colourFromText("cl3ddkshadow"), 0x80000015u);
    EXPECT_EQ(colourFromText("$00abcdef"), 0x00ABCDEFu);
    EXPECT_EQ(colourFromText("$FF"), 0xFFu);
    EXPECT_EQ(colourFromText("255"), 255u);
    EXPECT_EQ(colourFromText("-2147483648"), 0x80000000u);
    EXPECT_EQ(colourFromText("-1"), 0xFFFFFFFFu);
    EXPECT_EQ(colourFromText("4294967295"), 0xFFFFFFFFu);

    for (const char* text : {"", "clSilverish", "silver", "$", "$123456789", "$12G4", "12a", " 12", "4294967296",
                             "-2147483649", "+", "$-1", "1.5"}) {
        EXPECT_FALSE(colourFromText(text).has_value()) << text;
    }
}

TEST(PathLabelTest, ShowsTheFileNameOrNone)
{
    EXPECT_EQ(pathLabel(""), "[none]");
    EXPECT_EQ(pathLabel("C:\\Sounds\\alarm.wav"), "alarm.wav");
    EXPECT_EQ(pathLabel("C:alarm.wav"), "alarm.wav");
    EXPECT_EQ(pathLabel("/usr/share/sounds/alarm.wav"), "alarm.wav");
    EXPECT_EQ(pathLabel("alarm.wav"), "alarm.wav");
    EXPECT_EQ(pathLabel("/tmp/"), "");
}

} // namespace
} // namespace cdx
