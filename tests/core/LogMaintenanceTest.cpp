#include "logs/LogMaintenance.h"

#include <gtest/gtest.h>

#include "LogHarness.h"

namespace cdx {
namespace {

using test::readFile;
using test::writeFile;

class LogMaintenanceTest : public ::testing::Test {
protected:
    test::LogHarness h;
};

TEST_F(LogMaintenanceTest, ViewOpensEachFileWithItsShowCommand)
{
    h.maintenance.viewLog(LogFile::IntervalTxt);
    h.maintenance.viewLog(LogFile::IntervalHtm);
    h.maintenance.viewLog(LogFile::UpDownHtm);
    h.maintenance.viewLog(LogFile::WarningTxt);
    ASSERT_EQ(h.shell.requests().size(), 4u);
    EXPECT_EQ(h.shell.requests()[0], (FakeShell::Request{h.paths.intervalTxt, {}, "", ShowCommand::Show}));
    EXPECT_EQ(h.shell.requests()[1].show, ShowCommand::ShowMaximized);
    EXPECT_EQ(h.shell.requests()[2].file, h.paths.upDownHtm);
    EXPECT_EQ(h.shell.requests()[2].show, ShowCommand::ShowMaximized);
    EXPECT_EQ(h.shell.requests()[3].show, ShowCommand::Show);
}

TEST_F(LogMaintenanceTest, EraseAnsweredNoKeepsAllAndYesTrashesAndRecreatesWithCurrentNames)
{
    h.options.logCsv = true;
    h.intervalLog.writeStandardLogEntry();
    const std::string oldTxt = readFile(h.paths.intervalTxt);
    h.maintenance.eraseLog(LogGroup::Interval); // answered No: everything stays
    ASSERT_EQ(h.messages.questions(), std::vector<std::string>{"Are you sure you want to erase the Log Files ?"});
    EXPECT_EQ(readFile(h.paths.intervalTxt), oldTxt);
    EXPECT_TRUE(h.recycleBin.items().empty());

    h.options.temperature(TemperatureSensor::LM75).name = "Processor";
    h.messages.queueAnswer(true);
    h.maintenance.eraseLog(LogGroup::Interval);

    ASSERT_EQ(h.recycleBin.items().size(), 3u);
    EXPECT_EQ(h.recycleBin.items()[0].path, h.paths.intervalTxt);
    EXPECT_EQ(h.recycleBin.items()[0].content, oldTxt);
    EXPECT_EQ(h.recycleBin.items()[2].path, h.paths.intervalCsv);
    EXPECT_NE(readFile(h.paths.intervalTxt).find("| Speed |Processor  |Motherboard|"), std::string::npos);
    EXPECT_EQ(readFile(h.paths.intervalTxt).find("451 MHz"), std::string::npos);
    EXPECT_TRUE(readFile(h.paths.intervalCsv).starts_with("Date;Time;Speed;Processor;Motherboard;"));
    EXPECT_EQ(h.sizes.labels().intervalTxt, "TXT:0Kb");

    // An erase keeps a running log running.
    h.intervalLog.setLogging(true);
    h.messages.queueAnswer(true);
    h.maintenance.eraseLog(LogGroup::Interval);
    EXPECT_TRUE(h.intervalLog.logging());
    h.timers.advance(60000);
    EXPECT_NE(readFile(h.paths.intervalTxt).find("451 MHz"), std::string::npos);
}

TEST_F(LogMaintenanceTest, WarningAndUpDownEraseRestoreInitialContent)
{
    h.warningLog.writeErrorLog("one");
    h.messages.queueAnswer(true);
    h.maintenance.eraseLog(LogGroup::Warning);
    EXPECT_EQ(h.messages.questions().back(), "Are you sure you want to erase the Warning Log Files ?");
    EXPECT_EQ(readFile(h.paths.warningTxt), "");
    EXPECT_EQ(readFile(h.paths.warningHtm), "<html>\r\n<body bgcolor=\"#FFFFFF\">\r\n<table border=\"1\"> \r\n");

    // After the erase the first row follows the header; the second replaces its trailer.
    h.warningLog.writeErrorLog("a");
    h.warningLog.writeErrorLog("b");
    EXPECT_EQ(readFile(h.paths.warningHtm),
              "<html>\r\n<body bgcolor=\"#FFFFFF\">\r\n<table border=\"1\"> \r\n"
              "<tr><td>12/06/26</td><td>14:30:15</td><td>a</td><tr><td>12/06/26</td><td>14:30:15</td><td>b</td>"
              "\x1a</tr></table>\r\n");

    writeFile(h.paths.upDownTxt, "report");
    h.messages.queueAnswer(true);
    h.maintenance.eraseLog(LogGroup::UpDown);
    EXPECT_EQ(h.messages.questions().back(), "Are you sure you want to erase the Up and Down Log files ?");
    EXPECT_EQ(readFile(h.paths.upDownTxt), "");
    EXPECT_EQ(readFile(h.paths.upDownHtm), "<html>\r\n<body bgcolor=\"#FFFFFF\">\r\n");
}

TEST_F(LogMaintenanceTest, FileThatCannotReachTheTrashIsKept)
{
    writeFile(h.paths.warningTxt, "precious");
    h.recycleBin.failFor(h.paths.warningTxt);
    h.messages.queueAnswer(true);
    h.maintenance.eraseLog(LogGroup::Warning);
    EXPECT_EQ(readFile(h.paths.warningTxt), "precious");
    EXPECT_EQ(h.messages.errors().size(), 1u);
    EXPECT_EQ(h.recycleBin.items().size(), 1u); // the HTML file went
}

TEST_F(LogMaintenanceTest, IntervalSpinStaysWithinOneTo200MinutesAndLimitSpinWithinZeroTo1000)
{
    EXPECT_EQ(h.maintenance.intervalLabel(), "Interval: 1 minutes");
    h.maintenance.intervalDown();
    EXPECT_EQ(h.options.logInterval, 60000);
    h.maintenance.intervalUp();
    EXPECT_EQ(h.maintenance.intervalLabel(), "Interval: 2 minutes");
    for (int i = 0; i < 300; ++i) {
        h.maintenance.intervalUp();
    }
    EXPECT_EQ(h.options.logInterval, 12000000);
    EXPECT_EQ(h.maintenance.intervalLabel(), "Interval: 200 minutes");

    // A stored value off the minute grid still ends on the bounds.
    h.intervalLog.setInterval(11990000);
    h.maintenance.intervalUp();
    EXPECT_EQ(h.options.logInterval, 12000000);

    // The new interval applies to the running log at once.
    h.intervalLog.setInterval(60000);
    h.maintenance.intervalUp();
    h.pollingActive = false;
    h.intervalLog.setLogging(true);
    const std::string before = readFile(h.paths.intervalTxt);
    h.timers.advance(60000);
    EXPECT_EQ(readFile(h.paths.intervalTxt), before);
    h.timers.advance(60000);
    EXPECT_NE(readFile(h.paths.intervalTxt), before);

    EXPECT_EQ(h.maintenance.limitLabel(), "Stop Writing at 64Kb");
    for (int i = 0; i < 20; ++i) {
        h.maintenance.limitDown();
    }
    EXPECT_EQ(h.maintenance.limitLabel(), "Stop Writing at 0Kb");
    h.options.logSizeLimitKb = 998;
    h.maintenance.limitUp();
    h.maintenance.limitUp();
    EXPECT_EQ(h.maintenance.limitLabel(), "Stop Writing at 1000Kb");
}

} // namespace
} // namespace cdx
