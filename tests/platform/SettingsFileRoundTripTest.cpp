#include <gtest/gtest.h>

#include "TemporaryDirectory.h"
#include "platform/fake/FakeProgramLocation.h"
#include "platform/linux/FileRegistry.h"
#include "settings/SettingsStore.h"

namespace cdx {
namespace {

// Every row written through the file-backed registry, read back by a second
// registry over the same folder (as at the next start), gives the same record.
TEST(SettingsFileRoundTripTest, EveryValueSurvivesTheFile)
{
    test::TemporaryDirectory folder;
    FakeProgramLocation location(folder.path());

    Settings written;
    written.temperature(TemperatureSensor::WB1).scale = 75.0F;
    written.temperature(TemperatureSensor::WB1).actions.runPath = "/opt/my tools/alarm \"loud\".sh";
    written.voltageTolerance = 7.5;
    written.coreVoltageNominal = 1.35;
    written.fan(Fan::Fan2).name = "Rear °";
    written.temperature(TemperatureSensor::WB1).name = "Mainboard";
    written.temperature(TemperatureSensor::LM75).trayStyle.background = 0x00123456;
    written.temperature(TemperatureSensor::WB1).trayStyle.fontName = "DejaVu Sans";
    written.pollInterval = 3000;
    written.temperatureUnit = "F";
    written.temperature(TemperatureSensor::LM75).sensorEnabled = true;
    written.temperature(TemperatureSensor::WB1).sensorEnabled = false;
    {
        FileRegistry registry(folder.path());
        SettingsStore store(registry, location);
        store.writeRegistry(written, 120, 80);
    }

    Settings read;
    FileRegistry registry(folder.path());
    SettingsStore store(registry, location);
    const SettingsLoad load = store.readRegistry(read);
    EXPECT_TRUE(load.keyExisted);
    EXPECT_TRUE(load.complete());
    written.windowLeft = 120;
    written.windowTop = 80;
    EXPECT_EQ(read, written);
}

} // namespace
} // namespace cdx
