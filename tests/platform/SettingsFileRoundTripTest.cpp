#include <sstream>
#include <string>

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
    // Longer than the edits and file dialogs give, as earlier versions stored them.
    written.temperature(TemperatureSensor::WB3).name = "Mainboard chipset °C";
    written.temperature(TemperatureSensor::WB2).actions.runPath = "/srv/" + std::string(295, 'd');
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

std::size_t valueLines(const std::string& text)
{
    std::size_t count = 0;
    for (std::size_t pos = 0; (pos = text.find("\n\"", pos)) != std::string::npos; ++pos) {
        ++count;
    }
    return count;
}

// A value too long to be stored again is set aside at load, and every save
// after it still writes every setting.
TEST(SettingsFileRoundTripTest, AnOverlongValueCostsOnlyItselfAndSavesStayWhole)
{
    test::TemporaryDirectory folder;
    FakeProgramLocation location(folder.path());
    const std::string file = folder.path() + "/HKEY_CURRENT_USER.reg";
    Settings written;
    written.temperature(TemperatureSensor::WB1).actions.runPath = "/usr/bin/true";
    written.pollInterval = 3000;
    {
        FileRegistry registry(folder.path());
        SettingsStore(registry, location).writeRegistry(written, 0, 0);
    }
    std::string text = test::readWholeFile(file);
    const std::size_t total = valueLines(text);
    const std::size_t at = text.find("\"/usr/bin/true\"");
    ASSERT_NE(at, std::string::npos);
    text.replace(at, 15, "\"" + std::string(RegistryDocument::maxValueSize + 1, 'x') + "\"");
    test::writeWholeFile(file, text);

    std::ostringstream notices;
    FileRegistry registry(folder.path(), notices);
    SettingsStore store(registry, location);
    Settings read;
    store.readRegistry(read);
    EXPECT_EQ(read.pollInterval, 3000);
    EXPECT_EQ(read.temperature(TemperatureSensor::WB1).actions.runPath, "");
    EXPECT_NE(notices.str().find("was set aside"), std::string::npos) << notices.str();

    read.pollInterval = 4000;
    store.writeRegistry(read, 0, 0);
    store.writeRegistry(read, 0, 0);
    const std::string saved = test::readWholeFile(file);
    EXPECT_EQ(valueLines(saved), total);
    FileRegistry again(folder.path());
    Settings reloaded;
    SettingsStore(again, location).readRegistry(reloaded);
    EXPECT_EQ(reloaded.pollInterval, 4000);
}

} // namespace
} // namespace cdx
