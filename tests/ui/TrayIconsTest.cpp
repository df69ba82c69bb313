#include "ui/TrayIcons.h"

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include <QCoreApplication>
#include <QMenu>
#include <gtest/gtest.h>

#include "monitor/MonitorTimers.h"
#include "platform/WindowMessages.h"
#include "platform/fake/FakeBeeper.h"
#include "platform/fake/FakeNotificationArea.h"
#include "platform/fake/FakeTimerQueue.h"
#include "presentation/GaugeSet.h"
#include "presentation/ReadingsPanel.h"
#include "sensors/Formats.h"

namespace cdx {
namespace {

constexpr std::uint32_t Silver = 0xFFC0C0C0;
constexpr std::uint32_t Black = 0xFF000000;

// The columns of a picture's rows 1 to 14 that hold a pixel of `ink`.
struct Ink {
    int left = -1;
    int right = -1;
    int top = -1;
    int bottom = -1;
    int count = 0;
};

Ink inkOf(const IconImage& image, std::uint32_t ink)
{
    Ink found;
    for (int y = 1; y < image.height - 1; ++y) {
        for (int x = 0; x < image.width; ++x) {
            if (image.pixels[static_cast<std::size_t>(y * image.width + x)] != ink) {
                continue;
            }
            ++found.count;
            found.left = found.left < 0 ? x : std::min(found.left, x);
            found.right = std::max(found.right, x);
            found.top = found.top < 0 ? y : found.top;
            found.bottom = y;
        }
    }
    return found;
}

std::uint32_t pixel(const IconImage& image, int x, int y)
{
    return image.pixels[static_cast<std::size_t>(y * image.width + x)];
}

class TrayIconsTest : public ::testing::Test {
protected:
    TrayIconsTest()
    {
        wb1.setCenterLabel("45°C");
        lm75.setCenterLabel("52°C");
        wb2.setCenterLabel("38°C");
        wb3.setCenterLabel("61°C");
        readings.setFanText(Fan::Fan1, "4821");
    }

    // Makes the tray icons as start-up does: settings loaded, polling on,
    // icons shown.
    void start()
    {
        icons = std::make_unique<TrayIcons>(
            area, settings, gauges, readings, timers.swapTimer(), &menu, [this] { ++doubleClicks; },
            [this] { return timers.pollingActive(); });
        MonitorTimers::Handlers handlers;
        handlers.poll = [this] { icons->createIcon(); };
        handlers.swap = [this] { icons->swapTick(); };
        timers.setHandlers(handlers);
        icons->loadSettings();
        timers.startUp(settings.pollInterval, settings.swapInterval);
        icons->activate();
    }

    const NotifyIconData* shown(TrayIcon& icon) { return area.shown(&icon.window()); }

    const IconImage& picture(TrayIcon& icon)
    {
        const NotifyIconData* data = shown(icon);
        EXPECT_NE(data, nullptr);
        EXPECT_NE(data->icon, nullptr);
        return *data->icon;
    }

    // The WB1 icon drawn afresh.
    const IconImage& drawWb1()
    {
        icons->createIcon();
        return picture(icons->iconOf(TemperatureSensor::WB1));
    }

