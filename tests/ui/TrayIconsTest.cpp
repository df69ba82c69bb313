#include "ui/TrayIcons.h"

#include <algorithm>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <QCoreApplication>
#include <QImage>
#include <QMenu>
#include <QPixmap>
#include <gtest/gtest.h>

#include "monitor/MonitorTimers.h"
#include "platform/fake/FakeBeeper.h"
#include "platform/fake/FakeTimerQueue.h"
#include "platform/qt/SystemTray.h"
#include "presentation/GaugeSet.h"
#include "presentation/ReadingsPanel.h"
#include "presentation/TraySettings.h"
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

Ink inkOf(const QImage& image, std::uint32_t ink)
{
    Ink found;
    for (int y = 1; y < image.height() - 1; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != ink) {
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

std::uint32_t pixel(const QImage& image, int x, int y)
{
    return image.pixel(x, y);
}

bool allOpaque(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0xFF) {
                return false;
            }
        }
    }
    return true;
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

    // The desktop's icon while the icon is in the tray, else null.
    const QSystemTrayIcon* shown(TrayIcon& icon)
    {
        const QSystemTrayIcon* desktop = icon.desktopIcon();
        return icon.active() && desktop != nullptr && desktop->isVisible() ? desktop : nullptr;
    }

    std::size_t shownCount()
    {
        std::size_t count = shown(icons->programIcon()) != nullptr ? 1 : 0;
        for (const TemperatureSensor sensor : TraySettings::Sensors) {
            count += shown(icons->iconOf(sensor)) != nullptr ? 1 : 0;
        }
        return count;
    }

    // The picture the tray shows at 16 pixels.
    QImage picture(TrayIcon& icon)
    {
        EXPECT_NE(shown(icon), nullptr);
        return icon.picture(16);
    }

    // The WB1 icon drawn afresh.
    QImage drawWb1()
    {
        icons->createIcon();
        return picture(icons->iconOf(TemperatureSensor::WB1));
    }

    static qint64 keyOf(const QSystemTrayIcon* icon) { return icon == nullptr ? 0 : icon->icon().cacheKey(); }

    Settings settings;
    GaugeSet gauges;
    GaugeModel& wb1 = gauges[TemperatureSensor::WB1];
    GaugeModel& lm75 = gauges[TemperatureSensor::LM75];
    GaugeModel& wb2 = gauges[TemperatureSensor::WB2];
    GaugeModel& wb3 = gauges[TemperatureSensor::WB3];
    ReadingsPanel readings;
    std::ostringstream trayNotes;
    SystemTray area{trayNotes};
    FakeTimerQueue queue;
    FakeBeeper beeper;
    MonitorTimers timers{queue, beeper};
    QMenu menu;
    int doubleClicks = 0;
    std::unique_ptr<TrayIcons> icons;
};

// The shapes, lines, degree signs and styles of the 16 pixel pictures are
// held to their drawings below; a label the window writes without its
// degree text draws as the degree-less icon.
TEST_F(TrayIconsTest, ALabelWithoutTheDegreeTextDrawsAsTheDegreeLessIcon)
{
    start();
    icons->setTrayDegreeSymbol(false);
    const QImage plain = drawWb1();
    settings.showDegreeInWindow = false;
    wb1.setCenterLabel("45C");
    EXPECT_EQ(drawWb1(), plain);
    wb1.setCenterLabel("105C");
    EXPECT_EQ(drawWb1().width(), 20);
}

TEST_F(TrayIconsTest, StyleEditsWaitForPollingToBeDrawn)
{
    start();
    timers.suspend();
    icons->suspend();
    const qint64 before = icons->iconOf(TemperatureSensor::WB1).icon().cacheKey();
    TrayStyle style = Settings{}.temperature(TemperatureSensor::WB1).trayStyle;
    style.background = 0x00FFFFFF;
    icons->setTrayStyle(TemperatureSensor::WB1, style);
    EXPECT_EQ(icons->iconOf(TemperatureSensor::WB1).icon().cacheKey(), before);
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
    EXPECT_EQ(shown(icons->iconOf(TemperatureSensor::WB2))->toolTip().toStdString(), utf8Left(combined, 62));
}

