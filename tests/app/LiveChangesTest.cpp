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
#include "platform/fake/FakeProgramLocation.h"
#include "platform/linux/FileRegistry.h"
#include "settings/SettingsStore.h"
#include "ui/SpinArrows.h"

namespace cdx {
namespace {

using test::expandedWindow;
using test::gaugeCaption;
using test::readFile;
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

} // namespace
} // namespace cdx
