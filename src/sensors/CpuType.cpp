#include "sensors/CpuType.h"

namespace cdx {

int cpuOffset(CpuType type, int customAdd)
{
    switch (type) {
    case CpuType::Amd:
        return AmdCpuOffset;
    case CpuType::Cyrix:
        return CyrixCpuOffset;
    case CpuType::Custom:
        return customAdd;
    case CpuType::Intel:
        break;
    }
    return IntelCpuOffset;
}

CpuTypeSelection loadCpuType(int storedCpuType, bool customCpu, int customCpuAdd)
{
    CpuTypeSelection selection;
    // The stored offset is the one in force at the last save, whatever it was.
    selection.offset = storedCpuType;
    if (storedCpuType == AmdCpuOffset) {
        selection.type = CpuType::Amd;
    } else if (storedCpuType == CyrixCpuOffset) {
        selection.type = CpuType::Cyrix;
    } else {
        selection.type = CpuType::Intel;
    }
    if (customCpu) {
        selection.type = CpuType::Custom;
        selection.offset = customCpuAdd;
    }
    return selection;
}

std::string customCpuLabel(int customAdd)
{
    return std::string("+").append(std::to_string(customAdd));
}

} // namespace cdx
