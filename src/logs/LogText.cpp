#include "logs/LogText.h"

#include <cstdint>

#include "sensors/Utf8.h"

namespace cdx {
namespace {

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
