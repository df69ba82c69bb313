#include <string>
#include <vector>

#include <QAction>
#include <QMenu>
#include <gtest/gtest.h>

#include "ProgramHome.h"
#include "app/Application.h"

namespace cdx {
namespace {

using test::mainWindow;
using test::storeSettings;
using test::TemporaryHome;

// The captions a user sees, a separator as "-", hidden items left out.
std::vector<std::string> shownCaptions(const QMenu& menu)
{
    std::vector<std::string> captions;
    for (const QAction* item : menu.actions()) {
        if (item->isVisible()) {
            captions.push_back(item->isSeparator() ? "-" : item->text().toStdString());
        }
    }
    return captions;
}

using Captions = std::vector<std::string>;

const QMenu* submenu(const QMenu& menu, const char* name)
{
    for (const QAction* item : menu.actions()) {
        if (item->objectName() == name) {
            return item->menu();
        }
    }
    return nullptr;
}

TEST(StartAndMenuTest, ThePopupMenuShowsEveryCaptionAsItOpens)
{
    TemporaryHome home;
    ASSERT_TRUE(home.valid());
    Settings earlier;
    earlier.showLogOnPopup = true;
    earlier.zuno = true;
    storeSettings(home, earlier);
    Application program(Application::bindLibraries(), home.programFile());
    ASSERT_TRUE(program.start());
    auto* menu = qobject_cast<QMenu*>(test::topLevel("PopupMenu1"));
    ASSERT_NE(menu, nullptr);
    emit menu->aboutToShow();

    // "&&" in a caption shows as one "&".
    EXPECT_EQ(shownCaptions(*menu),
              (Captions{"Un-Install", "Zuno Beer Can Holder", "-", "Start Interval Log", "Stop Interval Log",
                        "View Log", "Erase Log", "-", "Help", "-", "Quick Check", "History", "Show && Expand", "Show",
                        "Hide", "-", "Suspend", "-", "Exit"}));
    const QMenu* help = submenu(*menu, "Help1");
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(shownCaptions(*help), (Captions{"Help", "About", "-", "Web Page", "E-Mail Author"}));
    // The simulated chip's first readings; the sensors that start switched
    // off show dashes.
    const QMenu* quick = submenu(*menu, "QuickCheck1");
    ASSERT_NE(quick, nullptr);
    EXPECT_EQ(shownCaptions(*quick), (Captions{"Motherboard: 33°C", "CPU LM75: --", "WB Sensor 2: --",
                                               "WB Sensor 3: --", "Core: 2.80", "+3.3: 3.33", "+5: 5.06", "-5: -5.07",
                                               "+12: 12.17", "-12: -11.88", "Fan 1 2500", "Fan 2 3154", "Fan 3 4591"}));

    program.shutdown();
}

TEST(StartAndMenuTest, TheStartEndsInTheTrayOrWithTheCompactWindow)
{
    for (const bool inTray : {true, false}) {
        SCOPED_TRACE(inTray ? "Startup Minimized" : "shown at start");
        TemporaryHome home;
        ASSERT_TRUE(home.valid());
        Settings earlier;
        earlier.startMinimized = inTray;
        storeSettings(home, earlier);
        Application program(Application::bindLibraries(), home.programFile());
        ASSERT_TRUE(program.start());
        QWidget* window = mainWindow();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->isVisible(), !inTray);
        if (!inTray) {
            // The gauge column alone.
            EXPECT_LT(window->width(), 200);
        }
        program.shutdown();
    }
}

} // namespace
} // namespace cdx
