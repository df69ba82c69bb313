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
#include "sensors/TemperatureLabel.h"

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

bool plausibleTemperature(double value)
{
    return std::isfinite(value) && value > LowestConnected && value < HighestConnected;
}

std::optional<ChipReadings::Limits> limitsOf(const HwmonInput& input)
{
    if (input.kind != Kind::Voltage || !input.minimum || !input.maximum) {
        return std::nullopt;
    }
    const double low = *input.minimum;
    const double high = *input.maximum;
    // Limits a chip was never given read 0, or its whole range: no band.
    if (!std::isfinite(low) || !std::isfinite(high) || low <= 0.0 || high <= low) {
        return std::nullopt;
    }
    return ChipReadings::Limits{low, high};
}

class Mapper {
public:
    Mapper(const std::vector<HwmonChip>& chips, const ReadingBindings& bindings) : m_chips(chips), m_bindings(bindings)
    {
    }

    ChipReadings run()
    {
        mapBound();
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
    bool bound(DriverReading reading) const { return !m_bindings[static_cast<std::size_t>(reading)].empty(); }

    // The readings the user bound, each from its input or from nothing.
    void mapBound()
    {
        for (int i = 0; i < DriverReadingCount; ++i) {
            const auto reading = static_cast<DriverReading>(i);
            const std::string& wanted = m_bindings[static_cast<std::size_t>(i)];
            if (wanted.empty()) {
                continue;
            }
            const HwmonChip* foundChip = nullptr;
            const HwmonInput* found = nullptr;
            for (const HwmonChip& chip : m_chips) {
                for (const HwmonInput& input : chip.inputs) {
                    if (found == nullptr && input.kind == ChipMapping::kindOf(reading) &&
                        ChipMapping::sourceName(chip, input) == wanted) {
                        foundChip = &chip;
                        found = &input;
                    }
                }
            }
            if (found == nullptr || !std::isfinite(found->value)) {
                missing(reading, wanted + " is not reported (chosen on the Sources page)");
                continue;
            }
            setValue(reading, *foundChip, *found);
            take(reading, *foundChip, *found, "chosen on the Sources page");
        }
    }

    void setValue(DriverReading reading, const HwmonChip& chip, const HwmonInput& input)
    {
        switch (reading) {
        case DriverReading::Wb1Temperature:
            m_readings.temp = wholeDegrees(input.value);
            break;
        case DriverReading::CpuTemperature:
            m_readings.lm75 = wholeDegrees(input.value);
            m_readings.cpuTemperatureTrue = chip.name != "lm75";
            break;
        case DriverReading::Wb2Temperature:
            m_readings.winbond2 = input.value;
            break;
        case DriverReading::Wb3Temperature:
            m_readings.winbond3 = input.value;
            break;
        case DriverReading::Fan1:
            m_readings.fanDivide1 = divisorOf(&input);
            m_readings.fan1 = ChipMapping::fanCount(input.value, m_readings.fanDivide1);
            break;
        case DriverReading::Fan2:
            m_readings.fanDivide2 = divisorOf(&input);
            m_readings.fan2 = ChipMapping::fanCount(input.value, m_readings.fanDivide2);
            break;
        case DriverReading::Fan3:
            m_readings.fan3 = ChipMapping::fanCount(input.value, 1);
            break;
        default:
            railValue(m_readings, reading) = input.value;
            break;
        }
    }

    void take(DriverReading reading, const HwmonChip& chip, const HwmonInput& input, std::string note = {})
    {
        m_readings.available |= readingBit(reading);
        m_readings.limits[static_cast<std::size_t>(reading)] = limitsOf(input);
        m_readings.inputs[static_cast<std::size_t>(reading)] = ChipMapping::sourceName(chip, input);
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
        if (bound(DriverReading::CpuTemperature)) {
            return;
        }
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
        // The board's own reading of the processor, already calibrated by its sensors.conf.
        for (const HwmonChip& chip : m_chips) {
            if (!isBoardChip(chip)) {
                continue;
            }
            for (const auto* input : inputsOf(chip, Kind::Temperature)) {
                if (isLabelled(*input) && plausibleTemperature(input->value) &&
                    TemperatureLabel::identify(input->label) == TemperatureRole::Processor) {
                    m_readings.lm75 = wholeDegrees(input->value);
                    m_readings.cpuTemperatureTrue = true;
                    m_boardCpu = input;
                    take(DriverReading::CpuTemperature, chip, *input, "the board's processor input: no CPU offset");
                    return;
                }
            }
        }
        missing(DriverReading::CpuTemperature, "no processor sensor (coretemp, k10temp, zenpower, k8temp, "
                                               "cpu_thermal), no lm75 chip and no board input labelled for the CPU");
    }

    void mapBoardTemperatures()
    {
        struct Candidate {
            const HwmonChip* chip;
            const HwmonInput* input;
        };
        // By what the label says: the board's own, then further board inputs,
        // then other labelled ones, then the processor's (when not the CPU's
        // reading already); thermal zones come last.
        std::array<std::vector<Candidate>, 4> labelled;
        std::vector<Candidate> zones;
        for (const HwmonChip& chip : m_chips) {
            const bool isZone = chip.name == "acpitz";
            if (!isZone && !isBoardChip(chip)) {
                continue;
            }
            for (const auto* input : inputsOf(chip, Kind::Temperature)) {
                if (!plausibleTemperature(input->value) || input == m_boardCpu) {
                    continue;
                }
                if (isZone) {
                    zones.push_back({&chip, input});
                    continue;
                }
                if (!isLabelled(*input)) {
                    continue;
                }
                switch (TemperatureLabel::identify(input->label)) {
                case TemperatureRole::Board:
                    labelled[0].push_back({&chip, input});
                    break;
                case TemperatureRole::Secondary:
                    labelled[1].push_back({&chip, input});
                    break;
                case TemperatureRole::Unknown:
                    labelled[2].push_back({&chip, input});
                    break;
                case TemperatureRole::Processor:
                    labelled[3].push_back({&chip, input});
                    break;
                case TemperatureRole::Foreign:
                    break;
                }
            }
        }
        std::vector<Candidate> order;
        bool wb1Found = true;
        if (!labelled[0].empty()) {
            order.push_back(labelled[0].front());
            labelled[0].erase(labelled[0].begin());
        } else if (!zones.empty()) {
            order.push_back(zones.front());
            zones.erase(zones.begin());
        } else {
            wb1Found = false;
        }
        for (const auto& group : labelled) {
            order.insert(order.end(), group.begin(), group.end());
        }
        order.insert(order.end(), zones.begin(), zones.end());

        std::size_t next = 0;
        if (bound(DriverReading::Wb1Temperature)) {
            next = wb1Found ? 1 : 0; // the board's own stays out of WB2 and WB3
        } else if (wb1Found) {
            m_readings.temp = wholeDegrees(order[0].input->value);
            take(DriverReading::Wb1Temperature, *order[0].chip, *order[0].input);
            next = 1;
        } else {
            missing(DriverReading::Wb1Temperature, "no board temperature labelled as such (\"System Temp\", SYSTIN, "
                                                   "\"M/B Temp\") and no ACPI thermal zone");
        }
        for (DriverReading reading : {DriverReading::Wb2Temperature, DriverReading::Wb3Temperature}) {
            if (bound(reading)) {
                continue;
            }
            if (next < order.size()) {
                setValue(reading, *order[next].chip, *order[next].input);
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
                if (rail && !decided(*rail) && std::isfinite(input->value)) {
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
                        !decided(standard.rail)) {
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
            if (decided(rail)) {
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

    bool decided(DriverReading reading) const { return bound(reading) || hasReading(m_readings.available, reading); }

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
            if (bound(reading)) {
                continue;
            }
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
    const ReadingBindings& m_bindings;
    ChipReadings m_readings;
    const HwmonChip* m_railChip = nullptr;
    const HwmonInput* m_boardCpu = nullptr; // the board input that feeds the CPU reading
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

std::string ChipMapping::sourceName(const HwmonChip& chip, const HwmonInput& input)
{
    return chipText(chip) + "/" + inputName(input);
}

HwmonInput::Kind ChipMapping::kindOf(DriverReading reading)
{
    switch (reading) {
    case DriverReading::Wb1Temperature:
    case DriverReading::CpuTemperature:
    case DriverReading::Wb2Temperature:
    case DriverReading::Wb3Temperature:
        return Kind::Temperature;
    case DriverReading::Fan1:
    case DriverReading::Fan2:
    case DriverReading::Fan3:
        return Kind::Fan;
    default:
        return Kind::Voltage;
    }
}

ChipReadings ChipMapping::map(std::vector<HwmonChip> chips, const ReadingBindings& bindings)
{
    std::stable_sort(chips.begin(), chips.end(), [](const HwmonChip& a, const HwmonChip& b) {
        return std::make_tuple(busRank(a.busType), a.name, a.busNumber, a.address) <
               std::make_tuple(busRank(b.busType), b.name, b.busNumber, b.address);
    });
    return Mapper(chips, bindings).run();
}

} // namespace cdx
