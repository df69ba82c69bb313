#include "logs/LogText.h"

#include <cstdint>

namespace cdx {
namespace {

constexpr char32_t ReplacementCharacter = 0xFFFD;

// Decodes the character at `pos`, moving `pos` past it. An invalid or cut
// sequence gives U+FFFD and moves past its first byte only.
char32_t decodeUtf8(std::string_view text, std::size_t& pos)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    std::size_t length = 0;
    char32_t code = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        code = lead & 0x1F;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        code = lead & 0x0F;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        code = lead & 0x07;
        minimum = 0x10000;
    } else {
        ++pos;
        return ReplacementCharacter;
    }
    if (pos + length > text.size()) {
        ++pos;
        return ReplacementCharacter;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return ReplacementCharacter;
        }
        code = (code << 6) | (next & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        ++pos;
        return ReplacementCharacter;
    }
    pos += length;
    return code;
}

void appendUtf8(std::string& out, char32_t code)
{
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

bool isControl(char32_t code)
{
    return code < 0x20 || code == 0x7F || (code >= 0x80 && code < 0xA0);
}

} // namespace

std::string cleanLogField(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const char32_t code = decodeUtf8(text, pos);
        appendUtf8(out, isControl(code) ? U' ' : code);
    }
    return out;
}

std::string htmlLogField(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const char32_t code = decodeUtf8(text, pos);
        if (isControl(code)) {
            out += ' ';
        } else if (code == U'&') {
            out += "&amp;";
        } else if (code == U'<') {
            out += "&lt;";
        } else if (code == U'>') {
            out += "&gt;";
        } else if (code == U'"') {
            out += "&quot;";
        } else if (code == U'\'') {
            out += "&#39;";
        } else if (code < 0x80) {
            out += static_cast<char>(code);
        } else {
            out += "&#" + std::to_string(static_cast<std::uint32_t>(code)) + ";";
        }
    }
    return out;
}

} // namespace cdx