TEST_F(TrayIconsTest, ShowModeWithoutTemperaturesShowsOnlyTheProgramIcon)
{
    settings.temperature(TemperatureSensor::WB1).trayShow = false;
    start();
    EXPECT_EQ(shownCount(), 1U);
    const QSystemTrayIcon* plain = shown(icons->programIcon());
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(keyOf(plain), icons->plainIcon().cacheKey());
    EXPECT_EQ(plain->toolTip().toStdString(), "Motherboard: 45°C ");
    EXPECT_EQ(icons->plainIcon().availableSizes(), QList<QSize>{QSize(32, 32)});

    // Choosing a temperature replaces the program icon by the temperature's.
    icons->showBoxClick(TemperatureSensor::LM75, true);
    EXPECT_EQ(shownCount(), 1U);
    EXPECT_NE(shown(icons->iconOf(TemperatureSensor::LM75)), nullptr);
    EXPECT_EQ(icons->iconOf(TemperatureSensor::LM75).toolTip(), "CPU LM75");
    icons->showBoxClick(TemperatureSensor::LM75, false);
    EXPECT_NE(shown(icons->programIcon()), nullptr);
    EXPECT_EQ(shownCount(), 1U);
}

TEST_F(TrayIconsTest, SwapModeAlternatesTheChosenTemperatures)
{
    settings.showTempInTray = false;
    settings.swapIcons = true;
    settings.temperature(TemperatureSensor::WB1).swap = true;
    settings.temperature(TemperatureSensor::WB3).swap = true;
    settings.swapInterval = 3000;
    start();
    ASSERT_EQ(shownCount(), 1U) << "the program icon carries the cycle";
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
        EXPECT_EQ(keyOf(shown(icons->programIcon())), source.icon().cacheKey());
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"WB Sensor 3", "Motherboard", "WB Sensor 3", "Motherboard"}));
    EXPECT_EQ(shownCount(), 1U);

    // Unchecking the last swap box brings the program icon back.
    icons->swapBoxClick(TemperatureSensor::WB3, false);
    icons->swapBoxClick(TemperatureSensor::WB1, false);
    EXPECT_EQ(keyOf(shown(icons->programIcon())), icons->plainIcon().cacheKey());
    const QString tip = shown(icons->programIcon())->toolTip();
    queue.advance(30000);
    EXPECT_EQ(keyOf(shown(icons->programIcon())), icons->plainIcon().cacheKey()) << "a tick without swap boxes";
    EXPECT_EQ(shown(icons->programIcon())->toolTip(), tip);
}

