#include "ui/TrayIcon.h"

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <QCoreApplication>
#include <QMenu>
#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

#include "platform/qt/SystemTray.h"
#include "sensors/Formats.h"

namespace cdx {
namespace {

QIcon solidIcon(QRgb argb)
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(argb);
    return QIcon(QPixmap::fromImage(image));
}

class TrayIconTest : public ::testing::Test {
protected:
    TrayIconTest()
    {
        // The menu closes by itself shortly after it opens, as if the user
        // had clicked elsewhere.
        QObject::connect(&menu, &QMenu::aboutToShow, [this] {
            events.push_back("menu");
            QTimer::singleShot(0, &menu, &QMenu::close);
        });
        menu.addAction("Exit");
    }

    // The desktop reports an activation; its handlers run from the event loop.
    void activate(QSystemTrayIcon::ActivationReason reason)
    {
        ASSERT_NE(icon.desktopIcon(), nullptr);
        emit icon.desktopIcon()->activated(reason);
        QCoreApplication::sendPostedEvents();
    }

    void recordClicks()
    {
        icon.setOnClick([this](TrayIcon& sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int, int) {
            EXPECT_EQ(&sender, &icon);
            EXPECT_EQ(button, Qt::LeftButton);
            EXPECT_EQ(shift, Qt::NoModifier);
            events.push_back("click");
        });
        icon.setOnRightClick([this](TrayIcon&, Qt::MouseButton button, Qt::KeyboardModifiers, int, int) {
            EXPECT_EQ(button, Qt::RightButton);
            events.push_back("right");
        });
    }

    std::ostringstream notes;
    SystemTray tray{notes};
    TrayIcon icon{tray};
    QMenu menu;
    std::vector<std::string> events;
};

TEST_F(TrayIconTest, ShownIconCarriesPictureToolTipAndMenu)
{
    icon.setToolTip("Motherboard: 45°C");
    const QIcon picture = solidIcon(0xFF00FF00);
    icon.setIcon(picture);
    icon.setPopupMenu(&menu);
    EXPECT_EQ(icon.desktopIcon(), nullptr) << "nothing reaches the desktop while inactive";

    icon.setActive(true);
    QSystemTrayIcon* shown = icon.desktopIcon();
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->isVisible());
    EXPECT_EQ(shown->icon().cacheKey(), picture.cacheKey());
    EXPECT_EQ(shown->toolTip(), QString::fromUtf8("Motherboard: 45°C"));
    EXPECT_EQ(shown->contextMenu(), &menu) << "the desktop shows the menu itself";

    // Later changes reach the shown icon at once.
    const QIcon second = solidIcon(0xFF0000FF);
    icon.setIcon(second);
    icon.setToolTip("CPU");
    EXPECT_EQ(shown->icon().cacheKey(), second.cacheKey());
    EXPECT_EQ(shown->toolTip(), "CPU");
    icon.setPopupMenu(nullptr);
    EXPECT_EQ(shown->contextMenu(), nullptr);

    // Each icon has a desktop icon of its own.
    TrayIcon other(tray);
    other.setActive(true);
    ASSERT_NE(other.desktopIcon(), nullptr);
    EXPECT_NE(other.desktopIcon(), shown);
    EXPECT_FALSE(other.desktopIcon()->icon().isNull()) << "an empty picture still keeps the place";
}

TEST_F(TrayIconTest, ActiveShowsAndInactiveHidesUntilDestroyed)
{
    icon.setActive(true);
    icon.setActive(true);
    const QPointer<QSystemTrayIcon> shown = icon.desktopIcon();
    ASSERT_TRUE(shown);
    icon.setActive(false);
    icon.setActive(false);
    EXPECT_FALSE(shown->isVisible());
    icon.setActive(true);
    EXPECT_EQ(icon.desktopIcon(), shown) << "shown again, not made again";
    EXPECT_TRUE(shown->isVisible());

    auto temporary = std::make_unique<TrayIcon>(tray);
    temporary->setActive(true);
    const QPointer<QSystemTrayIcon> gone = temporary->desktopIcon();
    temporary.reset();
    EXPECT_FALSE(gone) << "destroying an icon takes it out of the tray";
}

TEST_F(TrayIconTest, LongToolTipKeepsItsFirst62Characters)
{
    // 70 characters, two of them two bytes long in UTF-8.
    const std::string text = "Motherboard: 45°C CPU LM75: 51°C WB Sensor 2: 30C WB Sensor 3: 31C abc";
    ASSERT_EQ(utf8Length(text), 70U);
    icon.setToolTip(text);
    EXPECT_EQ(utf8Length(icon.toolTip()), 62U);
    EXPECT_EQ(icon.toolTip(), "Motherboard: 45°C CPU LM75: 51°C WB Sensor 2: 30C WB Sensor 3:");
    icon.setActive(true);
    EXPECT_EQ(icon.desktopIcon()->toolTip().toStdString(), icon.toolTip());
}

TEST_F(TrayIconTest, ClicksRaiseTheirEventsAndTheLeftOneIsAlsoTheDoubleClick)
{
    icon.setPopupMenu(&menu);
    icon.setOnDblClick([this](TrayIcon&) { events.push_back("double"); });
    recordClicks();
    icon.setActive(true);

    // The offscreen desktop, like a StatusNotifierItem host, reports single
    // activations only.
    activate(QSystemTrayIcon::Trigger);
    EXPECT_EQ(events, (std::vector<std::string>{"click", "double"})) << "no menu: the double click opens";
    events.clear();
    activate(QSystemTrayIcon::DoubleClick);
    EXPECT_EQ(events, (std::vector<std::string>{"double"}));
    events.clear();
    activate(QSystemTrayIcon::Context);
    EXPECT_EQ(events, (std::vector<std::string>{"right"})) << "the desktop opened the menu, not the icon";
    events.clear();
    activate(QSystemTrayIcon::MiddleClick);
    activate(QSystemTrayIcon::Unknown);
    EXPECT_TRUE(events.empty());
}

TEST_F(TrayIconTest, LeftClickShowsTheMenuWithoutDoubleClickHandler)
{
    icon.setPopupMenu(&menu);
    recordClicks();
    icon.setActive(true);
    activate(QSystemTrayIcon::Trigger);
    EXPECT_EQ(events, (std::vector<std::string>{"menu", "click"}));
    events.clear();
    // Without a menu the events still come.
    icon.setPopupMenu(nullptr);
    activate(QSystemTrayIcon::Trigger);
    activate(QSystemTrayIcon::Context);
    EXPECT_EQ(events, (std::vector<std::string>{"click", "right"}));
}

TEST(SystemTrayTest, WithoutATrayHostThatIsSaidOnce)
{
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        GTEST_SKIP() << "a tray host is present";
    }
    std::ostringstream diagnostics;
    SystemTray tray(diagnostics);
    TrayIcon first(tray);
    TrayIcon second(tray);
    first.setToolTip("a");
    first.setActive(true);
    second.setActive(true);
    first.setToolTip("c");
    EXPECT_TRUE(first.active()) << "the component keeps the value written";
    EXPECT_EQ(diagnostics.str(), "Caldrix: no system tray is available; running without tray icons.\n");
}

} // namespace
} // namespace cdx
