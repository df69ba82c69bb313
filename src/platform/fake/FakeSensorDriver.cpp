#include "platform/fake/FakeSensorDriver.h"

#include <cmath>
#include <stdexcept>

#include "sensors/DriverExport.h"

namespace cdx {

FakeSensorDriver::FakeSensorDriver() = default;

void FakeSensorDriver::script(std::string_view exportName, std::vector<double> values)
{
    const DriverExport* driverExport = findDriverExport(exportName);
    if (driverExport == nullptr || driverExport->result == ExportResult::None) {
        throw std::invalid_argument("not a scriptable driver export: " + std::string(exportName));
    }
    m_script.set(exportName, std::move(values));
}

int FakeSensorDriver::calls(std::string_view exportName) const
{
    auto it = m_calls.find(exportName);
    return it == m_calls.end() ? 0 : it->second;
}

double FakeSensorDriver::next(std::string_view exportName, double fallback)
{
    auto it = m_calls.find(exportName);
    if (it == m_calls.end()) {
        it = m_calls.emplace(std::string(exportName), 0).first;
    }
    ++it->second;
    return m_script.next(exportName).value_or(fallback);
}

namespace {

std::int32_t asInt(double value)
{
    return static_cast<std::int32_t>(std::llround(value));
}

} // namespace

bool FakeSensorDriver::CheckLM78()
{
    return next("CheckLM78", 1) != 0;
}

void FakeSensorDriver::RestartLM78()
{
    next("RestartLM78", 0);
}

std::int32_t FakeSensorDriver::GetFanDivide1()
{
    return asInt(next("GetFanDivide1", 2));
}

std::int32_t FakeSensorDriver::GetFanDivide2()
{
    return asInt(next("GetFanDivide2", 2));
}

std::int32_t FakeSensorDriver::GetLM78Fan1()
{
    return asInt(next("GetLM78Fan1", 135));
}

std::int32_t FakeSensorDriver::GetLM78Fan2()
{
    return asInt(next("GetLM78Fan2", 150));
}

std::int32_t FakeSensorDriver::GetLM78Fan3()
{
    return asInt(next("GetLM78Fan3", 255));
}

std::int32_t FakeSensorDriver::GetLM78Temp()
{
    return asInt(next("GetLM78Temp", 30));
}

std::int32_t FakeSensorDriver::GetLM75TempAsusTX()
{
    return asInt(next("GetLM75TempAsusTX", 25));
}

double FakeSensorDriver::GetWinBondSensor2()
{
    return next("GetWinBondSensor2", 40.5);
}

double FakeSensorDriver::GetWinBondSensor3()
{
    return next("GetWinBondSensor3", 35.0);
}

double FakeSensorDriver::GetLM78Core0()
{
    return next("GetLM78Core0", 2.8);
}

double FakeSensorDriver::GetLM78Core1()
{
    return next("GetLM78Core1", 2.8);
}

double FakeSensorDriver::GetLM78Pos33v()
{
    return next("GetLM78Pos33v", 3.3);
}

double FakeSensorDriver::GetLM78Pos5v()
{
    return next("GetLM78Pos5v", 5.0);
}

double FakeSensorDriver::GetLM78Pos12v()
{
    return next("GetLM78Pos12v", 12.0);
}

double FakeSensorDriver::GetLM78Neg12v()
{
    return next("GetLM78Neg12v", -12.0);
}

double FakeSensorDriver::GetLM78Neg5v()
{
    return next("GetLM78Neg5v", -5.0);
}

std::int32_t FakeSensorDriver::GetChipID()
{
    return asInt(next("GetChipID", 16));
}

void FakeSensorDriver::StartPCSpeaker(std::uint16_t divisor)
{
    next("StartPCSpeaker", 0);
    m_speakerStarts.push_back(divisor);
    m_speakerOn = true;
}

void FakeSensorDriver::StopPCSpeaker()
{
    next("StopPCSpeaker", 0);
    m_speakerOn = false;
}

} // namespace cdx
