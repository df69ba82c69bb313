#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace cdx {

// The text form of a colour 0x00BBGGRR (high bit set: the system colour whose
// index is in the low byte): its name when it has one (clSilver), otherwise
// "$" and eight upper-case hexadecimal digits ("$00123456").
std::string colourToText(std::uint32_t colour);

// Reads a colour name (any case), "$" and 1 to 8 hexadecimal digits, or a
// decimal number from -2147483648 to 4294967295 (negative numbers stand for
// their 32-bit two's complement). Anything else, the empty text included,
// gives nothing.
std::optional<std::uint32_t> colourFromText(std::string_view text);

} // namespace cdx
