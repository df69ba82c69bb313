#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sensors/DriverReading.h"
#include "sensors/SensorInput.h"
#include "sensors/VoltageBand.h"

namespace cdx {

// The sensor driver as the program sees it: one method per driver export, with
// the export's name and meaning. The bound library implements it in the
// program; tests use FakeSensorDriver.
class SensorDriver {
public:
    virtual ~SensorDriver() = default;

    // false: no chip; voltages and fans are never read.
    virtual bool CheckLM78() = 0;
    virtual void RestartLM78() = 0;
    // Fan 1 / fan 2 divisor, used as returned (may be 0: the conversion refuses it).
    virtual std::int32_t GetFanDivide1() = 0;
    virtual std::int32_t GetFanDivide2() = 0;
    // Fan counts; 255: no reading.
    virtual std::int32_t GetLM78Fan1() = 0;
    virtual std::int32_t GetLM78Fan2() = 0;
    virtual std::int32_t GetLM78Fan3() = 0;
    // Whole degrees Celsius.
    virtual std::int32_t GetLM78Temp() = 0;
    // Whole degrees Celsius before the CPU offset; 10 or less: no sensor.
    virtual std::int32_t GetLM75TempAsusTX() = 0;
    // Degrees Celsius, may carry a fraction.
    virtual double GetWinBondSensor2() = 0;
    virtual double GetWinBondSensor3() = 0;
    // Volts.
    virtual double GetLM78Core0() = 0;
    virtual double GetLM78Core1() = 0;
    virtual double GetLM78Pos33v() = 0;
    virtual double GetLM78Pos5v() = 0;
    virtual double GetLM78Pos12v() = 0;
    virtual double GetLM78Neg12v() = 0;
    virtual double GetLM78Neg5v() = 0;
    // 16: Winbond W83781D; 45: LM78; other: no identified chip.
    virtual std::int32_t GetChipID() = 0;
    // Tone of 1193181 / divisor Hz until StopPCSpeaker.
    virtual void StartPCSpeaker(std::uint16_t divisor) = 0;
    virtual void StopPCSpeaker() = 0;

    // What a driver may tell besides its readings; a driver that does not
    // serves every reading, with the CPU offset to add, from sources unnamed.
    virtual ReadingMask availableReadings() { return AllReadings; }
    virtual bool cpuTemperatureIsTrue() { return false; }
    virtual std::string readingSource(DriverReading) { return {}; }
    virtual std::string version() { return {}; }
    // Every input the driver can read (CdxInputs); none from a driver that
    // does not say.
    virtual std::vector<SensorInput> inputs() { return {}; }
    // Binds a reading to an input, "" to the driver's own choice
    // (CdxBindReading); false when the driver cannot.
    virtual bool bindReading(DriverReading, const std::string&) { return false; }
    // The band the chip's own limits give a voltage reading (CdxReadingLimits).
    virtual std::optional<VoltageBand> readingLimits(DriverReading) { return std::nullopt; }
};

} // namespace cdx
