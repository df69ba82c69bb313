#include "sensors/Utf8.h"

namespace cdx {

namespace {

bool inRange(unsigned char byte, unsigned char low, unsigned char high)
{
    return byte >= low && byte <= high;
}

bool isSurrogate(char32_t code)
{
    return code >= 0xD800 && code <= 0xDFFF;
}

// Decodes the character at `pos`; `valid` tells a real U+FFFD from a
// replaced bad part.
char32_t decode(std::string_view text, std::size_t& pos, bool& valid)
{
    valid = false;
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80) {
        ++pos;
        valid = true;
        return lead;
    }
    // The lead byte fixes the length and the range of the second byte; the
    // narrowed ranges shut out overlong forms, surrogates and values above
    // U+10FFFF.
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    char32_t code = 0;
    if (inRange(lead, 0xC2, 0xDF)) {
        length = 2;
        code = lead & 0x1Fu;
    } else if (inRange(lead, 0xE0, 0xEF)) {
        length = 3;
        code = lead & 0x0Fu;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (inRange(lead, 0xF0, 0xF4)) {
        length = 4;
        code = lead & 0x07u;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        ++pos;
        return kReplacementCharacter;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if (pos + i >= text.size()) {
            pos += i;
            return kReplacementCharacter;
        }
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if (!inRange(next, i == 1 ? low : 0x80, i == 1 ? high : 0xBF)) {
            pos += i;
            return kReplacementCharacter;
        }
        code = (code << 6) | (next & 0x3Fu);
    }
    pos += length;
    valid = true;
    return code;
}

} // namespace

char32_t decodeUtf8(std::string_view text, std::size_t& pos)
{
    bool valid = false;
    return decode(text, pos, valid);
}

void appendUtf8(std::string& out, char32_t code)
{
    if (isSurrogate(code) || code > 0x10FFFF) {
        code = kReplacementCharacter;
    }
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

bool isValidUtf8(std::string_view text)
{
    bool valid = true;
    for (std::size_t pos = 0; pos < text.size() && valid;) {
        decode(text, pos, valid);
    }
    return valid;
    return true;
}

std::string toValidUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        appendUtf8(out, decodeUtf8(text, pos));
    }
    return out;
}

std::size_t utf8Length(std::string_view text)
{
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); ++count) {
        decodeUtf8(text, pos);
    }
    return count;
}

std::string utf8Left(std::string_view text, std::size_t maxChars)
{
    std::size_t pos = 0;
    for (std::size_t count = 0; count < maxChars && pos < text.size(); ++count) {
        decodeUtf8(text, pos);
    }
    return std::string(text.substr(0, pos));
}

std::size_t utf8FittingBytes(std::string_view text, std::size_t maxBytes)
{
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t next = pos;
        decodeUtf8(text, next);
        if (next > maxBytes) {
            break;
        }
        pos = next;
    }
    return pos;
}

std::vector<std::uint8_t> utf8ToUtf16Le(std::string_view text)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(text.size() * 2);
    auto unit = [&bytes](char32_t u) {
        bytes.push_back(static_cast<std::uint8_t>(u & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>((u >> 8) & 0xFF));
    };
    for (std::size_t pos = 0; pos < text.size();) {
        const char32_t code = decodeUtf8(text, pos);
        if (code >= 0x10000) {
            unit(0xD800 + ((code - 0x10000) >> 10));
            unit(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            unit(code);
        }
    }
    return bytes;
}

std::optional<std::string> utf16LeToUtf8(const std::uint8_t* bytes, std::size_t size)
{
    if (size % 2 != 0) {
        return std::nullopt;
    }
    const std::size_t count = size / 2;
    auto unitAt = [bytes](std::size_t k) { return static_cast<char32_t>(bytes[2 * k] | (bytes[2 * k + 1] << 8)); };
    std::string text;
    text.reserve(count);
    for (std::size_t k = 0; k < count; ++k) {
        char32_t code = unitAt(k);
        if (code >= 0xD800 && code <= 0xDBFF) {
            if (k + 1 >= count || unitAt(k + 1) < 0xDC00 || unitAt(k + 1) > 0xDFFF) {
                return std::nullopt;
            }
            code = 0x10000 + ((code - 0xD800) << 10) + (unitAt(k + 1) - 0xDC00);
            ++k;
        } else if (isSurrogate(code)) {
            return std::nullopt;
        }
        appendUtf8(text, code);
    }
    return text;
}

} // namespace cdx
