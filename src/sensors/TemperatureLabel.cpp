#include "sensors/TemperatureLabel.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

namespace cdx {

namespace {

// Lower case without blanks, underscores, dashes, dots and the "(?)" some
// boards put after a name they are unsure of: "MB(?) temp" -> "mbtemp".
std::string normalized(std::string_view label)
{
    std::string text;
    for (char c : label) {
        if (std::string_view(" \t_-.()?:").find(c) == std::string_view::npos) {
            text += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    return text;
}

bool endsWith(const std::string& text, std::string_view suffix)
{
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

bool startsWithAny(const std::string& text, std::initializer_list<std::string_view> prefixes)
{
    return std::any_of(prefixes.begin(), prefixes.end(),
                       [&](std::string_view p) { return text.compare(0, p.size(), p) == 0; });
}

// Moves a trailing number of up to three digits from `text` into `number`.
void takeNumber(std::string& text, int& number)
{
    std::size_t digits = text.size();
    while (digits > 0 && std::isdigit(static_cast<unsigned char>(text[digits - 1])) != 0) {
        --digits;
    }
    if (digits > 0 && digits < text.size() && text.size() - digits <= 3) {
        number = std::stoi(text.substr(digits));
        text.erase(digits);
    }
}

constexpr std::array<std::string_view, 12> BoardNames{
    "system", "sys", "systin", "mb", "m/b", "mainboard", "motherboard", "board", "mobo", "sysboard", "mbd", "mbtin",
};
constexpr std::array<std::string_view, 5> ProcessorNames{"cpu", "cputin", "cpusocket", "socket", "processor"};

} // namespace

TemperatureRole TemperatureLabel::identify(std::string_view label)
{
    std::string text = normalized(label);
    if (startsWithAny(text, {"peci", "sbtsi", "tsi", "smbus", "virtual", "agent"})) {
        return TemperatureRole::Foreign;
    }
    // The number and the word for temperature, either way round:
    // "systemtemp2" and "system2temp" -> "system", 2.
    int number = 0;
    takeNumber(text, number);
    for (std::string_view word : {"temperature", "temp", "tmp"}) {
        if (endsWith(text, word) && text.size() > word.size()) {
            text.erase(text.size() - word.size());
            break;
        }
    }
    if (number == 0) {
        takeNumber(text, number);
    }
    if (text.empty()) {
        return TemperatureRole::Unknown;
    }
    if (std::find(BoardNames.begin(), BoardNames.end(), text) != BoardNames.end()) {
        return number <= 1 ? TemperatureRole::Board : TemperatureRole::Secondary;
    }
    if (std::find(ProcessorNames.begin(), ProcessorNames.end(), text) != ProcessorNames.end()) {
        return number <= 1 ? TemperatureRole::Processor : TemperatureRole::Secondary;
    }
    if (startsWithAny(text, {"auxtin", "aux", "chipset", "pch", "vrm", "mos", "nb", "sb", "southbridge", "northbridge",
                             "pcie", "pci"})) {
        return TemperatureRole::Secondary;
    }
    return TemperatureRole::Unknown;
}

} // namespace cdx
