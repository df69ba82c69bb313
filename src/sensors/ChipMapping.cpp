#include "sensors/ChipMapping.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "sensors/FanSpeed.h"

namespace cdx {

namespace {

using Kind = HwmonInput::Kind;

enum Rail { Core0, Core1, Pos33, Pos5, Pos12, Neg12, Neg5, RailCount };

// Label spellings per rail, lower case without blanks.
const std::array<std::vector<std::string_view>, RailCount> RailLabels{{
    {"vcore", "vcore1", "vcore0", "cpucore", "cpuvcore", "vcc_core", "vcpu"},
    {"vcore2", "vcore_2", "cpucore2"},
    {"+3.3v", "3.3v", "3vcc", "vcc3", "v3.3", "+3.3", "3.3vcc", "avcc"},
    {"+5v", "5v", "5vcc", "vcc5", "v5", "+5"},
    {"+12v", "12v", "12vcc", "v12", "+12"},
    {"-12v", "-12", "v-12", "n12v"},
    {"-5v", "-5", "v-5", "n5v"},
}};

const std::array<std::string_view, 5> MotherboardLabels{"m/btemp", "mbtemp", "motherboard", "systin", "systemp"};

std::string normalized(std::string_view label)
{
    std::string text;
    for (char c : label) {
        if (c != ' ' && c != '\t') {
            text += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    return text;
}

std::optional<int> railOfLabel(std::string_view label)
{
    const std::string text = normalized(label);
    for (int rail = 0; rail < RailCount; ++rail) {
        const auto& names = RailLabels[rail];
        if (std::find(names.begin(), names.end(), text) != names.end()) {
            return rail;
        }
    }
    return std::nullopt;
}

int busRank(int busType)
{
    switch (static_cast<HwmonBus>(busType)) {
    case HwmonBus::ISA:
        return 0;
    case HwmonBus::I2C:
        return 1;
    default:
        return 2 + busType;
    }
}

std::vector<const HwmonInput*> inputsOf(const HwmonChip& chip, Kind kind)
{
    std::vector<const HwmonInput*> inputs;
    for (const auto& input : chip.inputs) {
        if (input.kind == kind) {
            inputs.push_back(&input);
        }
    }
    std::stable_sort(inputs.begin(), inputs.end(), [](auto* a, auto* b) { return a->number < b->number; });
    return inputs;
}

bool monitorsBoard(const HwmonChip& chip)
{
    return std::any_of(chip.inputs.begin(), chip.inputs.end(),
                       [](const HwmonInput& i) { return i.kind == Kind::Voltage || i.kind == Kind::Fan; });
}

std::int32_t wholeDegrees(double value)
{
    if (!std::isfinite(value)) {
        return 0;
    }
    const double clamped = std::clamp(value, -1e6, 1e6);
    return static_cast<std::int32_t>(std::lround(clamped));
}

std::optional<double> temperatureLabelled(const HwmonChip& chip, std::initializer_list<std::string_view> labels)
{
    for (std::string_view wanted : labels) {
        for (const auto* input : inputsOf(chip, Kind::Temperature)) {
            if (normalized(input->label) == normalized(wanted)) {
                return input->value;
            }
        }
    }
    return std::nullopt;
}

std::optional<double> firstTemperature(const HwmonChip& chip)
{
    const auto temps = inputsOf(chip, Kind::Temperature);
    return temps.empty() ? std::nullopt : std::optional<double>(temps.front()->value);
}

// The processor temperature: an lm75 chip, else the package temperature.
std::int32_t cpuTemperature(const std::vector<HwmonChip>& chips)
{
    for (const char* source : {"lm75", "coretemp", "k10temp"}) {
        for (const auto& chip : chips) {
            if (chip.name != source) {
                continue;
            }
            std::optional<double> value;
            if (chip.name == "coretemp") {
                value = temperatureLabelled(chip, {"Package id 0"});
            } else if (chip.name == "k10temp") {
                value = temperatureLabelled(chip, {"Tdie", "Tctl"});
            }
            if (!value) {
                value = firstTemperature(chip);
            }
            if (value) {
                return wholeDegrees(*value);
            }
        }
    }
    return 0; // no CPU sensor
}

std::int32_t divisorOf(const HwmonInput* fan)
{
    if (fan == nullptr || !fan->divisor || !std::isfinite(*fan->divisor) || *fan->divisor < 1 || *fan->divisor > 128) {
        return 1;
    }
    return static_cast<std::int32_t>(std::lround(*fan->divisor));
}

} // namespace

std::int32_t ChipMapping::fanCount(double rpm, std::int32_t divisor)
{
    if (!std::isfinite(rpm) || rpm < 0.5 || divisor < 1) {
        return FanCountNotAvailable;
    }
    const std::int64_t base = 675000 / divisor;
    const double ideal = static_cast<double>(base) / rpm;
    if (ideal > std::numeric_limits<std::int32_t>::max() / 2) {
        return FanCountNotAvailable; // slower than any count can tell
    }
    const auto centre = static_cast<std::int64_t>(ideal);
    std::int64_t best = 0;
    double bestError = std::numeric_limits<double>::infinity();
    for (std::int64_t count = centre - 1; count <= centre + 2; ++count) {
        if (count < 1 || count == FanCountNotAvailable) {
            continue;
        }
        const double error = std::abs(static_cast<double>(base / count) - rpm);
        if (error < bestError) {
            best = count;
            bestError = error;
        }
    }
    return static_cast<std::int32_t>(best);
}

ChipReadings ChipMapping::map(std::vector<HwmonChip> chips)
{
    std::stable_sort(chips.begin(), chips.end(), [](const HwmonChip& a, const HwmonChip& b) {
        return std::make_tuple(busRank(a.busType), a.name, a.busNumber, a.address) <
               std::make_tuple(busRank(b.busType), b.name, b.busNumber, b.address);
    });

    ChipReadings readings;
    readings.lm75 = cpuTemperature(chips);

    const auto board = std::find_if(chips.begin(), chips.end(), monitorsBoard);
    if (board == chips.end()) {
        return readings;
    }
    const HwmonChip& chip = *board;
    readings.present = true;
    readings.chipId = chip.name == "w83781d" ? 16 : chip.name == "lm78" ? 45 : 0;

    // Temperatures: the motherboard's by label, else the first; then the next two.
    auto temps = inputsOf(chip, Kind::Temperature);
    auto mb = std::find_if(temps.begin(), temps.end(), [](const HwmonInput* input) {
        const std::string text = normalized(input->label);
        return std::find(MotherboardLabels.begin(), MotherboardLabels.end(), text) != MotherboardLabels.end();
    });
    if (mb != temps.end()) {
        std::rotate(temps.begin(), mb, mb + 1);
    }
    if (temps.size() > 0) {
        readings.temp = wholeDegrees(temps[0]->value);
    }
    if (temps.size() > 1) {
        readings.winbond2 = temps[1]->value;
    }
    if (temps.size() > 2) {
        readings.winbond3 = temps[2]->value;
    }

    // Rails: by label, else by input order for inputs whose label names no rail.
    std::array<std::optional<double>, RailCount> rails;
    const auto voltages = inputsOf(chip, Kind::Voltage);
    for (const auto* input : voltages) {
        if (const auto rail = railOfLabel(input->label); rail && !rails[*rail]) {
            rails[*rail] = input->value;
        }
    }
    for (int rail = 0; rail < RailCount; ++rail) {
        if (!rails[rail] && static_cast<std::size_t>(rail) < voltages.size() && !railOfLabel(voltages[rail]->label)) {
            rails[rail] = voltages[rail]->value;
        }
    }
    readings.core0 = rails[Core0].value_or(0.0);
    readings.core1 = rails[Core1].value_or(0.0);
    readings.pos33 = rails[Pos33].value_or(0.0);
    readings.pos5 = rails[Pos5].value_or(0.0);
    readings.pos12 = rails[Pos12].value_or(0.0);
    readings.neg12 = rails[Neg12].value_or(0.0);
    readings.neg5 = rails[Neg5].value_or(0.0);

    // Fans in input order; fans 1 and 2 keep their divisors.
    const auto fans = inputsOf(chip, Kind::Fan);
    const HwmonInput* fan1 = fans.size() > 0 ? fans[0] : nullptr;
    const HwmonInput* fan2 = fans.size() > 1 ? fans[1] : nullptr;
    const HwmonInput* fan3 = fans.size() > 2 ? fans[2] : nullptr;
    readings.fanDivide1 = divisorOf(fan1);
    readings.fanDivide2 = divisorOf(fan2);
    readings.fan1 = fan1 ? fanCount(fan1->value, readings.fanDivide1) : FanCountNotAvailable;
    readings.fan2 = fan2 ? fanCount(fan2->value, readings.fanDivide2) : FanCountNotAvailable;
    readings.fan3 = fan3 ? fanCount(fan3->value, 1) : FanCountNotAvailable;
    return readings;
}

} // namespace cdx
