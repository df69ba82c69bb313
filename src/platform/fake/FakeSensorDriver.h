#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sensors/ScriptedValues.h"
#include "sensors/SensorDriver.h"

namespace cdx {

// A driver whose readings a test scripts per export, like a scenario file: each
// call of an export returns its next value, the last value repeats. Exports not
// scripted return the defaults below (a present W83781D with plausible
// readings). Every call is counted.
class FakeSensorDriver : public SensorDriver {
public:
    FakeSensorDriver();

    // Scripts an export's values ("GetLM78Fan1", {135, 255}). Throws
    // std::invalid_argument for an unknown export or one without a result.
    void script(std::string_view exportName, std::vector<double> values);

    // How often an export was called.
    int calls(std::string_view exportName) const;

    // The divisors passed to StartPCSpeaker and whether a tone sounds now.
    const std::vector<std::uint16_t>& speakerStarts() const { return m_speakerStarts; }
    bool speakerOn() const { return m_speakerOn; }

    bool CheckLM78() override;
    void RestartLM78() override;
    std::int32_t GetFanDivide1() override;
    std::int32_t GetFanDivide2() override;
    std::int32_t GetLM78Fan1() override;
    std::int32_t GetLM78Fan2() override;
    std::int32_t GetLM78Fan3() override;
    std::int32_t GetLM78Temp() override;
    std::int32_t GetLM75TempAsusTX() override;
    double GetWinBondSensor2() override;
    double GetWinBondSensor3() override;
    double GetLM78Core0() override;
    double GetLM78Core1() override;
    double GetLM78Pos33v() override;
    double GetLM78Pos5v() override;
    double GetLM78Pos12v() override;
    double GetLM78Neg12v() override;
    double GetLM78Neg5v() override;
    std::int32_t GetChipID() override;
    void StartPCSpeaker(std::uint16_t divisor) override;
    void StopPCSpeaker() override;

    // What the driver says beyond its readings: every reading and no true CPU
    // temperature unless set.
    void setAvailableReadings(ReadingMask mask) { m_available = mask; }
    void setCpuTemperatureIsTrue(bool isTrue) { m_cpuTemperatureIsTrue = isTrue; }
    ReadingMask availableReadings() override { return m_available; }
    bool cpuTemperatureIsTrue() override { return m_cpuTemperatureIsTrue; }

    // The inputs, bindings and limits of a driver that reports them.
    void setInputs(std::vector<SensorInput> inputs) { m_inputs = std::move(inputs); }
    void setReadingLimits(DriverReading reading, std::optional<VoltageBand> band)
    {
        m_limits[static_cast<std::size_t>(reading)] = band;
    }
    std::vector<SensorInput> inputs() override { return m_inputs; }
    bool bindReading(DriverReading reading, const std::string& source) override
    {
        m_bindings[static_cast<std::size_t>(reading)] = source;
        return true;
    }
    std::optional<VoltageBand> readingLimits(DriverReading reading) override
    {
        return m_limits[static_cast<std::size_t>(reading)];
    }
    const std::string& binding(DriverReading reading) const { return m_bindings[static_cast<std::size_t>(reading)]; }

private:
    double next(std::string_view exportName, double fallback);

    ScriptedValues m_script;
    std::map<std::string, int, std::less<>> m_calls;
    std::vector<std::uint16_t> m_speakerStarts;
    bool m_speakerOn = false;
    ReadingMask m_available = AllReadings;
    bool m_cpuTemperatureIsTrue = false;
    std::vector<SensorInput> m_inputs;
    std::array<std::string, DriverReadingCount> m_bindings{};
    std::array<std::optional<VoltageBand>, DriverReadingCount> m_limits{};
};

} // namespace cdx
