#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include "ProgramHome.h"
#include "app/Application.h"
#include "ui/SpinArrows.h"

namespace cdx {
namespace {

using test::expandedWindow;
using test::gaugeCaption;
using test::readFile;
using test::storeSettings;
using test::TemporaryHome;

template <typename T> T& child(QWidget* window, const char* name)
{
    T* found = window->findChild<T*>(name);
    if (found == nullptr) {
        // The test stops here; the runner reports the exception as a failure.
        throw std::runtime_error(std::string("no control named ") + name);
    }
    return *found;
}

TEST(LiveChangesTest, ASensorSwitchedOnOrOffFreesOrLocksItsTrayBoxesAtOnce)
{
    TemporaryHome home;
    ASSERT_TRUE(home.valid());
    Application program(Application::bindLibraries(), home.programFile());
    program.start();
    QWidget* window = expandedWindow();
    ASSERT_NE(window, nullptr);
    auto& lm75Switch = child<QCheckBox>(window, "GenTabCheckLM75CheckBox");
    auto& wb2Switch = child<QCheckBox>(window, "GenTabCheckWB2CheckBox");
    auto& lm75Show = child<QCheckBox>(window, "CheckBox25");
    auto& lm75Swap = child<QCheckBox>(window, "CheckBox81");
    auto& wb2Swap = child<QCheckBox>(window, "CheckBox82");

    // Show mode, the LM75 off as it starts: its box is locked until the
    // switch goes on, and free from that click on.
    ASSERT_FALSE(lm75Switch.isChecked());
    EXPECT_FALSE(lm75Show.isEnabled());
    lm75Switch.click();
    EXPECT_TRUE(lm75Show.isEnabled());
    EXPECT_FALSE(lm75Swap.isEnabled()) << "not the mode in use";
    lm75Show.click();
    EXPECT_TRUE(lm75Show.isChecked());

    // Swap mode: switching off clears and locks, switching on frees.
    child<QRadioButton>(window, "RadioButton19").click();
    EXPECT_FALSE(lm75Show.isEnabled());
    EXPECT_TRUE(lm75Swap.isEnabled());
    lm75Switch.click();
    EXPECT_FALSE(lm75Swap.isEnabled());
    EXPECT_FALSE(wb2Swap.isEnabled());
    wb2Switch.click();
    EXPECT_TRUE(wb2Swap.isEnabled());
    program.shutdown();
}

TEST(LiveChangesTest, ANewNameReachesEveryPlaceAtOnceHoweverItIsSet)
{
    TemporaryHome home;
    ASSERT_TRUE(home.valid());
    Application program(Application::bindLibraries(), home.programFile());
    program.start();
    QWidget* window = expandedWindow();
    ASSERT_NE(window, nullptr);

    // WB1 and fan 2 typed, WB2 set through the accessibility interface as a screen
    // reader or voice control sets it, "3.3 Custom Value" one step up.
    auto& wb1Name = child<QLineEdit>(window, "Edit4");
    wb1Name.selectAll();
    QTest::keyClicks(&wb1Name, "Board");
    auto& fan2Name = child<QLineEdit>(window, "Edit2");
    fan2Name.selectAll();
    QTest::keyClicks(&fan2Name, "Pump");
    QAccessibleInterface* wb2Name = QAccessible::queryAccessibleInterface(&child<QLineEdit>(window, "Edit6"));
    ASSERT_NE(wb2Name, nullptr);
    wb2Name->setText(QAccessible::Value, "Case");
    child<SpinArrows>(window, "Custom33SpinButton").upButton().click();

    struct Place {
        const char* what;
        std::function<QString()> text;
        const char* expected;
    };
    auto label = [window](const char* name) { return [window, name] { return child<QLabel>(window, name).text(); }; };
    auto& cpuIdleList = child<QComboBox>(window, "CPUIdleSensorComboBox");
    const std::vector<Place> places{
        {"WB1 gauge caption", [&] { return gaugeCaption(window, "Panel15"); }, "Board"},
        {"WB1 switch", [&] { return child<QCheckBox>(window, "GenTabCheckWB1CheckBox").text(); },
         "Check WB Senor 1/LM78 (Board)"},
        {"WB1 temperatures tab entry", [&] { return child<QComboBox>(window, "TempTabComboBox").itemText(0); },
         "Board"},
        {"Fan 2 fans tab entry", [&] { return child<QComboBox>(window, "FanTabComboBox").itemText(2); }, "Pump"},
        {"WB1 CPU Idle entry", [&] { return cpuIdleList.itemText(0); }, "Board"},
        {"CPU Idle launch sensor", label("CheckBox77SensorLabel"), "If Sensor: Board"},
        {"CPU Idle close sensor", label("CheckBox78SensorLabel"), "If Sensor: Board"},
        {"WB2 gauge caption", [&] { return gaugeCaption(window, "Panel3"); }, "Case"},
        {"WB2 statistics name", label("UDTabWB2NameLabel"), "Case"},
        {"WB2 CPU Idle entry", [&] { return cpuIdleList.itemText(2); }, "Case"},
        {"WB2 switch", [&] { return child<QCheckBox>(window, "GenTabCheckWB2CheckBox").text(); },
         "Check WB Sensor 2 (Case)"},
        {"WB2 tray show box", [&] { return child<QCheckBox>(window, "CheckBox66").text(); }, "Case"},
        {"+3.3 statistics name", label("UDTabP33VoltageNameLabel"), "+3.4 Voltage"},
        {"+3.3 voltage box", [&] { return child<QCheckBox>(window, "VMP33VoltageCheckBox").text(); }, "+3.4 Voltage"},
    };
    for (const Place& place : places) {
        EXPECT_EQ(place.text(), QString::fromUtf8(place.expected)) << place.what;
    }
    program.shutdown();
}

TEST(LiveChangesTest, ALongStoredNameAndPathLoadWholeAndReachTheWindowTheLogAndTheFile)
{
    TemporaryHome home;
    ASSERT_TRUE(home.valid());
    const std::string name = "Mainboard chipset °C"; // 20 characters
    const std::string path = "/home/user/" + std::string(289, 'p');
    Settings earlier;
    earlier.temperature(TemperatureSensor::WB1).name = name;
    earlier.temperature(TemperatureSensor::WB1).actions.runPath = path;
    storeSettings(home, earlier);
    {
        Application program(Application::bindLibraries(), home.programFile());
        program.start();
        QWidget* window = test::mainWindow();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(gaugeCaption(window, "Panel15").toStdString(), name);
        const std::string log = readFile(home.programFolder() + "/cdxlog.txt");
        EXPECT_NE(log.find("|" + name + "|"), std::string::npos) << log;
        window = expandedWindow();
        auto& edit = child<QLineEdit>(window, "Edit4");
        EXPECT_EQ(edit.text().toStdString(), name);
        // Typing still stops at the log's column: the long name may only
        // get shorter.
        edit.end(false);
        QTest::keyClicks(&edit, "X");
        EXPECT_EQ(edit.text().toStdString(), name);
        QTest::keyClick(&edit, Qt::Key_Backspace);
        EXPECT_EQ(edit.text().toStdString(), "Mainboard chipset °");
        QTest::keyClicks(&edit, "C");
        program.shutdown();
    }
    const std::string saved = readFile(home.settingsFile());
    EXPECT_NE(saved.find("\"VUM 1 Name\"=\"" + name + "\""), std::string::npos) << saved;
    EXPECT_NE(saved.find("\"MB Alarm Path\"=\"" + path + "\""), std::string::npos);
}

} // namespace
} // namespace cdx
