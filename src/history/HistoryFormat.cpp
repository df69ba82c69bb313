#include "history/HistoryFormat.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace cdx::HistoryFormat {

namespace {

constexpr std::string_view kHeader = "Caldrix history ";
constexpr std::int64_t kDaySeconds = 24 * 60 * 60;

void appendNumber(std::string& out, float value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

template <typename T> bool parseWhole(std::string_view text, T& value)
{
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

bool parseFloat(std::string_view text, float& value)
{
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size() && std::isfinite(value);
}

// Splits off the text up to `separator` (or all of it).
std::string_view nextField(std::string_view& rest, char separator)
{
    const std::size_t end = rest.find(separator);
    const std::string_view field = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    return field;
}

bool parseReading(std::string_view field, MinuteBand& band, std::size_t channel)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    if (field == "-") {
        band.counts[channel] = 0;
        band.lowest[channel] = band.average[channel] = band.highest[channel] = nan;
        return true;
    }
    std::string_view rest = field;
    std::uint32_t polls = 0;
    float low = 0;
    float average = 0;
    float high = 0;
    if (!parseWhole(nextField(rest, '/'), polls) || !parseFloat(nextField(rest, '/'), low) ||
        !parseFloat(nextField(rest, '/'), average) || !parseFloat(rest, high)) {
        return false;
    }
    if (polls == 0 || polls > std::numeric_limits<std::uint16_t>::max() || low > high || average < low ||
        average > high) {
        return false;
    }
    band.counts[channel] = static_cast<std::uint16_t>(polls);
    band.lowest[channel] = low;
    band.average[channel] = average;
    band.highest[channel] = high;
    return true;
}

Parsed failure(std::string reason)
{
    Parsed parsed;
    parsed.error = std::move(reason);
    return parsed;
}

} // namespace

std::string write(const std::vector<MinuteBand>& minutes)
{
    std::string out;
    out.reserve(32 + minutes.size() * 400);
    out.append(kHeader).append(std::to_string(kVersion)).push_back('\n');
    for (const MinuteBand& band : minutes) {
        out.append(std::to_string(band.startSeconds));
        for (std::size_t c = 0; c < Readings::ChannelCount; ++c) {
            out.push_back(' ');
            if (band.counts[c] == 0) {
                out.push_back('-');
                continue;
            }
            out.append(std::to_string(band.counts[c])).push_back('/');
            appendNumber(out, band.lowest[c]);
            out.push_back('/');
            appendNumber(out, band.average[c]);
            out.push_back('/');
            appendNumber(out, band.highest[c]);
        }
        out.push_back('\n');
    }
    out.append("end ").append(std::to_string(minutes.size())).push_back('\n');
    return out;
}

Parsed read(std::string_view text, std::int64_t nowSeconds)
{
    if (text.size() > kMaxBytes) {
        return failure("it is larger than a history can be");
    }
    std::string_view rest = text;
    const std::string_view header = nextField(rest, '\n');
    int version = 0;
    if (header.substr(0, kHeader.size()) != kHeader || !parseWhole(header.substr(kHeader.size()), version) ||
        version < 1) {
        return failure("it does not begin with \"Caldrix history 1\"");
    }
    if (version > kVersion) {
        return failure("it was written by a newer version of Caldrix (format " + std::to_string(version) + ")");
    }
    Parsed parsed;
    std::size_t lines = 0;
    std::int64_t previous = std::numeric_limits<std::int64_t>::min();
    bool ended = false;
    while (!rest.empty()) {
        const std::size_t lineNumber = lines + 2;
        const bool terminated = rest.find('\n') != std::string_view::npos;
        const std::string_view line = nextField(rest, '\n');
        if (!terminated) {
            return failure("line " + std::to_string(lineNumber) + " is cut short");
        }
        if (ended) {
            return failure("there is text after its end line");
        }
        if (line.substr(0, 4) == "end ") {
            std::size_t declared = 0;
            if (!parseWhole(line.substr(4), declared) || declared != lines) {
                return failure("its end line does not match its " + std::to_string(lines) + " minutes");
            }
            ended = true;
            continue;
        }
        std::string_view fields = line;
        MinuteBand band;
        if (!parseWhole(nextField(fields, ' '), band.startSeconds) || band.startSeconds % 60 != 0 ||
            band.startSeconds <= previous) {
            return failure("line " + std::to_string(lineNumber) + " has no minute after the one before it");
        }
        for (std::size_t c = 0; c < Readings::ChannelCount; ++c) {
            const bool last = c + 1 == Readings::ChannelCount;
            if (fields.empty() || !parseReading(nextField(fields, ' '), band, c) || (last && !fields.empty())) {
                return failure("line " + std::to_string(lineNumber) + " has no valid reading " + std::to_string(c + 1));
            }
        }
        previous = band.startSeconds;
        ++lines;
        if (band.startSeconds >= nowSeconds - kDaySeconds && band.startSeconds <= nowSeconds) {
            parsed.minutes.push_back(band);
        }
    }
    if (!ended) {
        return failure("it ends before its end line");
    }
    return parsed;
}

} // namespace cdx::HistoryFormat
