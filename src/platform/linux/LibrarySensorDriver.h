#pragma once

#include <memory>
#include <string>

#include "platform/linux/SharedLibrary.h"
#include "sensors/SensorDriver.h"

namespace cdx {

// The sensor driver reached through the exports of a loaded library.
class LibrarySensorDriver : public SensorDriver {
public:
    // Binds every export of the library; empty with `error` naming the first
    // missing export, or the driver's own error (CdxLastError).
    static std::unique_ptr<LibrarySensorDriver> bind(std::shared_ptr<SharedLibrary> library, std::string& error);

    bool CheckLM78() override { return m_exports.CheckLM78(); }
    void RestartLM78() override { m_exports.RestartLM78(); }
    std::int32_t GetFanDivide1() override { return m_exports.GetFanDivide1(); }
    std::int32_t GetFanDivide2() override { return m_exports.GetFanDivide2(); }
    std::int32_t GetLM78Fan1() override { return m_exports.GetLM78Fan1(); }
    std::int32_t GetLM78Fan2() override { return m_exports.GetLM78Fan2(); }
    std::int32_t GetLM78Fan3() override { return m_exports.GetLM78Fan3(); }
    std::int32_t GetLM78Temp() override { return m_exports.GetLM78Temp(); }
    std::int32_t GetLM75TempAsusTX() override { return m_exports.GetLM75TempAsusTX(); }
    double GetWinBondSensor2() override { return m_exports.GetWinBondSensor2(); }
    double GetWinBondSensor3() override { return m_exports.GetWinBondSensor3(); }
    double GetLM78Core0() override { return m_exports.GetLM78Core0(); }
    double GetLM78Core1() override { return m_exports.GetLM78Core1(); }
    double GetLM78Pos33v() override { return m_exports.GetLM78Pos33v(); }
    double GetLM78Pos5v() override { return m_exports.GetLM78Pos5v(); }
    double GetLM78Pos12v() override { return m_exports.GetLM78Pos12v(); }
    double GetLM78Neg12v() override { return m_exports.GetLM78Neg12v(); }
    double GetLM78Neg5v() override { return m_exports.GetLM78Neg5v(); }
    std::int32_t GetChipID() override { return m_exports.GetChipID(); }
    void StartPCSpeaker(std::uint16_t divisor) override { m_exports.StartPCSpeaker(divisor); }
    void StopPCSpeaker() override { m_exports.StopPCSpeaker(); }
    ReadingMask availableReadings() override;
    bool cpuTemperatureIsTrue() override;
    std::string readingSource(DriverReading reading) override;
    std::string version() override;
    std::vector<SensorInput> inputs() override;
    bool bindReading(DriverReading reading, const std::string& source) override;
    std::optional<VoltageBand> readingLimits(DriverReading reading) override;

private:
    struct Exports {
        bool (*CheckLM78)();
        void (*RestartLM78)();
        std::int32_t (*GetFanDivide1)();
        std::int32_t (*GetFanDivide2)();
        std::int32_t (*GetLM78Fan1)();
        std::int32_t (*GetLM78Fan2)();
        std::int32_t (*GetLM78Fan3)();
        std::int32_t (*GetLM78Temp)();
        std::int32_t (*GetLM75TempAsusTX)();
        double (*GetWinBondSensor2)();
        double (*GetWinBondSensor3)();
        double (*GetLM78Core0)();
        double (*GetLM78Core1)();
        double (*GetLM78Pos33v)();
        double (*GetLM78Pos5v)();
        double (*GetLM78Pos12v)();
        double (*GetLM78Neg12v)();
        double (*GetLM78Neg5v)();
        std::int32_t (*GetChipID)();
        void (*StartPCSpeaker)(std::uint16_t);
        void (*StopPCSpeaker)();
        // Optional exports; null when the driver lacks them.
        std::uint32_t (*CdxAvailableReadings)();
        bool (*CdxCpuTemperatureIsTrue)();
        const char* (*CdxReadingSource)(std::int32_t);
        const char* (*CdxDriverVersion)();
        const char* (*CdxInputs)();
        std::int32_t (*CdxBindReading)(std::int32_t, const char*);
        bool (*CdxReadingLimits)(std::int32_t, double*, double*);
    };

    LibrarySensorDriver(std::shared_ptr<SharedLibrary> library, const Exports& exports);

    std::shared_ptr<SharedLibrary> m_library;
    Exports m_exports;
};

} // namespace cdx