TEST_F(TrayIconsTest, ModeButtonsSwitchBetweenOwnIconsAndTheCycle)
{
    settings.temperature(TemperatureSensor::LM75).trayShow = true;
    settings.temperature(TemperatureSensor::LM75).sensorEnabled = true;
    start();
    EXPECT_EQ(shownCount(), 2U);
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
    ASSERT_EQ(shownCount(), 1U);
    EXPECT_EQ(keyOf(shown(icons->programIcon())), icons->plainIcon().cacheKey());

    icons->swapBoxClick(TemperatureSensor::LM75, true);
    queue.advance(settings.swapInterval);
    EXPECT_EQ(icons->programIcon().toolTip(), "CPU LM75");

    icons->chooseShowMode();
    EXPECT_FALSE(settings.temperature(TemperatureSensor::LM75).swap);
    EXPECT_FALSE(timers.swapTimer().enabled());
    EXPECT_FALSE(icons->swapIntervalEditable());
    EXPECT_EQ(keyOf(shown(icons->programIcon())), icons->plainIcon().cacheKey());
    EXPECT_EQ(shown(icons->programIcon())->toolTip().toStdString(), "Motherboard: 45°C ") << "the poll-time redraw";

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
    ASSERT_EQ(shownCount(), 1U);
    const QSystemTrayIcon* paused = shown(icons->programIcon());
    ASSERT_NE(paused, nullptr);
    EXPECT_EQ(keyOf(paused), icons->suspendedIcon().cacheKey());
    EXPECT_EQ(paused->toolTip().toStdString(), "In Suspend Mode");

    // A box changed while suspended waits for the resume.
    icons->showBoxClick(TemperatureSensor::WB2, true);
    EXPECT_EQ(shownCount(), 1U);
    EXPECT_EQ(shown(icons->programIcon())->toolTip().toStdString(), "In Suspend Mode");

    timers.resume([this] { icons->resume(); });
    EXPECT_EQ(shownCount(), 3U);
    EXPECT_EQ(shown(icons->programIcon()), nullptr);
    EXPECT_NE(shown(icons->iconOf(TemperatureSensor::WB2)), nullptr);
    EXPECT_EQ(picture(icons->iconOf(TemperatureSensor::WB2)).width(), 16) << "drawn by the poll at resume";
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
    EXPECT_EQ(keyOf(shown(icons->programIcon())), icons->suspendedIcon().cacheKey());

    timers.resume([this] { icons->resume(); });
    EXPECT_TRUE(timers.swapTimer().enabled());
    EXPECT_NE(keyOf(shown(icons->programIcon())), icons->suspendedIcon().cacheKey()) << "one swap tick at resume";
    EXPECT_NE(keyOf(shown(icons->programIcon())), icons->plainIcon().cacheKey());
}

TEST_F(TrayIconsTest, SuspendedIconIsAGreyVariantOfTheProgramIcon)
{
    start();
    const QImage plain = icons->plainIcon().pixmap(QSize(32, 32), 1.0).toImage();
    const QImage paused = icons->suspendedIcon().pixmap(QSize(32, 32), 1.0).toImage();
    ASSERT_EQ(plain.width(), 32);
    ASSERT_EQ(paused.width(), 32);
    bool plainHasColour = false;
    bool pausedAllGrey = true;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb p = plain.pixel(x, y);
            const QRgb q = paused.pixel(x, y);
            plainHasColour = plainHasColour || qRed(p) != qGreen(p) || qGreen(p) != qBlue(p);
            pausedAllGrey = pausedAllGrey && qRed(q) == qGreen(q) && qGreen(q) == qBlue(q);
        }
    }
    EXPECT_TRUE(plainHasColour) << "the program icon has colour";
    EXPECT_TRUE(pausedAllGrey);
    EXPECT_NE(plain, paused);
}

TEST_F(TrayIconsTest, RedrawsReplaceThePicturesInsteadOfAddingToThem)
{
    settings.temperature(TemperatureSensor::LM75).trayShow = settings.temperature(TemperatureSensor::WB2).trayShow =
        settings.temperature(TemperatureSensor::WB3).trayShow = true;
    start();
    for (int poll = 0; poll < 50; ++poll) {
        wb1.setCenterLabel(std::to_string(20 + poll % 90) + "°C");
        icons->createIcon();
    }
    for (const TemperatureSensor sensor : TraySettings::Sensors) {
        EXPECT_EQ(shown(icons->iconOf(sensor))->icon().availableSizes().size(), 5U) << "one picture per size";
    }
    EXPECT_EQ(shownCount(), 4U);
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
    const QSystemTrayIcon* program = shown(icons->programIcon());
    ASSERT_NE(program, nullptr);
    EXPECT_EQ(program->contextMenu(), &menu);
    emit icons->programIcon().desktopIcon()->activated(QSystemTrayIcon::DoubleClick);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(doubleClicks, 1);
}

