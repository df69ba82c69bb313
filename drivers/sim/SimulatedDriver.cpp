// The simulated sensor driver. Without a scenario it reports a present W83781D
// (chip id 16) whose readings drift slowly around plausible values: four
// temperatures, six rails near their nominal values and three turning fans.
// With CALDRIX_SIM_SCENARIO naming a scenario file, the exports the file names
// return its values (the last one repeating); a faulty file leaves the driver
// unusable and CdxLastError says why.

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <string>

#include "PcSpeaker.h"
#include "sensors/ScenarioError.h"
#include "sensors/ScenarioFile.h"
#include "sensors/ScriptedValues.h"

#pragma GCC visibility push(default)
#include "caldrix/driver.h"
#pragma GCC visibility pop

namespace {

constexpr std::int32_t FanDivisor = 2;

class SimulatedDriver {
public:
    SimulatedDriver() : m_start(std::chrono::steady_clock::now())
    {
        const char* path = std::getenv("CALDRIX_SIM_SCENARIO");
        if (path == nullptr || *path == '\0') {
            return;
        }
        try {
            m_script = cdx::ScenarioFile::read(path);
        } catch (const cdx::ScenarioError& e) {
            m_error = e.what();
        }
    }

    const std::string& error() const { return m_error; }
    cdx::PcSpeaker& speaker() { return m_speaker; }

    // The scripted value of an export, or the simulated one.
    double value(const char* exportName, double simulated)
    {
        const auto scripted = m_script.next(exportName);
        return scripted ? *scripted : simulated;
    }

    // A slow wave of the given amplitude and period (seconds) around `centre`.
    double drift(double centre, double amplitude, double periodSeconds, double phase) const
    {
        const double t = std::chrono::duration<double>(std::chrono::steady_clock::now() - m_start).count();
        return centre + amplitude * std::sin(2.0 * std::numbers::pi * t / periodSeconds + phase);
    }

    // The count a fan of `rpm` gives with the divisor (fans 1 and 2) or without (fan 3).
    std::int32_t fanCount(double rpm, std::int32_t divisor) const
    {
        return static_cast<std::int32_t>(std::lround((675000.0 / divisor) / rpm));
    }

private:
    std::chrono::steady_clock::time_point m_start;
    cdx::ScriptedValues m_script;
    std::string m_error;
    cdx::PcSpeaker m_speaker;
};

SimulatedDriver& driver()
{
    static SimulatedDriver instance;
    return instance;
}

std::int32_t intValue(const char* exportName, double simulated)
{
    return static_cast<std::int32_t>(std::lround(driver().value(exportName, simulated)));
}

} // namespace

extern "C" {

const char* CdxDriverVersion(void)
{
    return CALDRIX_VERSION;
}

const char* CdxLastError(void)
{
    const std::string& error = driver().error();
    return error.empty() ? nullptr : error.c_str();
}

bool CheckLM78(void)
{
    return driver().value("CheckLM78", 1) != 0;
}

void RestartLM78(void)
{
}

int32_t GetFanDivide1(void)
{
    return intValue("GetFanDivide1", FanDivisor);
}

int32_t GetFanDivide2(void)
{
    return intValue("GetFanDivide2", FanDivisor);
}

int32_t GetLM78Fan1(void)
{
    auto& d = driver();
    return intValue("GetLM78Fan1", d.fanCount(d.drift(2500, 60, 420, 0.0), FanDivisor));
}

int32_t GetLM78Fan2(void)
{
    auto& d = driver();
    return intValue("GetLM78Fan2", d.fanCount(d.drift(3100, 80, 530, 1.0), FanDivisor));
}

int32_t GetLM78Fan3(void)
{
    auto& d = driver();
    return intValue("GetLM78Fan3", d.fanCount(d.drift(4500, 100, 610, 2.0), 1));
}

int32_t GetLM78Temp(void)
{
    return intValue("GetLM78Temp", driver().drift(32, 2, 600, 0.5));
}

int32_t GetLM75TempAsusTX(void)
{
    return intValue("GetLM75TempAsusTX", driver().drift(24, 3, 300, 1.5));
}

double GetWinBondSensor2(void)
{
    return driver().value("GetWinBondSensor2", std::round(driver().drift(45.0, 2.5, 480, 2.5) * 2) / 2);
}

double GetWinBondSensor3(void)
{
    return driver().value("GetWinBondSensor3", std::round(driver().drift(38.0, 1.5, 720, 3.0) * 2) / 2);
}

double GetLM78Core0(void)
{
    return driver().value("GetLM78Core0", driver().drift(2.80, 0.03, 90, 0.0));
}

double GetLM78Core1(void)
{
    return driver().value("GetLM78Core1", driver().drift(2.78, 0.03, 110, 0.7));
}

double GetLM78Pos33v(void)
{
    return driver().value("GetLM78Pos33v", driver().drift(3.31, 0.02, 130, 1.1));
}

double GetLM78Pos5v(void)
{
    return driver().value("GetLM78Pos5v", driver().drift(5.02, 0.04, 150, 1.9));
}

double GetLM78Pos12v(void)
{
    return driver().value("GetLM78Pos12v", driver().drift(12.10, 0.10, 170, 2.3));
}

double GetLM78Neg12v(void)
{
    return driver().value("GetLM78Neg12v", driver().drift(-11.90, 0.10, 190, 2.9));
}

double GetLM78Neg5v(void)
{
    return driver().value("GetLM78Neg5v", driver().drift(-5.05, 0.04, 210, 3.7));
}

int32_t GetChipID(void)
{
    return intValue("GetChipID", 16);
}

void StartPCSpeaker(uint16_t divisor)
{
    driver().speaker().start(divisor);
}

void StopPCSpeaker(void)
{
    driver().speaker().stop();
}

} // extern "C"