    Settings settings;
    GaugeSet gauges;
    GaugeModel& wb1 = gauges[TemperatureSensor::WB1];
    GaugeModel& lm75 = gauges[TemperatureSensor::LM75];
    GaugeModel& wb2 = gauges[TemperatureSensor::WB2];
    GaugeModel& wb3 = gauges[TemperatureSensor::WB3];
    ReadingsPanel readings;
    FakeNotificationArea area;
    FakeTimerQueue queue;
    FakeBeeper beeper;
    MonitorTimers timers{queue, beeper};
    QMenu menu;
    int doubleClicks = 0;
    std::unique_ptr<TrayIcons> icons;
};

TEST_F(TrayIconsTest, TemperatureBecomesAnOpaqueIconWithLinesAndText)
{
    start();
    const IconImage& image = drawWb1();
    ASSERT_EQ(image.width, 16);
    ASSERT_EQ(image.height, 16);
    EXPECT_TRUE(std::all_of(image.pixels.begin(), image.pixels.end(), [](std::uint32_t p) { return p >> 24 == 0xFF; }))
        << "every pixel is opaque";
    // The lines stop one pixel short of the right edge.
    for (int x = 0; x < 15; ++x) {
        EXPECT_EQ(pixel(image, x, 0), Black) << x;
        EXPECT_EQ(pixel(image, x, 15), Black) << x;
    }
    EXPECT_EQ(pixel(image, 15, 0), Silver);
    EXPECT_EQ(pixel(image, 15, 15), Silver);
    // Between the lines only background and text.
    const Ink text = inkOf(image, Black);
    EXPECT_GT(text.count, 10);
    EXPECT_LE(text.left, 1) << "45° starts at x 0";
    EXPECT_GE(text.top, 1);
    for (int y = 1; y < 15; ++y) {
        for (int x = 0; x < 16; ++x) {
            const std::uint32_t p = pixel(image, x, y);
            EXPECT_TRUE(p == Silver || p == Black) << x << "," << y;
        }
    }
    EXPECT_EQ(icons->iconOf(TemperatureSensor::WB1).toolTip(), "Motherboard");
}

TEST_F(TrayIconsTest, DegreeOptionsShapeTextAndPlace)
{
    start();
    const Ink withDegree = inkOf(drawWb1(), Black);
    icons->setTrayDegreeSymbol(false);
    const IconImage& plain = drawWb1();
    EXPECT_EQ(plain.width, 16);
    const Ink withoutDegree = inkOf(plain, Black);
    // "45" sits two pixels further right than "45°", and the degree sign
    // is ink right of the digits.
    EXPECT_EQ(withoutDegree.left, withDegree.left + 2);
    EXPECT_LT(withoutDegree.count, withDegree.count);
    EXPECT_LT(withoutDegree.right - withoutDegree.left, withDegree.right - withDegree.left);

    // The window without its degree text: 45C is narrow, 105C wide.
    settings.showDegreeInWindow = false;
    wb1.setCenterLabel("45C");
    EXPECT_EQ(inkOf(drawWb1(), Black).left, withoutDegree.left);
    wb1.setCenterLabel("105C");
    EXPECT_EQ(drawWb1().width, 20);
}

TEST_F(TrayIconsTest, ThreeDigitsGetTheWideIcon)
{
    start();
    wb1.setCenterLabel("105°C");
    const IconImage& image = drawWb1();
    ASSERT_EQ(image.width, 20);
    EXPECT_EQ(pixel(image, 18, 0), Black);
    EXPECT_EQ(pixel(image, 19, 0), Silver);
    EXPECT_EQ(pixel(image, 18, 15), Black);
    const Ink text = inkOf(image, Black);
    EXPECT_LE(text.left, 1);
    EXPECT_GT(text.right, 15) << "105° needs the extra width";
}

TEST_F(TrayIconsTest, LinesOffLeaveTheTextInPlace)
{
    start();
    const IconImage withLines = drawWb1();
    icons->setTrayLines(false);
    const IconImage& without = drawWb1();
    for (int x = 0; x < 16; ++x) {
        EXPECT_EQ(pixel(without, x, 0), Silver);
        EXPECT_EQ(pixel(without, x, 15), Silver);
    }
    for (int y = 1; y < 15; ++y) {
        for (int x = 0; x < 16; ++x) {
            EXPECT_EQ(pixel(without, x, y), pixel(withLines, x, y)) << x << "," << y;
        }
    }
}

TEST_F(TrayIconsTest, StyleGivesColoursAndFontSize)
{
    start();
    const Ink small = inkOf(drawWb1(), Black);
    TrayStyle style = Settings{}.temperature(TemperatureSensor::WB1).trayStyle;
    style.background = 0x00FF0000; // blue, stored as 0x00BBGGRR
    style.fontColour = 0x000000FF; // red
    icons->setTrayStyle(TemperatureSensor::WB1, style);
    const IconImage& coloured = picture(icons->iconOf(TemperatureSensor::WB1));
    EXPECT_EQ(pixel(coloured, 15, 5), 0xFF0000FFU);
    EXPECT_EQ(pixel(coloured, 0, 0), 0xFFFF0000U);
    const Ink red = inkOf(coloured, 0xFFFF0000U);
    EXPECT_EQ(red.count, small.count) << "same glyphs, other colour";
    EXPECT_EQ(inkOf(coloured, Black).count, 0);

    style.fontSize = 12;
    icons->setTrayStyle(TemperatureSensor::WB1, style);
    const Ink large = inkOf(picture(icons->iconOf(TemperatureSensor::WB1)), 0xFFFF0000U);
    EXPECT_GT(large.bottom - large.top, small.bottom - small.top);
    EXPECT_GT(large.count, small.count);
}

TEST_F(TrayIconsTest, StyleEditsWaitForPollingToBeDrawn)
{
    start();
    timers.suspend();
    icons->suspend();
    const IconHandle before = icons->iconOf(TemperatureSensor::WB1).icon();
    TrayStyle style = Settings{}.temperature(TemperatureSensor::WB1).trayStyle;
    style.background = 0x00FFFFFF;
    icons->setTrayStyle(TemperatureSensor::WB1, style);
    EXPECT_EQ(icons->iconOf(TemperatureSensor::WB1).icon(), before);
    EXPECT_EQ(settings.temperature(TemperatureSensor::WB1).trayStyle, style);
    timers.resume([this] { icons->resume(); });
    EXPECT_EQ(pixel(picture(icons->iconOf(TemperatureSensor::WB1)), 15, 5), 0xFFFFFFFFU);
}

TEST_F(TrayIconsTest, TooltipsAreComposedAndCut)
{
    settings.temperature(TemperatureSensor::WB1).trayShow = false;
    settings.fan(Fan::Fan1).tooltip = true;
    start();
    EXPECT_EQ(icons->createToolTip(), "Motherboard: 45°C Fan 1: 4821 ");
    EXPECT_EQ(icons->programIcon().toolTip(), "Motherboard: 45°C Fan 1: 4821 ");

    settings.temperature(TemperatureSensor::LM75).tooltip = settings.temperature(TemperatureSensor::WB2).tooltip =
        settings.temperature(TemperatureSensor::WB3).tooltip = true;
    settings.tooltipOnAllIcons = true;
    icons->showBoxClick(TemperatureSensor::WB2, true);
    const std::string combined = icons->createToolTip();
    ASSERT_GT(utf8Length(combined), 62U);
    EXPECT_EQ(icons->iconOf(TemperatureSensor::WB2).toolTip(), utf8Left(combined, 62));
    EXPECT_EQ(shown(icons->iconOf(TemperatureSensor::WB2))->tip, utf8Left(combined, 62));
}

TEST_F(TrayIconsTest, ShowModeWithoutTemperaturesShowsOnlyTheProgramIcon)
{
    settings.temperature(TemperatureSensor::WB1).trayShow = false;
    start();
    EXPECT_EQ(area.shownCount(), 1U);
    const NotifyIconData* plain = shown(icons->programIcon());
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(plain->icon, icons->plainIcon());
    EXPECT_EQ(plain->tip, "Motherboard: 45°C ");
    EXPECT_EQ(icons->plainIcon()->width, 32);

    // Choosing a temperature replaces the program icon by the temperature's.
    icons->showBoxClick(TemperatureSensor::LM75, true);
    EXPECT_EQ(area.shownCount(), 1U);
    EXPECT_NE(shown(icons->iconOf(TemperatureSensor::LM75)), nullptr);
    EXPECT_EQ(icons->iconOf(TemperatureSensor::LM75).toolTip(), "CPU LM75");
    icons->showBoxClick(TemperatureSensor::LM75, false);
    EXPECT_NE(shown(icons->programIcon()), nullptr);
    EXPECT_EQ(area.shownCount(), 1U);
}

TEST_F(TrayIconsTest, SwapModeAlternatesTheChosenTemperatures)
{
    settings.showTempInTray = false;
    settings.swapIcons = true;
    settings.temperature(TemperatureSensor::WB1).swap = true;
    settings.temperature(TemperatureSensor::WB3).swap = true;
    settings.swapInterval = 3000;
    start();
    ASSERT_EQ(area.shownCount(), 1U) << "the program icon carries the cycle";
    // Start-up ran one tick.
    EXPECT_EQ(icons->programIcon().toolTip(), "Motherboard");
    std::vector<std::string> seen;
    for (int i = 0; i < 4; ++i) {
        queue.advance(2999);
        const std::string before = icons->programIcon().toolTip();
        queue.advance(1);
        EXPECT_NE(icons->programIcon().toolTip(), before) << "changes on the 3 s mark";
        seen.push_back(icons->programIcon().toolTip());
        const TrayIcon& source = seen.back() == "Motherboard" ? icons->iconOf(TemperatureSensor::WB1)
                                                              : icons->iconOf(TemperatureSensor::WB3);
        EXPECT_EQ(shown(icons->programIcon())->icon, source.icon());
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"WB Sensor 3", "Motherboard", "WB Sensor 3", "Motherboard"}));
    EXPECT_EQ(area.shownCount(), 1U);

