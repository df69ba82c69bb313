#include "ui/TrayIcon.h"

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <QCoreApplication>
#include <QMenu>
#include <QTimer>
#include <gtest/gtest.h>

#include "platform/WindowMessages.h"
#include "platform/fake/FakeNotificationArea.h"
#include "platform/qt/QtNotificationArea.h"
#include "sensors/Formats.h"

namespace cdx {
namespace {

using WindowMessages::LeftButtonDoubleClick;
using WindowMessages::LeftButtonUp;
using WindowMessages::RightButtonUp;

IconHandle solidIcon(std::uint32_t argb)
{
    auto image = std::make_shared<IconImage>();
    image->width = 16;
    image->height = 16;
    image->pixels.assign(256, argb);
    return image;
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

    // Lets the event loop deliver posted messages.
    static void runPosted() { QCoreApplication::sendPostedEvents(); }

    void click(std::uint32_t mouseMessage)
    {
        ASSERT_TRUE(area.click(&icon.window(), mouseMessage));
        runPosted();
    }

    FakeNotificationArea area;
    TrayIcon icon{area};
    QMenu menu;
    std::vector<std::string> events;
};

TEST_F(TrayIconTest, RecordDescribesTheIconToTheNotificationArea)
{
    icon.setToolTip("Motherboard: 45°C");
    const IconHandle picture = solidIcon(0xFF00FF00);
    icon.setIcon(picture);
    EXPECT_TRUE(area.calls().empty()) << "nothing is sent while inactive";

    icon.setActive(true);
    ASSERT_EQ(area.calls().size(), 1U);
    const FakeNotificationArea::Call& add = area.calls()[0];
    EXPECT_EQ(add.command, NotifyCommand::Add);
    EXPECT_EQ(static_cast<std::uint32_t>(add.command), 0U);
    EXPECT_EQ(add.data.size, 88U);
    EXPECT_EQ(add.data.window, &icon.window());
    EXPECT_EQ(add.data.id, 0U);
    EXPECT_EQ(add.data.flags, 7U);
    EXPECT_EQ(add.data.callbackMessage, 1025U);
    EXPECT_EQ(add.data.icon, picture);
    EXPECT_EQ(add.data.tip, "Motherboard: 45°C");

    // Two icons are told apart by their windows.
    TrayIcon other(area);
    other.setToolTip("CPU");
    other.setActive(true);
    EXPECT_EQ(area.shownCount(), 2U);
    EXPECT_NE(area.shown(&other.window()), area.shown(&icon.window()));
}

TEST_F(TrayIconTest, ActiveTwiceAddsOnceAndInactiveRemoves)
{
    icon.setToolTip("x");
    icon.setActive(true);
    icon.setActive(true);
    EXPECT_EQ(area.countOf(NotifyCommand::Add), 1);
    icon.setActive(false);
    icon.setActive(false);
    EXPECT_EQ(area.countOf(NotifyCommand::Delete), 1);
    EXPECT_EQ(static_cast<std::uint32_t>(area.calls().back().command), 2U);
    EXPECT_EQ(area.shownCount(), 0U);
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
    EXPECT_EQ(area.shown(&icon.window())->tip, icon.toolTip());
}

TEST_F(TrayIconTest, EmptyToolTipAddIsFollowedByOneModify)
{
    icon.setActive(true);
    EXPECT_EQ(area.countOf(NotifyCommand::Modify), 0) << "the refresh is posted, not sent at once";
    runPosted();
    runPosted();
    EXPECT_EQ(area.countOf(NotifyCommand::Add), 1);
    EXPECT_EQ(area.countOf(NotifyCommand::Modify), 1);
    EXPECT_EQ(static_cast<std::uint32_t>(area.calls().back().command), 1U);

    TrayIcon named(area);
    named.setToolTip("CPU");
    named.setActive(true);
    runPosted();
    EXPECT_EQ(area.countOf(NotifyCommand::Modify), 1) << "no refresh when the tooltip is set";
}

TEST_F(TrayIconTest, ReplacedPictureIsSentByTheNextToolTipWrite)
{
    icon.setToolTip("WB1");
    icon.setActive(true);
    const IconHandle picture = solidIcon(0xFFFF0000);
    icon.replaceIconHandle(picture);
    EXPECT_EQ(area.countOf(NotifyCommand::Modify), 0);
    EXPECT_NE(area.shown(&icon.window())->icon, picture);
    icon.setToolTip("WB1");
    EXPECT_EQ(area.countOf(NotifyCommand::Modify), 1);
    EXPECT_EQ(area.shown(&icon.window())->icon, picture);

    // Assigning another picture sends it at once; the same one again does nothing.
    const IconHandle second = solidIcon(0xFF0000FF);
    icon.setIcon(second);
    icon.setIcon(second);
    EXPECT_EQ(area.countOf(NotifyCommand::Modify), 2);
    EXPECT_EQ(area.shown(&icon.window())->icon, second);
}

TEST_F(TrayIconTest, LeftClickShowsNoMenuWhenDoubleClickIsHandled)
{
    icon.setToolTip("WB1");
    icon.setPopupMenu(&menu);
    icon.setOnDblClick([this](TrayIcon&) { events.push_back("double"); });
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
    icon.setActive(true);

    click(LeftButtonUp);
    EXPECT_EQ(events, (std::vector<std::string>{"click"}));
    click(LeftButtonDoubleClick);
    EXPECT_EQ(events, (std::vector<std::string>{"click", "double"}));
    events.clear();
    click(RightButtonUp);
    EXPECT_EQ(events, (std::vector<std::string>{"menu", "right"})) << "the event follows the closed menu";
    events.clear();
    click(0x0201); // left button down: ignored
    click(0x0200); // mouse move: ignored
    EXPECT_TRUE(events.empty());
}

TEST_F(TrayIconTest, LeftClickShowsTheMenuWithoutDoubleClickHandler)
{
    icon.setToolTip("WB1");
    icon.setPopupMenu(&menu);
    icon.setOnClick([this](TrayIcon&, Qt::MouseButton, Qt::KeyboardModifiers, int, int) { events.push_back("click"); });
    icon.setActive(true);
    click(LeftButtonUp);
    EXPECT_EQ(events, (std::vector<std::string>{"menu", "click"}));
    events.clear();
    // Without a menu the events still come.
    icon.setPopupMenu(nullptr);
    click(LeftButtonUp);
    click(RightButtonUp);
    EXPECT_EQ(events, (std::vector<std::string>{"click"}));
}

TEST_F(TrayIconTest, DestroyingAnActiveIconRemovesIt)
{
    auto temporary = std::make_unique<TrayIcon>(area);
    temporary->setToolTip("gone");
    temporary->setActive(true);
    const MessageWindow* window = &temporary->window();
    ASSERT_NE(area.shown(window), nullptr);
    temporary.reset();
    EXPECT_EQ(area.shown(window), nullptr);
    EXPECT_EQ(area.countOf(NotifyCommand::Delete), 1);

    auto inactive = std::make_unique<TrayIcon>(area);
    inactive.reset();
    EXPECT_EQ(area.countOf(NotifyCommand::Delete), 1) << "an icon never shown is not removed";
}

TEST(QtNotificationAreaTest, ActivationsBecomeMouseMessages)
{
    using Messages = std::vector<std::uint32_t>;
    // Hosts that report double clicks themselves.
    EXPECT_EQ(QtNotificationArea::mouseMessagesFor(QSystemTrayIcon::Trigger, true), Messages{LeftButtonUp});
    EXPECT_EQ(QtNotificationArea::mouseMessagesFor(QSystemTrayIcon::DoubleClick, true),
              Messages{LeftButtonDoubleClick});
    EXPECT_EQ(QtNotificationArea::mouseMessagesFor(QSystemTrayIcon::Context, true), Messages{RightButtonUp});
    EXPECT_TRUE(QtNotificationArea::mouseMessagesFor(QSystemTrayIcon::MiddleClick, true).empty());
    // Hosts with single activations only: the activation is also the double click.
    EXPECT_EQ(QtNotificationArea::mouseMessagesFor(QSystemTrayIcon::Trigger, false),
              (Messages{LeftButtonUp, LeftButtonDoubleClick}));
    EXPECT_EQ(QtNotificationArea::mouseMessagesFor(QSystemTrayIcon::Context, false), Messages{RightButtonUp});
}

TEST(QtNotificationAreaTest, WithoutATrayHostIconsAreRefusedAndThatIsSaidOnce)
{
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        GTEST_SKIP() << "a tray host is present";
    }
    std::ostringstream diagnostics;
    QtNotificationArea area(diagnostics);
    TrayIcon first(area);
    TrayIcon second(area);
    first.setToolTip("a");
    first.setActive(true);
    second.setToolTip("b");
    second.setActive(true);
    first.setToolTip("c");
    EXPECT_TRUE(first.active()) << "the component keeps the value written";
    EXPECT_EQ(diagnostics.str(), "Caldrix: no system tray is available; running without tray icons.\n");
}

} // namespace
} // namespace cdx
