// The hardware sensor driver: the readings of the machine's monitoring chips
// through libsensors, after sensors.conf's labels and compute rules. Which
// chip and input supplies each reading is ChipMapping's choice; a reading it
// cannot identify is reported as not available, with the reason.

#include <chrono>
#include <cstdlib>
#include <optional>
#include <sensors/sensors.h>
#include <string>
#include <vector>

#include "PcSpeaker.h"
#include "sensors/ChipMapping.h"
#include "sensors/SensorInputList.h"

#pragma GCC visibility push(default)
#include "caldrix/driver.h"
#pragma GCC visibility pop

namespace {

// Readings are taken at most this often: one poll's calls share one reading.
constexpr auto SnapshotAge = std::chrono::milliseconds(500);

struct InputKind {
    sensors_feature_type feature;
    sensors_subfeature_type input;
    cdx::HwmonInput::Kind kind;
};

constexpr InputKind InputKinds[] = {
    {SENSORS_FEATURE_TEMP, SENSORS_SUBFEATURE_TEMP_INPUT, cdx::HwmonInput::Kind::Temperature},
    {SENSORS_FEATURE_IN, SENSORS_SUBFEATURE_IN_INPUT, cdx::HwmonInput::Kind::Voltage},
    {SENSORS_FEATURE_FAN, SENSORS_SUBFEATURE_FAN_INPUT, cdx::HwmonInput::Kind::Fan},
};

class SensorsDriver {
public:
    SensorsDriver() : m_initialised(sensors_init(nullptr) == 0) {}
    ~SensorsDriver()
    {
        if (m_initialised) {
            sensors_cleanup();
        }
    }
    SensorsDriver(const SensorsDriver&) = delete;
    SensorsDriver& operator=(const SensorsDriver&) = delete;

    const cdx::ChipReadings& readings()
    {
        const auto now = std::chrono::steady_clock::now();
        if (!m_taken || now - m_takenAt > SnapshotAge) {
            m_chips = chips();
            m_readings = cdx::ChipMapping::map(m_chips, m_bindings);
            m_taken = true;
            m_takenAt = now;
        }
        return m_readings;
    }

    void invalidate() { m_taken = false; }

    const std::vector<cdx::HwmonChip>& reportedChips()
    {
        readings();
        return m_chips;
    }

    void bind(std::size_t reading, std::string source)
    {
        m_bindings[reading] = std::move(source);
        invalidate();
    }

    // Text handed out by the exports that return one, kept until the next call.
    std::string& text() { return m_text; }
    cdx::PcSpeaker& speaker() { return m_speaker; }

private:
    std::vector<cdx::HwmonChip> chips() const
    {
        std::vector<cdx::HwmonChip> result;
        if (!m_initialised) {
            return result;
        }
        int chipNr = 0;
        while (const sensors_chip_name* name = sensors_get_detected_chips(nullptr, &chipNr)) {
            cdx::HwmonChip chip;
            chip.name = name->prefix != nullptr ? name->prefix : "";
            chip.busType = name->bus.type;
            chip.busNumber = name->bus.nr;
            chip.address = name->addr;
            char id[128];
            if (sensors_snprintf_chip_name(id, sizeof id, name) > 0) {
                chip.id = id;
            }
            int featureNr = 0;
            while (const sensors_feature* feature = sensors_get_features(name, &featureNr)) {
                for (const auto& kind : InputKinds) {
                    if (feature->type == kind.feature) {
                        addInput(*name, *feature, kind, chip);
                    }
                }
            }
            result.push_back(std::move(chip));
        }
        return result;
    }

    static void addInput(const sensors_chip_name& name, const sensors_feature& feature, const InputKind& kind,
                         cdx::HwmonChip& chip)
    {
        const sensors_subfeature* input = sensors_get_subfeature(&name, &feature, kind.input);
        double value = 0.0;
        if (input == nullptr || sensors_get_value(&name, input->number, &value) != 0) {
            return; // an input that cannot be read counts as absent
        }
        cdx::HwmonInput entry;
        entry.kind = kind.kind;
        entry.number = numberOf(feature);
        entry.value = value;
        if (char* label = sensors_get_label(&name, &feature)) {
            entry.label = label;
            std::free(label);
        }
        if (kind.kind == cdx::HwmonInput::Kind::Voltage) {
            entry.minimum = valueOf(name, feature, SENSORS_SUBFEATURE_IN_MIN);
            entry.maximum = valueOf(name, feature, SENSORS_SUBFEATURE_IN_MAX);
        }
        if (kind.kind == cdx::HwmonInput::Kind::Fan) {
            const sensors_subfeature* div = sensors_get_subfeature(&name, &feature, SENSORS_SUBFEATURE_FAN_DIV);
            double divisor = 0.0;
            if (div != nullptr && sensors_get_value(&name, div->number, &divisor) == 0) {
                entry.divisor = divisor;
            }
        }
        chip.inputs.push_back(std::move(entry));
    }

