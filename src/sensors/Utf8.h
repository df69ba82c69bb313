#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cdx {

// UTF-8 as every text of the program is held. Bad input follows one policy
// throughout: a byte sequence that is not well-formed UTF-8 (a stray
// continuation byte, a cut sequence, an overlong form, a surrogate, a value
// above U+10FFFF) reads as U+FFFD, one for each maximal part of a sequence
// that could still have begun a character, as Unicode recommends. Lengths
// and cuts count such a part as one character.

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// The character at `pos`, moving `pos` past it; U+FFFD and `pos` past the
// bad part when the bytes there are not well-formed. `pos` must be inside.
char32_t decodeUtf8(std::string_view text, std::size_t& pos);

// Appends the UTF-8 form of `code`; a surrogate or a value above U+10FFFF
// appends U+FFFD.
void appendUtf8(std::string& out, char32_t code);

bool isValidUtf8(std::string_view text);

// The text with every bad part replaced by U+FFFD.
std::string toValidUtf8(std::string_view text);

// The number of characters.
std::size_t utf8Length(std::string_view text);

// The first `maxChars` characters, never cutting one.
std::string utf8Left(std::string_view text, std::size_t maxChars);

// The number of bytes of the longest start of `text` that is at most
// `maxBytes` long and ends at a character boundary.
std::size_t utf8FittingBytes(std::string_view text, std::size_t maxBytes);

// UTF-16LE bytes, characters above U+FFFF as surrogate pairs; bad parts of
// the text become U+FFFD.
std::vector<std::uint8_t> utf8ToUtf16Le(std::string_view text);

// The UTF-8 text of UTF-16LE bytes, or nothing when they are not
// well-formed: an odd count or an unpaired surrogate.
std::optional<std::string> utf16LeToUtf8(const std::uint8_t* bytes, std::size_t size);

} // namespace cdx
