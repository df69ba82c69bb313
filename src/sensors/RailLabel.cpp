#include "sensors/RailLabel.h"

#include <array>
#include <cctype>
#include <string>
#include <string_view>

namespace cdx {

namespace {

bool contains(const std::string& text, std::string_view part)
{
    return text.find(part) != std::string::npos;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A name that only numbers the input ("in4", "VIN3", "AIN 2", "Voltage 5"),
// the chip's or the board's: it says nothing about the rail, whatever the
// number happens to be.
bool isInputName(const std::string& text)
{
    for (std::string_view prefix : {"voltage", "vin", "ain", "in"}) {
        if (text.size() > prefix.size() && text.compare(0, prefix.size(), prefix) == 0) {
            bool digitsOnly = true;
            for (std::size_t i = prefix.size(); i < text.size(); ++i) {
                digitsOnly = digitsOnly && isDigit(text[i]);
            }
            if (digitsOnly) {
                return true;
            }
        }
    }
    return false;
}

// Parts of a label that mark a supply other than the six main rails.
constexpr std::array<std::string_view, 20> SecondaryParts{
    "sb",   "stby", "standby", "aux", "avcc", "vbat",  "bat",   "soc", "nb",   "vtt",
    "dimm", "dram", "ddr",     "mem", "pch",  "vccio", "vccsa", "gfx", "dual", "vref",
};

// The first number of the label with its sign: "-" before it, or a leading
// "n" or "neg"/"minus" for the negative rails ("N12V").
std::optional<double> signedVoltage(const std::string& text)
{
    std::size_t start = 0;
    while (start < text.size() && !isDigit(text[start])) {
        ++start;
    }
    if (start == text.size()) {
        return std::nullopt;
    }
    std::size_t end = start;
    while (end < text.size() && isDigit(text[end])) {
        ++end;
    }
    if (end + 1 < text.size() && text[end] == '.' && isDigit(text[end + 1])) {
        ++end;
        while (end < text.size() && isDigit(text[end])) {
            ++end;
        }
    }
    if (end - start > 8) {
        return std::nullopt; // no supply's voltage has that many digits
    }
    const double value = std::stod(text.substr(start, end - start));
    const bool negative = (start > 0 && text[start - 1] == '-') || (start == 1 && text[0] == 'n') ||
                          contains(text, "neg") || contains(text, "minus");
    return negative ? -value : value;
}

} // namespace

bool RailLabel::isSecondary(std::string_view label)
{
    const std::string text = normalized(label);
    for (std::string_view part : SecondaryParts) {
        if (contains(text, part)) {
            return true;
        }
    }
    return false;
}

std::optional<DriverReading> RailLabel::identify(std::string_view label)
{
    const std::string text = normalized(label);
    if (text.empty() || isInputName(text) || isSecondary(label)) {
        return std::nullopt;
    }
    if (contains(text, "core") || contains(text, "vcpu") || contains(text, "cpuvcc")) {
        return contains(text, "core2") || contains(text, "vcpu2") ? DriverReading::Core1 : DriverReading::Core0;
    }
    const auto volts = signedVoltage(text);
    if (!volts) {
        return std::nullopt;
    }
    const double v = *volts;
    if (v >= 3.0 && v <= 3.6) {
        return DriverReading::Pos33;
    }
    if (v >= 4.5 && v <= 5.5) {
        return DriverReading::Pos5;
    }
    if (v >= 11.0 && v <= 13.0) {
        return DriverReading::Pos12;
    }
    if (v <= -4.5 && v >= -5.5) {
        return DriverReading::Neg5;
    }
    if (v <= -11.0 && v >= -13.0) {
        return DriverReading::Neg12;
    }
    return std::nullopt;
}

std::string RailLabel::normalized(std::string_view label)
{
    std::string text;
    for (char c : label) {
        if (c != ' ' && c != '\t' && c != '_') {
            text += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    return text;
}

} // namespace cdx
