#include <QAccessible>
#include <QAction>
#include <QDateTime>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <vector>

#include <gtest/gtest.h>

#include "history/ReadingsHistory.h"
#include "ui/AccessibilityUpdates.h"
#include "ui/HistoryPlot.h"
#include "ui/HistoryWindow.h"

namespace cdx {
namespace {

constexpr std::int64_t kStart = 1'780'000'020; // a whole minute

// Two hours of 1 s polls: the CPU at 40 plus the minute's second / 10, the
// core at 1.50 V, fan 1 at 3000 RPM but not available for the last five
// minutes but one, and nothing at all from 15 to 10 minutes before the end.
struct FakeDay {
    FakeDay()
    {
        for (std::int64_t s = 1; s <= 7200; ++s) {
            if (s > 7200 - 900 && s <= 7200 - 600) {
                continue; // suspended
            }
            Readings r;
            r.tickMs = static_cast<std::uint64_t>(s) * 1000;
            r.unixSeconds = kStart + s;
            r.temperature(TemperatureSensor::LM75) = 40.0 + static_cast<double>(s % 60) / 10.0;
            r.voltage(VoltageRail::Core) = 1.5;
            if (s <= 7200 - 300 || s == 7200) {
                r.fan(Fan::Fan1) = 3000.0;
            }
            history.append(r);
        }
    }
    ReadingsHistory history;
    std::int64_t now = kStart + 7200;
    TemperatureDisplay display;
    HistoryWindow window{HistoryWindow::Parts{
        .history = history,
        .nowSeconds = [this] { return now; },
        .display = [this] { return display; },
        .names =
            [] {
                std::array<std::string, Readings::ChannelCount> names;
                names[1] = "CPU";
                names[4] = "Core Voltage";
                names[10] = "Fan 1";
                return names;
            },
        .marks =
            [] {
                AlarmMarks marks{};
                marks[1].high = 60.0;
                return marks;
            },
        .choosePictureFile = [this] { return pictureFile; },
    }};
    QString pictureFile;
};

std::string description(HistoryPlot& plot)
{
    return plot.accessibleDescription().toStdString();
}

std::string at(std::int64_t unixSeconds)
{
    return QDateTime::fromSecsSinceEpoch(unixSeconds).toString("HH:mm:ss").toStdString();
}

TEST(HistoryWindowTest, TheDescriptionsFollowTheSpanAndTheUnit)
{
    FakeDay f;
    f.window.open();
    EXPECT_EQ(f.window.windowTitle(), "Caldrix History");
    EXPECT_EQ(f.window.span(), HistorySpan::Hour);
    HistoryPlot& temperatures = f.window.plot(HistoryGroup::Temperatures);
    EXPECT_EQ(temperatures.accessibleName(), "Temperatures history");
    // The hour before the end, the silence left out: lowest 40 at the first
    // whole minute in it, highest 45.9 at its 59th second, average 42.95.
    EXPECT_EQ(description(temperatures), "CPU: now 40 °C, lowest 40 °C at " + at(kStart + 3660) +
                                             ", highest 46 °C at " + at(kStart + 3659) + ", average 42.95 °C.");
    EXPECT_EQ(description(f.window.plot(HistoryGroup::Voltages)), "Core Voltage: now 1.50 V, lowest 1.50 V at " +
                                                                      at(kStart + 3601) + ", highest 1.50 V at " +
                                                                      at(kStart + 3601) + ", average 1.50 V.");

    f.window.spanChoice().setCurrentIndex(0); // 10 minutes
    EXPECT_EQ(f.window.span(), HistorySpan::TenMinutes);
    EXPECT_NE(description(f.window.plot(HistoryGroup::Fans))
                  .find("Fan 1: now 3000 RPM, lowest 3000 RPM at " + at(kStart + 7200 - 599)),
              std::string::npos);

    f.display.scale = TemperatureScale::Fahrenheit;
    f.window.setSpan(HistorySpan::Day);
    EXPECT_EQ(f.window.spanChoice().currentIndex(), 2);
    // The day: the first minute starts with the second poll's 40.1 °C.
    const std::string day = description(temperatures);
    EXPECT_NE(day.find("lowest 104 °F at " + at(kStart + 60)), std::string::npos) << day;
    EXPECT_NE(day.find("average 109."), std::string::npos) << day;
}

TEST(HistoryWindowTest, TheMarkerShowsValuesGapsAndMovesWithTheArrowKeys)
{
    FakeDay f;
    f.window.open();
    HistoryPlot& fans = f.window.plot(HistoryGroup::Fans);
    fans.setMarker(kStart + 7200 - 700); // suspended then
    EXPECT_TRUE(fans.markerText().endsWith(": no readings")) << fans.markerText().toStdString();
    fans.setMarker(kStart + 7200 - 100); // polled, but the fan was not available
    EXPECT_TRUE(fans.markerText().endsWith(": not available")) << fans.markerText().toStdString();
    fans.setMarker(kStart + 7200 - 1000);
    EXPECT_TRUE(fans.markerText().endsWith(": Fan 1 3000 RPM")) << fans.markerText().toStdString();
    EXPECT_EQ(f.window.markerLabel().text(), fans.markerText());

    HistoryPlot& temperatures = f.window.plot(HistoryGroup::Temperatures);
    temperatures.setFocus();
    QTest::keyClick(&temperatures, Qt::Key_End);
    EXPECT_EQ(temperatures.marker(), f.now);
    QTest::keyClick(&temperatures, Qt::Key_Left);
    QTest::keyClick(&temperatures, Qt::Key_Left);
    EXPECT_EQ(temperatures.marker(), f.now - 12); // an hour in 600 steps
    EXPECT_EQ(temperatures.markerText().toStdString(), at(f.now - 12) + ": CPU 45 °C");
    QTest::keyClick(&temperatures, Qt::Key_Home);
    EXPECT_EQ(temperatures.marker(), f.now - 3600);
}

// What assistive technology is told while it lasts: each event's kind and
// what the object it names said of itself at that moment.
class AccessibilityEvents {
public:
    struct Told {
        QAccessible::Event type;
        QObject* object;
        QString description;
    };
    AccessibilityEvents()
    {
        s_told.clear();
        m_previous = AccessibilityUpdates::installRecorder(&record);
    }
    ~AccessibilityEvents() { AccessibilityUpdates::installRecorder(m_previous); }
    AccessibilityEvents(const AccessibilityEvents&) = delete;
    AccessibilityEvents& operator=(const AccessibilityEvents&) = delete;

