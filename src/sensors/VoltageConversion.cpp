#include "sensors/VoltageConversion.h"

#include "sensors/Formats.h"
#include "sensors/Readings.h"

namespace cdx {

double toleranceVolts(double base, double voltageOff)
{
    return base / 100.0 * voltageOff;
}

VoltageBand voltageBand(VoltageRail rail, const VoltageNominals& nominals, double voltageOff)
{
    double nominal = 0.0;
    double base = 0.0;
    switch (rail) {
    case VoltageRail::Core:
        nominal = base = nominals.coreVoltage;
        break;
    case VoltageRail::Pos33:
        nominal = base = nominals.custom33;
        break;
    case VoltageRail::Pos5:
        nominal = base = 5.0;
        break;
    case VoltageRail::Pos12:
        nominal = base = 12.0;
        break;
    case VoltageRail::Neg12:
        nominal = -12.0;
        base = 12.0;
        break;
    case VoltageRail::Neg5:
        nominal = -5.0;
        base = 5.0;
        break;
    }
    return VoltageBand(nominal, toleranceVolts(base, voltageOff));
}

std::string voltageText(double volts, std::string_view decimalSeparator)
{
    return ": " + formatFixed(volts, 2, decimalSeparator);
}

VoltageBand voltageBandOf(VoltageRail rail, const Readings& readings, const VoltageNominals& nominals,
                          double voltageOff)
{
    if (rail == VoltageRail::Core && readings.coreLimits) {
        return *readings.coreLimits;
    }
    return voltageBand(rail, nominals, voltageOff);
}

} // namespace cdx