    static std::optional<double> valueOf(const sensors_chip_name& name, const sensors_feature& feature,
                                         sensors_subfeature_type type)
    {
        const sensors_subfeature* sub = sensors_get_subfeature(&name, &feature, type);
        double value = 0.0;
        if (sub == nullptr || sensors_get_value(&name, sub->number, &value) != 0) {
            return std::nullopt;
        }
        return value;
    }

    // The N of "tempN", "inN", "fanN".
    static int numberOf(const sensors_feature& feature)
    {
        const char* text = feature.name != nullptr ? feature.name : "";
        while (*text != '\0' && (*text < '0' || *text > '9')) {
            ++text;
        }
        return std::atoi(text);
    }

    bool m_initialised;
    bool m_taken = false;
    std::chrono::steady_clock::time_point m_takenAt;
    cdx::ChipReadings m_readings;
    std::vector<cdx::HwmonChip> m_chips;
    cdx::ReadingBindings m_bindings;
    std::string m_text;
    cdx::PcSpeaker m_speaker;
};

SensorsDriver& driver()
{
    static SensorsDriver instance;
    return instance;
}

const cdx::ChipReadings& now()
{
    return driver().readings();
}

} // namespace

extern "C" {

bool CheckLM78(void)
{
    return now().present;
}

void RestartLM78(void)
{
    driver().invalidate();
}

int32_t GetFanDivide1(void)
{
    return now().fanDivide1;
}

int32_t GetFanDivide2(void)
{
    return now().fanDivide2;
}

int32_t GetLM78Fan1(void)
{
    return now().fan1;
}

int32_t GetLM78Fan2(void)
{
    return now().fan2;
}

int32_t GetLM78Fan3(void)
{
    return now().fan3;
}

int32_t GetLM78Temp(void)
{
    return now().temp;
}

int32_t GetLM75TempAsusTX(void)
{
    return now().lm75;
}

double GetWinBondSensor2(void)
{
    return now().winbond2;
}

double GetWinBondSensor3(void)
{
    return now().winbond3;
}

double GetLM78Core0(void)
{
    return now().core0;
}

double GetLM78Core1(void)
{
    return now().core1;
}

double GetLM78Pos33v(void)
{
    return now().pos33;
}

double GetLM78Pos5v(void)
{
    return now().pos5;
}

double GetLM78Pos12v(void)
{
    return now().pos12;
}

double GetLM78Neg12v(void)
{
    return now().neg12;
}

double GetLM78Neg5v(void)
{
    return now().neg5;
}

int32_t GetChipID(void)
{
    return now().chipId;
}

void StartPCSpeaker(uint16_t divisor)
{
    driver().speaker().start(divisor);
}

void StopPCSpeaker(void)
{
    driver().speaker().stop();
}

uint32_t CdxAvailableReadings(void)
{
    return now().available;
}

bool CdxCpuTemperatureIsTrue(void)
{
    return now().cpuTemperatureTrue;
}

const char* CdxReadingSource(int32_t reading)
{
    if (reading < 0 || reading >= CDX_READING_COUNT) {
        return nullptr;
    }
    return now().sources[static_cast<std::size_t>(reading)].c_str();
}

int32_t CdxBindReading(int32_t reading, const char* source)
{
    if (reading < 0 || reading >= CDX_READING_COUNT) {
        return -1;
    }
    std::string text = source != nullptr ? source : "";
    if (text.size() > 255 || text.find_first_of("\t\r\n") != std::string::npos ||
        (!text.empty() && text.find('/') == std::string::npos)) {
        return -1;
    }
    driver().bind(static_cast<std::size_t>(reading), std::move(text));
    return 0;
}

const char* CdxInputs(void)
{
    const auto& chips = driver().reportedChips();
    driver().text() = cdx::SensorInputList::format(chips, now());
    return driver().text().c_str();
}

bool CdxReadingLimits(int32_t reading, double* low, double* high)
{
    if (reading < 0 || reading >= CDX_READING_COUNT || low == nullptr || high == nullptr) {
        return false;
    }
    const auto& limits = now().limits[static_cast<std::size_t>(reading)];
    if (!limits) {
        return false;
    }
    *low = limits->low;
    *high = limits->high;
    return true;
}

const char* CdxDriverVersion(void)
{
    return CALDRIX_VERSION;
}

} // extern "C"