    // Unchecking the last swap box brings the program icon back.
    icons->swapBoxClick(TemperatureSensor::WB3, false);
    icons->swapBoxClick(TemperatureSensor::WB1, false);
    EXPECT_EQ(shown(icons->programIcon())->icon, icons->plainIcon());
    area.clearCalls();
    queue.advance(30000);
    EXPECT_TRUE(area.calls().empty()) << "a tick without swap boxes does nothing";
}

TEST_F(TrayIconsTest, ModeButtonsSwitchBetweenOwnIconsAndTheCycle)
{
    settings.temperature(TemperatureSensor::LM75).trayShow = true;
    settings.temperature(TemperatureSensor::LM75).sensorEnabled = true;
    start();
    EXPECT_EQ(area.shownCount(), 2U);
    EXPECT_FALSE(timers.swapTimer().enabled());
    EXPECT_TRUE(icons->showBoxEditable(TemperatureSensor::WB1));
    EXPECT_FALSE(icons->showBoxEditable(TemperatureSensor::WB2)) << "sensor switched off";

    icons->chooseSwapMode();
    EXPECT_FALSE(settings.temperature(TemperatureSensor::WB1).trayShow);
    EXPECT_FALSE(settings.temperature(TemperatureSensor::LM75).trayShow);
    EXPECT_FALSE(icons->showBoxEditable(TemperatureSensor::WB1));
    EXPECT_TRUE(icons->swapBoxEditable(TemperatureSensor::LM75));
    EXPECT_TRUE(icons->swapIntervalEditable());
    EXPECT_TRUE(timers.swapTimer().enabled());
    ASSERT_EQ(area.shownCount(), 1U);
    EXPECT_EQ(shown(icons->programIcon())->icon, icons->plainIcon());

    icons->swapBoxClick(TemperatureSensor::LM75, true);
    queue.advance(settings.swapInterval);
    EXPECT_EQ(icons->programIcon().toolTip(), "CPU LM75");

    icons->chooseShowMode();
    EXPECT_FALSE(settings.temperature(TemperatureSensor::LM75).swap);
    EXPECT_FALSE(timers.swapTimer().enabled());
    EXPECT_FALSE(icons->swapIntervalEditable());
    EXPECT_EQ(shown(icons->programIcon())->icon, icons->plainIcon());
    EXPECT_EQ(shown(icons->programIcon())->tip, "Motherboard: 45°C ") << "the poll-time redraw";

    icons->swapIntervalUp();
    EXPECT_EQ(icons->swapIntervalCaption(), "Interval: 6 Seconds");
    EXPECT_EQ(timers.swapTimer().interval(), 6000);
}

