#include "lifecycle/FirstRunSequence.h"

#include <cmath>

#include "platform/RegistryError.h"
#include "sensors/Formats.h"
#include "settings/Settings.h"

namespace cdx {

namespace {

constexpr int kWinbondChip = 16;
constexpr int kLm78Chip = 45;

CpuPreset presetOf(CpuType type)
{
    switch (type) {
    case CpuType::Amd:
        return CpuPreset::Amd;
    case CpuType::Cyrix:
        return CpuPreset::Cyrix;
    default:
        return CpuPreset::Intel;
    }
}

} // namespace

FirstRunSequence::Outcome FirstRunSequence::run(FirstRunDialogs& dialogs, const StartupQuestions& questions, int chipId,
                                                Settings& settings)
{
    dialogs.showStartupInfo();
    if (!dialogs.askAgreement()) {
        return Outcome::Refused;
    }
    StartupChoices choices = dialogs.askStartupSettings(questions);
    if (!questions.chipDetected) {
        // The core voltage questions were not shown: nothing was chosen there.
        choices.coreVoltage = settings.coreVoltageNominal;
        choices.port1 = settings.coreVoltagePort1;
    }
    applyChoices(choices, settings, questions.askCpuType);
    dialogs.showFirstTimeInformation(chipText(chipId));
    return Outcome::Agreed;
}

FirstRunSequence::StartUp FirstRunSequence::startUp(SettingsStore& store, Settings& settings, FirstRunDialogs& dialogs,
                                                    const std::function<StartupQuestions()>& questions,
                                                    const std::function<int()>& chipId)
{
    StartUp result;
    result.load = store.readRegistry(settings);
    result.firstRun = !result.load.keyExisted;
    if (result.firstRun && run(dialogs, questions ? questions() : StartupQuestions{}, chipId ? chipId() : 0,
                               settings) == Outcome::Refused) {
        result.refused = true;
        return result;
    }
    try {
        store.writeProgramPath();
    } catch (const RegistryError& e) {
        result.error = e.what();
    }
    return result;
}

void FirstRunSequence::applyChoices(const StartupChoices& choices, Settings& settings, bool withCpuType)
{
    settings.coreVoltageNominal = choices.coreVoltage;
    settings.coreVoltagePort1 = choices.port1;
    if (!withCpuType) {
        return;
    }
    settings.customCpu = false;
    settings.cpuPreset = presetOf(choices.cpuType);
    settings.cpuOffset = cpuOffset(choices.cpuType, settings.customCpuOffset);
}

std::string FirstRunSequence::chipText(int chipId)
{
    switch (chipId) {
    case kWinbondChip:
        return "Caldrix has detected the Winbond W83781D chip on your PC, it is recomended that you use the WB1, WB2 "
               "and WB3 sensors and not the LM75 sensor. You can turn them on at the General Tab";
    case kLm78Chip:
        return "Caldrix has detected the LM78/LM79 chip on your PC, it is recomended that you do not use the WB2 and "
               "WB3 sensors and only try the LM75 to get your CPU temperature.  You can turn this sensor on at the "
               "General Tab. ";
    default:
        return "Caldrix has not detected the LM78 or the Winbond W83781D chip on your PC, it is recomended that you "
               "try all the sensors but if they do not work to uninstall the program unsing the uninstall option in "
               "the popup menu.";
    }
}

std::string FirstRunSequence::portCaption(int port, std::optional<double> volts, const std::string& decimalSeparator)
{
    const std::string name = "Port " + std::to_string(port) + ": ";
    if (!volts || !std::isfinite(*volts)) {
        return name + "not available";
    }
    return name + formatFixed(*volts, 2, decimalSeparator) + "Volt";
}

} // namespace cdx
