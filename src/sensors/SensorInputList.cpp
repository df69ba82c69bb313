#include "sensors/SensorInputList.h"

#include <charconv>

#include "sensors/ChipMapping.h"

namespace cdx {

namespace {

std::string oneLine(std::string text)
{
    for (char& c : text) {
        if (c == '\t' || c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    return text;
}

std::vector<std::string_view> fields(std::string_view line)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t tab = line.find('\t'); tab != std::string_view::npos; tab = line.find('\t', start)) {
        parts.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
    parts.push_back(line.substr(start));
    return parts;
}

} // namespace

const char* SensorInputList::kindName(HwmonInput::Kind kind)
{
    switch (kind) {
    case HwmonInput::Kind::Voltage:
        return "in";
    case HwmonInput::Kind::Fan:
        return "fan";
    default:
        return "temp";
    }
}

std::string SensorInputList::format(const std::vector<HwmonChip>& chips, const ChipReadings& readings)
{
    std::string text;
    for (const HwmonChip& chip : chips) {
        for (const HwmonInput& input : chip.inputs) {
            // Free of the locale: the program reads it back whatever its decimal separator.
            char value[64];
            const auto written = std::to_chars(value, value + sizeof value, input.value);
            const std::string name = ChipMapping::sourceName(chip, input);
            std::string feeds;
            for (int i = 0; i < DriverReadingCount; ++i) {
                if (hasReading(readings.available, static_cast<DriverReading>(i)) &&
                    readings.inputs[static_cast<std::size_t>(i)] == name) {
                    feeds += (feeds.empty() ? "" : ",") + std::to_string(i);
                }
            }
            text += oneLine(name) + '\t' + kindName(input.kind) + '\t' + oneLine(input.label) + '\t' +
                    std::string(value, written.ptr) + '\t' + feeds + '\n';
        }
    }
    return text;
}

std::vector<SensorInput> SensorInputList::parse(std::string_view text)
{
    std::vector<SensorInput> inputs;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        const auto parts = fields(line);
        if (parts.size() != 5 || parts[0].find('/') == std::string_view::npos) {
            continue;
        }
        SensorInput input;
        input.source = std::string(parts[0]);
        if (parts[1] == "temp") {
            input.kind = HwmonInput::Kind::Temperature;
        } else if (parts[1] == "in") {
            input.kind = HwmonInput::Kind::Voltage;
        } else if (parts[1] == "fan") {
            input.kind = HwmonInput::Kind::Fan;
        } else {
            continue;
        }
        input.label = std::string(parts[2]);
        const std::string_view number = parts[3];
        const auto read = std::from_chars(number.data(), number.data() + number.size(), input.value);
        if (read.ec != std::errc{} || read.ptr != number.data() + number.size()) {
            continue;
        }
        std::string_view feeds = parts[4];
        while (!feeds.empty()) {
            const std::size_t comma = feeds.find(',');
            const std::string_view item = feeds.substr(0, comma);
            feeds = comma == std::string_view::npos ? std::string_view{} : feeds.substr(comma + 1);
            int reading = -1;
            const auto got = std::from_chars(item.data(), item.data() + item.size(), reading);
            if (got.ec == std::errc{} && got.ptr == item.data() + item.size() && reading >= 0 &&
                reading < DriverReadingCount) {
                input.feeds.push_back(static_cast<DriverReading>(reading));
            }
        }
        inputs.push_back(std::move(input));
    }
    return inputs;
}

} // namespace cdx