TEST_F(TrayIconsTest, SuspendShowsTheSuspendedIconAndResumeGivesTheIconsBack)
{
    settings.temperature(TemperatureSensor::LM75).trayShow = true;
    start();
    timers.suspend();
    icons->suspend();
    ASSERT_EQ(area.shownCount(), 1U);
    const NotifyIconData* paused = shown(icons->programIcon());
    ASSERT_NE(paused, nullptr);
    EXPECT_EQ(paused->icon, icons->suspendedIcon());
    EXPECT_EQ(paused->tip, "In Suspend Mode");

    // A box changed while suspended waits for the resume.
    icons->showBoxClick(TemperatureSensor::WB2, true);
    EXPECT_EQ(area.shownCount(), 1U);
    EXPECT_EQ(shown(icons->programIcon())->tip, "In Suspend Mode");

    timers.resume([this] { icons->resume(); });
    EXPECT_EQ(area.shownCount(), 3U);
    EXPECT_EQ(shown(icons->programIcon()), nullptr);
    EXPECT_NE(shown(icons->iconOf(TemperatureSensor::WB2)), nullptr);
    EXPECT_EQ(picture(icons->iconOf(TemperatureSensor::WB2)).width, 16) << "drawn by the poll at resume";
}

TEST_F(TrayIconsTest, SuspendInSwapModeStopsTheCycleUntilResume)
{
    settings.showTempInTray = false;
    settings.swapIcons = true;
    settings.temperature(TemperatureSensor::WB1).swap = true;
    settings.temperature(TemperatureSensor::LM75).swap = true;
    start();
    timers.suspend();
    icons->suspend();
    queue.advance(60000);
    EXPECT_EQ(shown(icons->programIcon())->icon, icons->suspendedIcon());

    timers.resume([this] { icons->resume(); });
    EXPECT_TRUE(timers.swapTimer().enabled());
    EXPECT_NE(shown(icons->programIcon())->icon, icons->suspendedIcon()) << "one swap tick at resume";
    EXPECT_NE(shown(icons->programIcon())->icon, icons->plainIcon());
}

