#include <string>

#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include "ProgramHome.h"
#include "app/Application.h"
#include "platform/ExternalMessages.h"

namespace cdx {
namespace {

using test::storeSettings;
using test::TemporaryHome;
using test::topLevel;

int pollsCounted(QWidget* window)
{
    const auto* label = window->findChild<QLabel*>("UDTabPollsLabel");
    return label != nullptr ? label->text().section(' ', -1).toInt() : 0;
}

std::string labelText(QWidget* window, const char* name)
{
    const auto* label = window->findChild<QLabel*>(name);
    return label != nullptr ? label->text().toStdString() : std::string("(no ") + name + ")";
}

// The sentence of the reading `name` in a plot's description.
std::string sentenceOf(const std::string& description, const std::string& name)
{
    const std::size_t start = description.find(name + ": ");
    if (start == std::string::npos) {
        return "(no " + name + " in: " + description + ")";
    }
    return description.substr(start, description.find(". ", start) - start);
}

TEST(HistoryAppTest, TheHourAgreesWithTheStatisticsAndTheDayOutlivesARestart)
{
    TemporaryHome home;
    ASSERT_TRUE(home.valid());
    Settings polledEverySecond;
    polledEverySecond.pollInterval = 1000;
    storeSettings(home, polledEverySecond);
    {
        Application program(Application::bindLibraries(), home.programFile());
        ASSERT_TRUE(program.start());
        QWidget* window = topLevel("Form1");
        ASSERT_NE(window, nullptr);
        window->findChild<QToolButton*>("SpeedButton1")->click(); // Show & Expand: the Up's & Downs page
        // From here on the statistics and the history see the same polls.
        window->findChild<QPushButton*>("UDTabResetSpeedButton")->click();
        program.handleExternalMessage({ExternalMessages::ShowHistory, 0, 0});
        QWidget* history = topLevel("HistoryWindow");
        ASSERT_NE(history, nullptr);
        EXPECT_TRUE(history->isVisible());
        ASSERT_TRUE(QTest::qWaitFor([&] { return pollsCounted(window) >= 3; }, 20000));

        for (const auto& [plot, stem] : {std::pair{"HistoryPlot1", "WB1"}, std::pair{"HistoryPlot2", "CoreVoltage"},
                                         std::pair{"HistoryPlot3", "Fan1"}}) {
            const std::string label = std::string("UDTab") + stem;
            const std::string sentence =
                sentenceOf(history->findChild<QWidget*>(plot)->accessibleDescription().toStdString(),
                           labelText(window, (label + "NameLabel").c_str()));
            for (const auto& [word, part] : {std::pair{"lowest ", "LowLabel"}, std::pair{"highest ", "HighLabel"},
                                             std::pair{"average ", "AverageLabel"}}) {
                const std::string figure = word + labelText(window, (label + part).c_str()) + " ";
                EXPECT_NE(sentence.find(figure), std::string::npos) << figure << "in " << sentence;
            }
        }
        program.shutdown();
    }
    EXPECT_TRUE(QFileInfo(home.historyFile()).isFile());

    Application program(Application::bindLibraries(), home.programFile());
    ASSERT_TRUE(program.start());
    program.handleExternalMessage({ExternalMessages::ShowHistory, 0, 0});
    QWidget* history = topLevel("HistoryWindow");
    ASSERT_NE(history, nullptr);
    history->findChild<QComboBox*>("SpanChoice")->setCurrentIndex(2); // 24 hours
    const QString day = history->findChild<QWidget*>("HistoryPlot1")->accessibleDescription();
    EXPECT_TRUE(day.startsWith("Motherboard: now ")) << day.toStdString();
    program.shutdown();
}

} // namespace
} // namespace cdx