// The 16 pixel pictures as they were drawn before the larger sizes came, so
// a tray of that size looks the same as ever.
TEST_F(TrayIconsTest, SixteenPixelPicturesStayAsTheyWere)
{
    struct Case {
        const char* file;
        const char* label;
        bool degreeSymbol;
        bool lines;
        bool colours;
        int fontSize;
    };
    const Case cases[] = {
        {"narrow", "45°C", true, true, false, 8},         {"no-degree", "45°C", false, true, false, 8},
        {"wide", "105°C", true, true, false, 8},          {"no-lines", "45°C", true, false, false, 8},
        {"minus-wide", "-12°C", true, true, false, 8},    {"minus-narrow", "-5°C", true, true, false, 8},
        {"coloured-large", "61°C", true, true, true, 12}, {"fahrenheit", "113°F", false, false, true, 8},
    };
    start();
    for (const Case& c : cases) {
        TrayStyle style = Settings{}.temperature(TemperatureSensor::WB1).trayStyle;
        if (c.colours) {
            style.background = 0x00FF0000;
            style.fontColour = 0x000000FF;
        }
        style.fontSize = c.fontSize;
        icons->setTrayStyle(TemperatureSensor::WB1, style);
        icons->setTrayDegreeSymbol(c.degreeSymbol);
        icons->setTrayLines(c.lines);
        wb1.setCenterLabel(c.label);
        const QImage drawn = drawWb1().convertToFormat(QImage::Format_ARGB32);
        const QImage before =
            QImage(QStringLiteral(CALDRIX_SOURCE_DIR "/tests/ui/data/tray16/%1.png").arg(QLatin1String(c.file)))
                .convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(before.isNull()) << c.file;
        EXPECT_EQ(drawn, before) << c.file;
    }
}

TEST_F(TrayIconsTest, EverySizeHasItsOwnSharpDrawing)
{
    start();
    const auto sizesOf = [this] {
        std::vector<std::pair<int, int>> sizes;
        for (const QSize& size : shown(icons->iconOf(TemperatureSensor::WB1))->icon().availableSizes()) {
            sizes.emplace_back(size.width(), size.height());
        }
        std::sort(sizes.begin(), sizes.end());
        return sizes;
    };
    icons->createIcon();
    EXPECT_EQ(sizesOf(), (std::vector<std::pair<int, int>>{{16, 16}, {22, 22}, {24, 24}, {32, 32}, {48, 48}}));
    wb1.setCenterLabel("105°C");
    icons->createIcon();
    EXPECT_EQ(sizesOf(), (std::vector<std::pair<int, int>>{{20, 16}, {28, 22}, {30, 24}, {40, 32}, {60, 48}}))
        << "three digits keep the wide shape";

    wb1.setCenterLabel("45°C");
    icons->createIcon();
    TrayIcon& icon = icons->iconOf(TemperatureSensor::WB1);
    int previousHeight = 0;
    for (const int height : {16, 22, 24, 32, 48}) {
        const QImage image = icon.picture(height);
        ASSERT_EQ(image.height(), height);
        EXPECT_TRUE(allOpaque(image)) << height;
        // The lines: one pixel per 16 of height, top and bottom, in the font
        // colour, leaving as many pixels at the right end.
        const int thickness = std::max(1, height / 16);
        for (int row = 0; row < thickness; ++row) {
            EXPECT_EQ(pixel(image, 0, row), Black) << height;
            EXPECT_EQ(pixel(image, 0, height - 1 - row), Black) << height;
            EXPECT_EQ(pixel(image, height - 1, row), Silver) << height;
        }
        EXPECT_EQ(pixel(image, 0, thickness), Silver) << height << ": no thicker than that";
        // The digits grow with the picture, drawn for it rather than scaled.
        const Ink text = inkOf(image, Black);
        const int textHeight = text.bottom - text.top + 1;
        EXPECT_GT(textHeight, height / 3) << height;
        EXPECT_GT(textHeight, previousHeight) << height;
        previousHeight = textHeight;
        if (height <= 24) {
            for (int y = 0; y < height; ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    ASSERT_TRUE(pixel(image, x, y) == Silver || pixel(image, x, y) == Black)
                        << height << " px is not smoothed: " << x << "," << y;
                }
            }
        }
    }
}

} // namespace
} // namespace cdx