TEST_F(TrayIconsTest, SuspendedIconIsAGreyVariantOfTheProgramIcon)
{
    start();
    const IconImage& plain = *icons->plainIcon();
    const IconImage& paused = *icons->suspendedIcon();
    ASSERT_EQ(plain.width, 32);
    ASSERT_EQ(paused.width, 32);
    const auto isGrey = [](std::uint32_t p) {
        return ((p >> 16) & 0xFF) == ((p >> 8) & 0xFF) && ((p >> 8) & 0xFF) == (p & 0xFF);
    };
    EXPECT_FALSE(std::all_of(plain.pixels.begin(), plain.pixels.end(), isGrey)) << "the program icon has colour";
    EXPECT_TRUE(std::all_of(paused.pixels.begin(), paused.pixels.end(), isGrey));
    EXPECT_NE(plain.pixels, paused.pixels);
}

TEST_F(TrayIconsTest, RedrawsNeverAccumulatePictures)
{
    settings.temperature(TemperatureSensor::LM75).trayShow = settings.temperature(TemperatureSensor::WB2).trayShow =
        settings.temperature(TemperatureSensor::WB3).trayShow = true;
    start();
    std::vector<std::weak_ptr<const IconImage>> made;
    for (int poll = 0; poll < 200; ++poll) {
        wb1.setCenterLabel(std::to_string(20 + poll % 90) + "°C");
        icons->createIcon();
        for (TrayIcon* icon : {&icons->iconOf(TemperatureSensor::WB1), &icons->iconOf(TemperatureSensor::LM75),
                               &icons->iconOf(TemperatureSensor::WB2), &icons->iconOf(TemperatureSensor::WB3)}) {
            made.push_back(icon->icon());
        }
        // The recording fake keeps every record; the tray itself must not.
        area.clearCalls();
        const auto live = std::count_if(made.begin(), made.end(), [](const auto& weak) { return !weak.expired(); });
        ASSERT_EQ(live, 4) << "after poll " << poll;
    }
    EXPECT_EQ(area.shownCount(), 4U);

    // The cycle shares the swapped icon's picture instead of copying it.
    icons->chooseSwapMode();
    icons->swapBoxClick(TemperatureSensor::WB1, true);
    icons->swapBoxClick(TemperatureSensor::WB3, true);
    made.clear();
    for (int tick = 0; tick < 50; ++tick) {
        queue.advance(settings.swapInterval);
        made.push_back(icons->programIcon().icon());
        made.push_back(icons->iconOf(TemperatureSensor::WB1).icon());
        made.push_back(icons->iconOf(TemperatureSensor::WB3).icon());
        area.clearCalls();
        std::set<const IconImage*> live;
        for (const auto& weak : made) {
            if (const auto held = weak.lock()) {
                live.insert(held.get());
            }
        }
        ASSERT_EQ(live.size(), 2U) << "after tick " << tick;
    }
}

TEST_F(TrayIconsTest, EveryIconHasTheMenuAndTheDoubleClick)
{
    settings.temperature(TemperatureSensor::WB1).trayShow = false;
    start();
    for (TrayIcon* icon :
         {&icons->iconOf(TemperatureSensor::WB1), &icons->iconOf(TemperatureSensor::LM75), &icons->programIcon(),
          &icons->iconOf(TemperatureSensor::WB2), &icons->iconOf(TemperatureSensor::WB3)}) {
        EXPECT_EQ(icon->popupMenu(), &menu);
        ASSERT_TRUE(icon->onDblClick());
    }
    ASSERT_TRUE(area.click(&icons->programIcon().window(), WindowMessages::LeftButtonDoubleClick));
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(doubleClicks, 1);
}

} // namespace
} // namespace cdx
