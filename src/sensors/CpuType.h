#pragma once

#include <string>

namespace cdx {

// The "CPU Type (LM75)" radio buttons and the offset each adds to the CPU
// temperature: "Intel (+22)", "AMD (+7)", "Cyrix (+16)", "Custom".
enum class CpuType { Intel, Amd, Cyrix, Custom };

inline constexpr int IntelCpuOffset = 22;
inline constexpr int AmdCpuOffset = 7;
inline constexpr int CyrixCpuOffset = 16;
inline constexpr int DefaultCustomCpuAdd = 7;

// The offset in force for a type; `customAdd` counts for Custom only.
int cpuOffset(CpuType type, int customAdd);

// The selection made from the stored "CPU Type" (the offset that was in force),
// "Custom CPU" and "Custom CPU Add": 7 selects AMD, 16 Cyrix, anything else
// Intel; "Custom CPU" then selects Custom with "Custom CPU Add" as the offset.
struct CpuTypeSelection {
    CpuType type = CpuType::Intel;
    int offset = IntelCpuOffset;
};
CpuTypeSelection loadCpuType(int storedCpuType, bool customCpu, int customCpuAdd);

// The custom value's label: "+" and the value ("+7").
std::string customCpuLabel(int customAdd);

} // namespace cdx
