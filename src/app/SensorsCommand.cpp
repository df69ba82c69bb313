#include "app/SensorsCommand.h"

#include <algorithm>

#include "app/Application.h"
#include "monitor/SensorSources.h"
#include "platform/linux/FileRegistry.h"
#include "platform/linux/LinuxProgramLocation.h"
#include "platform/linux/XdgDirectories.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"

namespace cdx {

int SensorsCommand::run(std::ostream& out, std::ostream& errors)
{
    Application::Libraries libraries = Application::bindLibraries();
    if (!libraries.driver) {
        errors << libraries.driver.error << '\n';
        return 1;
    }
    SensorDriver& driver = *libraries.driver.driver;
    XdgDirectories directories;
    FileRegistry registry(directories.configHome() + "/caldrix", errors);
    LinuxProgramLocation location(LinuxProgramLocation::runningExecutable(), directories.dataHome() + "/caldrix");
    Settings settings;
    SettingsStore(registry, location, errors).readRegistry(settings);
    driver.CheckLM78();
    driver.RestartLM78();
    SensorSources::bindAll(driver, settings);
    const auto inputs = driver.inputs();
    if (inputs.empty()) {
        errors << "Caldrix: " << libraries.driver.description() << " reports no sensor inputs\n";
    }
    out << SensorSources::listing(inputs);
    for (SensorSlot slot : AllSensorSlots) {
        const std::string& source = settings.sensorSource(slot);
        const bool listed =
            std::any_of(inputs.begin(), inputs.end(), [&](const SensorInput& input) { return input.source == source; });
        if (!source.empty() && !listed) {
            errors << "Caldrix: " << SensorSources::goneNotice(slot, source) << '\n';
        }
    }
    return 0;
}

} // namespace cdx
