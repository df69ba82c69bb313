#include "sensors/Formats.h"

#include <cfenv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace cdx {

namespace {

std::string replaceSeparator(std::string text, std::string_view decimalSeparator)
{
    const auto dot = text.find('.');
    if (dot != std::string::npos && decimalSeparator != ".") {
        text.replace(dot, 1, decimalSeparator);
    }
    return text;
}

std::string formatDateTime(const LocalDateTime& when, const std::string& pattern)
{
    std::tm tm{};
    tm.tm_year = when.year - 1900;
    tm.tm_mon = when.month - 1;
    tm.tm_mday = when.day;
    tm.tm_hour = when.hour;
    tm.tm_min = when.minute;
    tm.tm_sec = when.second;
    tm.tm_isdst = -1;
    char buffer[256];
    const std::size_t n = std::strftime(buffer, sizeof buffer, pattern.c_str(), &tm);
    return std::string(buffer, n);
}

} // namespace

std::string formatGeneral(double value, std::string_view decimalSeparator)
{
    if (std::isnan(value)) {
        return "NAN";
    }
    if (std::isinf(value)) {
        return value > 0 ? "INF" : "-INF";
    }
    if (value == 0.0) {
        return "0"; // also for -0
    }
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    std::string text(buffer);
    const auto e = text.find('e');
    if (e == std::string::npos) {
        return replaceSeparator(text, decimalSeparator);
    }
    // "1e+20" -> "1E20", "1.5e-07" -> "1.5E-7"
    std::string mantissa = text.substr(0, e);
    const int exponent = std::atoi(text.c_str() + e + 1);
    return replaceSeparator(mantissa, decimalSeparator) + "E" + std::to_string(exponent);
}

std::string formatFixed(double value, int decimals, std::string_view decimalSeparator)
{
    if (!std::isfinite(value)) {
        return formatGeneral(value, decimalSeparator);
    }
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals < 0 ? 0 : decimals, value);
    std::string text(buffer);
    // "-0" and "-0.00" read as zero.
    if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) {
        text.erase(0, 1);
    }
    return replaceSeparator(text, decimalSeparator);
}

std::int64_t roundHalfEven(long double value)
{
    const int previous = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const long double r = std::nearbyintl(value);
    std::fesetround(previous);
    return static_cast<std::int64_t>(r);
}

std::string padRight(std::string_view text, std::size_t width)
{
    std::string result(text);
    const std::size_t length = utf8Length(text);
    if (length < width) {
        result.append(width - length, ' ');
    }
    return result;
}

std::string padLeft(std::string_view text, std::size_t width)
{
    const std::size_t length = utf8Length(text);
    std::string result;
    if (length < width) {
        result.assign(width - length, ' ');
    }
    result.append(text);
    return result;
}

std::string formatShortDate(const LocalDateTime& when, const RegionalFormats& formats)
{
    return formatDateTime(when, formats.shortDatePattern);
}

std::string formatLongTime(const LocalDateTime& when, const RegionalFormats& formats)
{
    return formatDateTime(when, formats.longTimePattern);
}

} // namespace cdx
