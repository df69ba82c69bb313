#include "sensors/DriverExport.h"

#include <array>

namespace cdx {

namespace {

constexpr std::array<DriverExport, 21> Exports{{
    {"CheckLM78", ExportResult::Boolean},        {"RestartLM78", ExportResult::None},
    {"GetFanDivide1", ExportResult::Int32},      {"GetFanDivide2", ExportResult::Int32},
    {"GetLM78Fan1", ExportResult::Int32},        {"GetLM78Fan2", ExportResult::Int32},
    {"GetLM78Fan3", ExportResult::Int32},        {"GetLM78Temp", ExportResult::Int32},
    {"GetLM75TempAsusTX", ExportResult::Int32},  {"GetWinBondSensor2", ExportResult::Double},
    {"GetWinBondSensor3", ExportResult::Double}, {"GetLM78Core0", ExportResult::Double},
    {"GetLM78Core1", ExportResult::Double},      {"GetLM78Pos33v", ExportResult::Double},
    {"GetLM78Pos5v", ExportResult::Double},      {"GetLM78Pos12v", ExportResult::Double},
    {"GetLM78Neg12v", ExportResult::Double},     {"GetLM78Neg5v", ExportResult::Double},
    {"GetChipID", ExportResult::Int32},          {"StartPCSpeaker", ExportResult::None},
    {"StopPCSpeaker", ExportResult::None},
}};

} // namespace

std::span<const DriverExport> driverExports()
{
    return Exports;
}

const DriverExport* findDriverExport(std::string_view name)
{
    for (const auto& e : Exports) {
        if (e.name == name) {
            return &e;
        }
    }
    return nullptr;
}

} // namespace cdx
