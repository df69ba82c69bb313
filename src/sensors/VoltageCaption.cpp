#include "sensors/VoltageCaption.h"

#include "sensors/Formats.h"

namespace cdx {

std::string voltageCaption(VoltageRail rail, double plus33Nominal, std::string_view decimalSeparator)
{
    switch (rail) {
    case VoltageRail::Core:
        return "Core Voltage";
    case VoltageRail::Pos33:
        return std::string("+").append(formatGeneral(plus33Nominal, decimalSeparator)).append(" Voltage");
    case VoltageRail::Pos5:
        return "+5 Voltage";
    case VoltageRail::Pos12:
        return "+12 Voltage";
    case VoltageRail::Neg12:
        return "-12 Voltage";
    case VoltageRail::Neg5:
        return "-5 Voltage";
    }
    return {};
}

} // namespace cdx
