#include "sensors/Utf8.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace cdx {
namespace {

const std::string Fffd = "\xEF\xBF\xBD";

std::string replaced(std::string_view text)
{
    return toValidUtf8(text);
}

TEST(Utf8Test, WellFormedTextDecodesAndEncodesUnchanged)
{
    // One of each length, including the ends of each range.
    const std::string text = std::string("A\x7F") + "\xC2\x80" + "°" + "\xDF\xBF" + "\xE0\xA0\x80" + "€" +
                             "\xED\x9F\xBF" + "\xEE\x80\x80" + "\xEF\xBF\xBF" + "\xF0\x90\x80\x80" + "🔥" +
                             "\xF4\x8F\xBF\xBF" + Fffd;
    EXPECT_TRUE(isValidUtf8(text));
    EXPECT_EQ(replaced(text), text);
    EXPECT_EQ(utf8Length(text), 14u);
    std::size_t pos = 0;
    std::vector<char32_t> codes;
    while (pos < text.size()) {
        codes.push_back(decodeUtf8(text, pos));
    }
    const std::vector<char32_t> expected = {0x41,   0x7F,   0x80,   0xB0,    0x7FF,   0x800,    0x20AC,
                                            0xD7FF, 0xE000, 0xFFFF, 0x10000, 0x1F525, 0x10FFFF, 0xFFFD};
    EXPECT_EQ(codes, expected);
    std::string encoded;
    for (char32_t code : codes) {
        appendUtf8(encoded, code);
    }
    EXPECT_EQ(encoded, text);
}

TEST(Utf8Test, EveryBadFormReadsAsReplacementCharacters)
{
    struct Case {
        std::string input;
        std::string output;
    };
    const std::vector<Case> cases = {
        // Overlong forms of "/" and of U+0000, U+07FF, U+FFFF.
        {"\xC0\xAF", Fffd + Fffd},
        {"\xC1\xBF", Fffd + Fffd},
        {"\xE0\x80\xAF", Fffd + Fffd + Fffd},
        {"\xE0\x9F\xBF", Fffd + Fffd + Fffd},
        {"\xF0\x8F\xBF\xBF", Fffd + Fffd + Fffd + Fffd},
        // Surrogates, alone and as an encoded pair.
        {"\xED\xA0\x80", Fffd + Fffd + Fffd},
        {"\xED\xBF\xBF", Fffd + Fffd + Fffd},
        {"\xED\xA0\xBD\xED\xB4\xA5", Fffd + Fffd + Fffd + Fffd + Fffd + Fffd},
        // Above U+10FFFF, and lead bytes that never start a character.
        {"\xF4\x90\x80\x80", Fffd + Fffd + Fffd + Fffd},
        {"\xF5\x80", Fffd + Fffd},
        {"\xFE\xFF", Fffd + Fffd},
        // Stray continuation bytes.
        {"a\x80"
         "b\xBF",
         "a" + Fffd + "b" + Fffd},
        // Cut sequences: one replacement for the whole cut start, then the
        // following character is kept.
        {"\xE2\x82", Fffd},
        {"\xE2\x82"
         "A",
         Fffd + "A"},
        {"\xF0\x9F\x94", Fffd},
        {"\xF0\x9F\x94\xF0\x9F\x94\xA5", Fffd + "🔥"},
        {"°\xC2", "°" + Fffd},
        // A Latin-1 byte in the middle of text.
        {"caf\xE9 ok", "caf" + Fffd + " ok"},
    };
    for (const Case& c : cases) {
        const std::string& expected = c.output;
        EXPECT_FALSE(isValidUtf8(c.input)) << c.input;
        EXPECT_EQ(replaced(c.input), expected) << c.input;
        EXPECT_TRUE(isValidUtf8(replaced(c.input)));
        // Lengths count each replacement as one character.
        EXPECT_EQ(utf8Length(c.input), utf8Length(expected)) << c.input;
    }
    // Code points that have no UTF-8 form are written as U+FFFD.
    std::string out;
    appendUtf8(out, 0xD800);
    appendUtf8(out, 0x110000);
    EXPECT_EQ(out, Fffd + Fffd);
}

TEST(Utf8Test, CutsFallOnCharacterBoundaries)
{
    EXPECT_EQ(utf8Left("a°b°c", 2), "a°");
    EXPECT_EQ(utf8Left("a°b°c", 0), "");
    EXPECT_EQ(utf8Left("ab", 5), "ab");
    EXPECT_EQ(utf8Left("🔥🔥", 1), "🔥");
    // A bad part counts as one character and is kept as it stands.
    EXPECT_EQ(utf8Left("\xE2\x82"
                       "AB",
                       2),
              "\xE2\x82"
              "A");

    EXPECT_EQ(utf8FittingBytes("a°", 2), 1u);
    EXPECT_EQ(utf8FittingBytes("a°", 3), 3u);
    EXPECT_EQ(utf8FittingBytes("🔥", 3), 0u);
    EXPECT_EQ(utf8FittingBytes(std::string(300, 'b'), 255), 255u);
    std::string name(254, 'a');
    name += "é";
    EXPECT_EQ(utf8FittingBytes(name, 255), 254u);
}

TEST(Utf8Test, Utf16LeRoundTripAndRejectsLoneSurrogates)
{
    const std::string text = "A°€🔥";
    const std::vector<std::uint8_t> units = utf8ToUtf16Le(text);
    const std::vector<std::uint8_t> expected = {0x41, 0x00, 0xB0, 0x00, 0xAC, 0x20, 0x3D, 0xD8, 0x25, 0xDD};
    EXPECT_EQ(units, expected);
    EXPECT_EQ(utf16LeToUtf8(units.data(), units.size()), text);
    EXPECT_EQ(utf16LeToUtf8(units.data(), 0), "");

    // Bad UTF-8 goes out as U+FFFD, never as a broken unit.
    const std::vector<std::uint8_t> bad = utf8ToUtf16Le("\xFF");
    EXPECT_EQ(bad, (std::vector<std::uint8_t>{0xFD, 0xFF}));

    const std::vector<std::vector<std::uint8_t>> malformed = {
        {0x41},                   // odd count
        {0x3D, 0xD8},             // high surrogate at the end
        {0x3D, 0xD8, 0x41, 0x00}, // high surrogate before a plain unit
        {0x25, 0xDD, 0x3D, 0xD8}, // pair in the wrong order
    };
    for (const auto& bytes : malformed) {
        EXPECT_FALSE(utf16LeToUtf8(bytes.data(), bytes.size()).has_value());
    }
}

} // namespace
} // namespace cdx
