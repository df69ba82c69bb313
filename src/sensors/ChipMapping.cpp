#include "sensors/ChipMapping.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <tuple>

#include "sensors/FanSpeed.h"
#include "sensors/RailLabel.h"

namespace cdx {

namespace {

using Kind = HwmonInput::Kind;

bool startsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

template <std::size_t N> bool startsWithAny(std::string_view text, const std::array<std::string_view, N>& prefixes)
{
    return std::any_of(prefixes.begin(), prefixes.end(), [&](std::string_view p) { return startsWith(text, p); });
}

// Chips of devices other than the board: their inputs are never the board's.
constexpr std::array<std::string_view, 17> DeviceChips{
    "nvme", "drivetemp", "amdgpu",  "radeon", "nouveau", "i915",    "xe",   "BAT",    "AC",
    "ADP",  "ucsi",      "iwlwifi", "mt7",    "ath",     "spd5118", "jc42", "ee1004",
};

// The processor's own temperature sensors, in the order they are preferred,
// with the labels of their package reading.
struct CpuSensor {
    std::string_view chip;
    std::array<std::string_view, 2> labels;
    bool trueTemperature;
};
constexpr std::array<CpuSensor, 6> CpuSensors{{
    {"coretemp", {"Package id 0", ""}, true},
    {"k10temp", {"Tdie", "Tctl"}, true},
    {"zenpower", {"Tdie", "Tctl"}, true},
    {"k8temp", {"", ""}, true},
    {"cpu_thermal", {"", ""}, true},
    {"lm75", {"", ""}, false},
}};

// Inputs whose meaning a chip family's datasheet fixes.
struct StandardInput {
    std::string_view chipPrefix;
    int number;
    DriverReading rail;
};
constexpr std::array<StandardInput, 16> StandardInputs{{
    {"nct677", 0, DriverReading::Core0},
    {"nct677", 3, DriverReading::Pos33},
    {"nct679", 0, DriverReading::Core0},
    {"nct679", 3, DriverReading::Pos33},
    {"w83627ehf", 0, DriverReading::Core0},
    {"w83627ehf", 3, DriverReading::Pos33},
    {"w83627dhg", 0, DriverReading::Core0},
    {"w83627dhg", 3, DriverReading::Pos33},
    {"w83667hg", 0, DriverReading::Core0},
    {"w83667hg", 3, DriverReading::Pos33},
    {"it87", 0, DriverReading::Core0},
    {"it86", 0, DriverReading::Core0},
    {"it8712", 2, DriverReading::Pos33},
    {"it8716", 2, DriverReading::Pos33},
    {"it8718", 2, DriverReading::Pos33},
    {"it8720", 2, DriverReading::Pos33},
}};

// Labels of the board's own temperature, and of board inputs that measure
// something else (the processor through PECI or SB-TSI, the chipset).
constexpr std::array<std::string_view, 6> BoardTemperatureParts{"systin",      "m/b",       "mbtemp",
                                                                "motherboard", "mainboard", "board"};
constexpr std::array<std::string_view, 5> ForeignTemperatureParts{"peci", "tsi", "smbus", "pch", "virtual"};

constexpr double LowestConnected = -40.0;
constexpr double HighestConnected = 125.0;

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

std::string chipText(const HwmonChip& chip)
{
    return chip.id.empty() ? chip.name : chip.id;
}

std::string inputName(const HwmonInput& input)
{
    const char* prefix = input.kind == Kind::Voltage ? "in" : input.kind == Kind::Fan ? "fan" : "temp";
    return prefix + std::to_string(input.number);
}

// The label tells more than the input's name.
bool isLabelled(const HwmonInput& input)
{
    return !input.label.empty() && RailLabel::normalized(input.label) != inputName(input);
}

std::string sourceText(const HwmonChip& chip, const HwmonInput& input)
{
    std::string text = chipText(chip) + " " + inputName(input);
    if (isLabelled(input)) {
        text += " \"" + input.label + "\"";
    }
    return text;
}

bool containsAny(const std::string& text, std::span<const std::string_view> parts)
{
    return std::any_of(parts.begin(), parts.end(),
                       [&](std::string_view p) { return text.find(p) != std::string::npos; });
}

bool isBoardChip(const HwmonChip& chip)
{
    if (startsWithAny(chip.name, DeviceChips)) {
        return false;
    }
    return std::none_of(CpuSensors.begin(), CpuSensors.end(),
                        [&](const CpuSensor& s) { return chip.name == s.chip; }) &&
           chip.name != "acpitz";
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

std::int32_t wholeDegrees(double value)
{
    if (!std::isfinite(value)) {
        return 0;
    }
    const double clamped = std::clamp(value, -1e6, 1e6);
    return static_cast<std::int32_t>(std::lround(clamped));
}

class Mapper {
public:
    explicit Mapper(const std::vector<HwmonChip>& chips) : m_chips(chips) {}

    ChipReadings run()
    {
        mapCpu();
        mapBoardTemperatures();
        mapRails();
        mapFans();
        // Any chip at all is real hardware monitoring, however little of it
        // the program can use.
        m_readings.present = !m_chips.empty();
        return m_readings;
    }

private:
    void take(DriverReading reading, const HwmonChip& chip, const HwmonInput& input, std::string note = {})
    {
        m_readings.available |= readingBit(reading);
        std::string& source = m_readings.sources[static_cast<std::size_t>(reading)];
        source = sourceText(chip, input);
        if (!note.empty()) {
            source += " (" + note + ")";
        }
    }

    void missing(DriverReading reading, const std::string& why)
    {
        m_readings.sources[static_cast<std::size_t>(reading)] = "not available: " + why;
    }

    void mapCpu()
    {
        for (const CpuSensor& sensor : CpuSensors) {
            for (const HwmonChip& chip : m_chips) {
                if (chip.name != sensor.chip) {
                    continue;
                }
                const auto temps = inputsOf(chip, Kind::Temperature);
                const HwmonInput* chosen = nullptr;
                for (std::string_view label : sensor.labels) {
                    for (const auto* input : temps) {
                        if (chosen == nullptr && !label.empty() &&
                            RailLabel::normalized(input->label) == RailLabel::normalized(label)) {
                            chosen = input;
                        }
                    }
                }
                if (chosen == nullptr && !temps.empty()) {
                    chosen = temps.front();
                }
                if (chosen != nullptr) {
                    m_readings.lm75 = wholeDegrees(chosen->value);
                    m_readings.cpuTemperatureTrue = sensor.trueTemperature;
                    take(DriverReading::CpuTemperature, chip, *chosen,
                         sensor.trueTemperature ? "the processor's own reading: no CPU offset" : "");
                    return;
                }
            }
        }
        missing(DriverReading::CpuTemperature,
                "no processor sensor (coretemp, k10temp, zenpower, k8temp, cpu_thermal) and no lm75 chip");
    }

    void mapBoardTemperatures()
    {
        struct Candidate {
            const HwmonChip* chip;
            const HwmonInput* input;
        };
        std::vector<Candidate> board;
        std::vector<Candidate> zones;
        for (const HwmonChip& chip : m_chips) {
            const bool isZone = chip.name == "acpitz";
            if (!isZone && !isBoardChip(chip)) {
                continue;
            }
            for (const auto* input : inputsOf(chip, Kind::Temperature)) {
                if (!std::isfinite(input->value) || input->value <= LowestConnected ||
                    input->value >= HighestConnected) {
                    continue;
                }
                if (isZone) {
                    zones.push_back({&chip, input});
                } else if (isLabelled(*input) &&
                           !containsAny(RailLabel::normalized(input->label), ForeignTemperatureParts)) {
                    board.push_back({&chip, input});
                }
            }
        }
        // WB1 first: the board's own sensor, else the first thermal zone.
        std::vector<Candidate> order;
        const auto own = std::find_if(board.begin(), board.end(), [](const Candidate& c) {
            return containsAny(RailLabel::normalized(c.input->label), BoardTemperatureParts);
        });
        if (own != board.end()) {
            order.push_back(*own);
            board.erase(own);
        } else if (!zones.empty()) {
            order.push_back(zones.front());
            zones.erase(zones.begin());
        }
        const bool wb1Found = !order.empty();
        order.insert(order.end(), board.begin(), board.end());
        order.insert(order.end(), zones.begin(), zones.end());

        std::size_t next = 0;
        if (wb1Found) {
            m_readings.temp = wholeDegrees(order[0].input->value);
            take(DriverReading::Wb1Temperature, *order[0].chip, *order[0].input);
            next = 1;
        } else {
            missing(DriverReading::Wb1Temperature,
                    "no board temperature labelled as such (SYSTIN, \"M/B Temp\") and no ACPI thermal zone");
        }
        for (DriverReading reading : {DriverReading::Wb2Temperature, DriverReading::Wb3Temperature}) {
            if (next < order.size()) {
                const double value = order[next].input->value;
                (reading == DriverReading::Wb2Temperature ? m_readings.winbond2 : m_readings.winbond3) = value;
                take(reading, *order[next].chip, *order[next].input);
                ++next;
            } else {
                missing(reading, "no further labelled board temperature or ACPI thermal zone");
            }
        }
    }

    static double& railValue(ChipReadings& r, DriverReading rail)
    {
        switch (rail) {
        case DriverReading::Core1:
            return r.core1;
        case DriverReading::Pos33:
            return r.pos33;
        case DriverReading::Pos5:
            return r.pos5;
        case DriverReading::Pos12:
            return r.pos12;
        case DriverReading::Neg12:
            return r.neg12;
        case DriverReading::Neg5:
            return r.neg5;
        default:
            return r.core0;
        }
    }

    void mapRails()
    {
        constexpr std::array<DriverReading, 7> Rails{DriverReading::Core0, DriverReading::Core1, DriverReading::Pos33,
                                                     DriverReading::Pos5,  DriverReading::Pos12, DriverReading::Neg12,
                                                     DriverReading::Neg5};
        std::string unidentified;
        const HwmonChip* railChip = nullptr;
        // Labels first: they are the board maker's or the user's word.
        for (const HwmonChip& chip : m_chips) {
            if (!isBoardChip(chip)) {
                continue;
            }
            for (const auto* input : inputsOf(chip, Kind::Voltage)) {
                const auto rail = RailLabel::identify(input->label);
                if (rail && !hasReading(m_readings.available, *rail) && std::isfinite(input->value)) {
                    railValue(m_readings, *rail) = input->value;
                    take(*rail, chip, *input);
                    railChip = railChip != nullptr ? railChip : &chip;
                }
            }
        }
        // Then the inputs a chip's datasheet fixes, where they carry no other label.
        for (const HwmonChip& chip : m_chips) {
            if (!isBoardChip(chip)) {
                continue;
            }
            for (const auto* input : inputsOf(chip, Kind::Voltage)) {
                if (isLabelled(*input) || !std::isfinite(input->value)) {
                    continue;
                }
                for (const StandardInput& standard : StandardInputs) {
                    if (startsWith(chip.name, standard.chipPrefix) && standard.number == input->number &&
                        !hasReading(m_readings.available, standard.rail)) {
                        railValue(m_readings, standard.rail) = input->value;
                        take(standard.rail, chip, *input, "the standard input of this chip");
                        railChip = railChip != nullptr ? railChip : &chip;
                    }
                }
            }
        }
        for (const HwmonChip& chip : m_chips) {
            if (!isBoardChip(chip)) {
                continue;
            }
            for (const auto* input : inputsOf(chip, Kind::Voltage)) {
                if (!isLabelled(*input) && !isTaken(chip, *input)) {
                    unidentified += (unidentified.empty() ? "" : ", ") + chipText(chip) + " " + inputName(*input);
                }
            }
        }
        for (DriverReading rail : Rails) {
            if (hasReading(m_readings.available, rail)) {
                continue;
            }
            if (unidentified.empty()) {
                missing(rail, "no input is labelled for this rail");
            } else {
                missing(rail, "no input is labelled for this rail (unlabelled: " + unidentified +
                                  "); label it in /etc/sensors.d");
            }
        }
        m_railChip = railChip;
    }

    bool isTaken(const HwmonChip& chip, const HwmonInput& input) const
    {
        const std::string text = sourceText(chip, input);
        return std::any_of(m_readings.sources.begin(), m_readings.sources.end(),
                           [&](const std::string& s) { return s == text || startsWith(s, text + " ("); });
    }

    static std::int32_t divisorOf(const HwmonInput* fan)
    {
        if (fan == nullptr || !fan->divisor || !std::isfinite(*fan->divisor) || *fan->divisor < 1 ||
            *fan->divisor > 128) {
            return 1;
        }
        return static_cast<std::int32_t>(std::lround(*fan->divisor));
    }

    void mapFans()
    {
        const HwmonChip* fanChip = nullptr;
        for (const HwmonChip& chip : m_chips) {
            if (isBoardChip(chip) && !inputsOf(chip, Kind::Fan).empty()) {
                fanChip = &chip;
                break;
            }
        }
        constexpr std::array<DriverReading, 3> Fans{DriverReading::Fan1, DriverReading::Fan2, DriverReading::Fan3};
        std::array<std::int32_t*, 3> counts{&m_readings.fan1, &m_readings.fan2, &m_readings.fan3};
        for (int n = 1; n <= 3; ++n) {
            const DriverReading reading = Fans[static_cast<std::size_t>(n - 1)];
            const HwmonInput* fan = nullptr;
            if (fanChip != nullptr) {
                for (const auto* input : inputsOf(*fanChip, Kind::Fan)) {
                    fan = fan == nullptr && input->number == n ? input : fan;
                }
            }
            if (fan == nullptr) {
                missing(reading, fanChip == nullptr ? "no chip reports fans"
                                                    : chipText(*fanChip) + " has no fan" + std::to_string(n));
                continue;
            }
            const std::int32_t divisor = n < 3 ? divisorOf(fan) : 1;
            if (n == 1) {
                m_readings.fanDivide1 = divisor;
            } else if (n == 2) {
                m_readings.fanDivide2 = divisor;
            }
            *counts[static_cast<std::size_t>(n - 1)] = ChipMapping::fanCount(fan->value, divisor);
            take(reading, *fanChip, *fan, fan->value < 0.5 ? "standing still: shown as not available" : "");
        }
        const HwmonChip* identity = m_railChip != nullptr ? m_railChip : fanChip;
        if (identity != nullptr) {
            m_readings.chipId = identity->name == "w83781d" ? 16 : identity->name == "lm78" ? 45 : 0;
        }
    }

    const std::vector<HwmonChip>& m_chips;
    ChipReadings m_readings;
    const HwmonChip* m_railChip = nullptr;
};

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
    return Mapper(chips).run();
}

} // namespace cdx