    // The descriptions told of `object` since the last call.
    std::vector<QString> descriptionsOf(QObject* object)
    {
        std::vector<QString> told;
        for (const Told& t : s_told) {
            if (t.object == object && t.type == QAccessible::DescriptionChanged) {
                told.push_back(t.description);
            }
        }
        s_told.clear();
        return told;
    }

private:
    static void record(QAccessibleEvent* event)
    {
        QAccessibleInterface* iface = event->accessibleInterface();
        s_told.push_back({event->type(), event->object(), iface ? iface->text(QAccessible::Description) : QString()});
    }
    static inline std::vector<Told> s_told;
    AccessibilityUpdates::Recorder m_previous = nullptr;
};

TEST(HistoryWindowTest, AScreenReaderIsToldWhereTheMarkerMovedGapsIncluded)
{
    FakeDay f;
    f.window.open();
    HistoryPlot& fans = f.window.plot(HistoryGroup::Fans);
    const QString summary = fans.accessibleDescription();
    AccessibilityEvents events;
    QAccessibleInterface* plot = QAccessible::queryAccessibleInterface(&fans);
    ASSERT_NE(plot, nullptr);
    EXPECT_EQ(plot->role(), QAccessible::Chart);
    EXPECT_EQ(plot->text(QAccessible::Name), "Fan Speeds history");
    EXPECT_EQ(plot->text(QAccessible::Description), summary);
    fans.setFocus();

    // Each step is told in the label's own words, a reading, a reading that
    // was not available, and a stretch without readings alike.
    const auto step = [&](Qt::Key key, int times, const std::string& ending) {
        for (int i = 0; i < times; ++i) {
            QTest::keyClick(&fans, key);
        }
        const std::vector<QString> told = events.descriptionsOf(&fans);
        ASSERT_EQ(told.size(), static_cast<std::size_t>(times)) << ending;
        const QString shown = f.window.markerLabel().text();
        EXPECT_EQ(told.back(), shown);
        EXPECT_TRUE(shown.endsWith(QString::fromStdString(ending))) << shown.toStdString();
        EXPECT_EQ(plot->text(QAccessible::Value), shown);
        EXPECT_EQ(fans.toolTip(), shown);
    };
    step(Qt::Key_End, 1, ": Fan 1 3000 RPM");
    step(Qt::Key_Left, 1, ": not available");
    step(Qt::Key_Left, 100, ": no readings"); // 606 s before the end: suspended
    step(Qt::Key_Home, 1, ": Fan 1 3000 RPM");
    // The plot's own summary stays what the window is asked for.
    EXPECT_EQ(fans.accessibleDescription(), summary);
    // Nothing moved, nothing told.
    QTest::keyClick(&fans, Qt::Key_Left);
    EXPECT_TRUE(events.descriptionsOf(&fans).empty());

    // The marker gone, the summary is told again.
    QTest::keyClick(&fans, Qt::Key_Escape);
    EXPECT_EQ(events.descriptionsOf(&fans), std::vector<QString>{summary});
    EXPECT_EQ(plot->text(QAccessible::Value), "");
}

TEST(HistoryWindowTest, TabReachesTheSpanAndSaveAndEverySpanDrawsAPicture)
{
    FakeDay f;
    f.window.open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f.window));
    EXPECT_NE(f.window.spanChoice().focusPolicy() & Qt::TabFocus, 0);
    EXPECT_NE(f.window.saveButton().focusPolicy() & Qt::TabFocus, 0);
    EXPECT_EQ(f.window.spanChoice().nextInFocusChain(), &f.window.saveButton());
    EXPECT_EQ(f.window.saveButton().accessibleName(), "Save Picture");
    QTemporaryDir folder;
    f.pictureFile = folder.filePath("history.png");
    f.window.saveButton().click();
    const QImage saved(f.pictureFile, "PNG");
    EXPECT_EQ(saved.size(), f.window.size());

    QImage previous;
    for (HistorySpan span : kAllHistorySpans) {
        f.window.setSpan(span);
        const QImage picture = f.window.grab().toImage();
        ASSERT_FALSE(picture.isNull());
        EXPECT_NE(picture, previous);
        previous = picture;
    }
    // Nothing to draw is no failure either.
    ReadingsHistory empty;
    HistoryWindow nothing(HistoryWindow::Parts{empty,
                                               [] { return kStart; },
                                               [] { return TemperatureDisplay{}; },
                                               [] { return std::array<std::string, Readings::ChannelCount>{}; },
                                               [] { return AlarmMarks{}; },
                                               {}});
    nothing.open();
    EXPECT_EQ(nothing.plot(HistoryGroup::Fans).accessibleDescription(), "No readings in this span.");
    EXPECT_FALSE(nothing.grab().isNull());
}

} // namespace
} // namespace cdx
