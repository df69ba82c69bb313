#include "logs/IntervalLog.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "LogHarness.h"

namespace cdx {
namespace {

using test::readFile;
using test::writeFile;

const std::string TxtHeader =
    "+--------+--------+-------+-----------------------------------------------+---------------------------------+----"
    "-------------------------+\r\n"
    "|        |        |       |                  Temperature                  |             Voltages            |   "
    "           Fans           |\r\n"
    "+--------+--------+-------+-----------+-----------+-----------+-----------+----+----+----+-----+-----+------+----"
    "-----+---------+---------+\r\n"
    "|  Date  |  Time  | Speed |CPU LM75   |Motherboard|WB Sensor 2|WB Sensor 3|Core|+3.3| +5 | -5  | +12 | -12  |Fan "
    "1    |Fan 2    |Fan 3    |\r\n"
    "+--------+--------+-------+-----------+-----------+-----------+-----------+----+----+----+-----+-----+------+----"
    "-----+---------+---------+\r\n";

const std::string HtmHeader =
    "<html>\r\n<body bgcolor=\"#FFFFFF\">\r\n<table border=\"1\" width=\"1000\">\r\n"
    "<tr><td>Date</td><td>Time</td><td>Speed</td><td>CPU LM75</td><td>Motherboard</td><td>WB Sensor 2</td><td>WB "
    "Sensor 3</td><td>Core</td><td>+3.3</td><td>+5</td><td>-5</td><td>+12</td><td>-12</td><td>Fan 1</td><td>Fan "
    "2</td><td>Fan 3</td></tr>\x1a</tr></table>\r\n";

const std::string CsvHeader = "Date;Time;Speed;CPU LM75;Motherboard;WB Sensor 2;WB Sensor 3;Core;+3.3 Volt;+5 Volt;-5 "
                              "Volt;+12 Volt;-12 Volt;Fan 1;Fan 2;Fan 3\r\n";

const std::string TxtRow = "|12/06/26|14:30:15|451 MHz|45°C       |31°C       |28°C       |-1°C       |2.80|3.31|4.97|"
                           "-5.06|12.16|-12.27|4560     |N/A      |0        |\r\n";

const std::string HtmRow = "<tr><td>12/06/26</td><td>14:30:15</td><td>451 MHz</td><td>45&#176;C</td><td>31&#176;C</"
                           "td><td>28&#176;C</td><td>-1&#176;C</td><td>2.80</td><td>3.31</td><td>4.97</td><td>-5.06</"
                           "td><td>12.16</td><td>-12.27</td><td>4560</td><td>N/A</td><td>0</td>\x1a</tr></table>\r\n";

const std::string CsvRow =
    "12/06/26;14:30:15;451 MHz;45°C;31°C;28°C;-1°C;2.80;3.31;4.97;-5.06;12.16;-12.27;4560;N/A;0\r\n";

class IntervalLogTest : public ::testing::Test {
protected:
    test::LogHarness h;
};

TEST_F(IntervalLogTest, StartUpCreatesTheThreeHeadersAndKeepsExistingFiles)
{
    EXPECT_EQ(readFile(h.paths.intervalTxt), TxtHeader);
    EXPECT_EQ(readFile(h.paths.intervalHtm), HtmHeader);
    EXPECT_EQ(readFile(h.paths.intervalCsv), CsvHeader);

    writeFile(h.paths.intervalTxt, "old");
    h.options.temperature(TemperatureSensor::WB1).name = "Renamed";
    h.intervalLog.createMissingFiles();
    EXPECT_EQ(readFile(h.paths.intervalTxt), "old");
    EXPECT_EQ(readFile(h.paths.intervalHtm), HtmHeader);

    // A file that cannot be created leaves the others to be created.
    h.options.temperature(TemperatureSensor::WB1).name = "Motherboard";
    std::filesystem::remove(h.paths.intervalTxt);
    std::filesystem::remove(h.paths.intervalHtm);
    std::filesystem::remove(h.paths.intervalCsv);
    h.locks.lock(h.paths.intervalTxt); // another program holds the name
    h.intervalLog.createMissingFiles();
    EXPECT_EQ(h.messages.errors().size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(h.paths.intervalTxt));
    EXPECT_EQ(readFile(h.paths.intervalHtm), HtmHeader);
    EXPECT_EQ(readFile(h.paths.intervalCsv), CsvHeader);
}

TEST_F(IntervalLogTest, HeaderCarriesCustomVoltageAndEscapedNames)
{
    h.options.plus33VoltageNominal = 3.45;
    h.options.temperature(TemperatureSensor::LM75).name = "<CPU>";
    h.formats.decimalSeparator = ",";
    h.intervalLog.writeIntervalLogStart();
    h.intervalLog.writeIntervalLogStartHtml();
    h.intervalLog.writeIntervalLogStartCsv();
    EXPECT_NE(readFile(h.paths.intervalTxt).find("|<CPU>      |Motherboard|WB Sensor 2|WB Sensor 3|Core|+3,45| +5 |"),
              std::string::npos);
    EXPECT_NE(readFile(h.paths.intervalHtm).find("<td>Speed</td><td>&lt;CPU&gt;</td>"), std::string::npos);
    EXPECT_NE(readFile(h.paths.intervalCsv).find(";<CPU>;Motherboard;WB Sensor 2;WB Sensor 3;Core;+3,45 Volt;"),
              std::string::npos);
}

TEST_F(IntervalLogTest, EntryInAllThreeFormats)
{
    h.options.logCsv = true;
    h.intervalLog.writeStandardLogEntry();
    h.intervalLog.writeStandardLogEntry();
    EXPECT_EQ(readFile(h.paths.intervalTxt), TxtHeader + TxtRow + TxtRow);
    std::string htm = HtmHeader;
    htm.erase(htm.size() - 16); // the header row's trailer is replaced
    EXPECT_EQ(readFile(h.paths.intervalHtm), htm + HtmRow.substr(0, HtmRow.size() - 16) + HtmRow);
    EXPECT_EQ(readFile(h.paths.intervalCsv), CsvHeader + CsvRow + CsvRow);
    EXPECT_TRUE(h.messages.errors().empty());
    EXPECT_EQ(h.sizes.labels().intervalTxt, "TXT:0Kb");
    EXPECT_EQ(h.sizes.labels().intervalCsv, "CSV:0Kb");
}

TEST_F(IntervalLogTest, LongFieldWidensItsCellAndOnlySelectedFormatsGrow)
{
    h.options.logHtml = false;
    h.formats.shortDatePattern = "%m/%d/%Y";
    h.intervalLog.writeStandardLogEntry();
    EXPECT_EQ(readFile(h.paths.intervalTxt), TxtHeader + "|12/06/2026" + TxtRow.substr(9));
    EXPECT_EQ(readFile(h.paths.intervalHtm), HtmHeader);
    EXPECT_EQ(readFile(h.paths.intervalCsv), CsvHeader);
}

TEST_F(IntervalLogTest, LockedCsvIsSkippedSilentlyAndOthersGoOn)
{
    h.options.logCsv = true;
    h.locks.lock(h.paths.intervalCsv);
    h.intervalLog.writeStandardLogEntry();
    EXPECT_EQ(readFile(h.paths.intervalCsv), CsvHeader);
    EXPECT_EQ(readFile(h.paths.intervalTxt), TxtHeader + TxtRow);
    EXPECT_TRUE(h.messages.errors().empty());
    EXPECT_EQ(h.sizes.labels().intervalCsv, "CSV: File Locked");
    EXPECT_TRUE(h.options.intervalLogEnabled == false); // never on, never stopped

    h.locks.unlock(h.paths.intervalCsv);
    h.intervalLog.writeStandardLogEntry();
    EXPECT_EQ(readFile(h.paths.intervalCsv), CsvHeader + CsvRow);
    EXPECT_EQ(h.sizes.labels().intervalCsv, "CSV:0Kb");
}

TEST_F(IntervalLogTest, AFailingFileIsReportedWithItsCauseAndTheOthersAreWritten)
{
    // A folder where cdxlog.htm belongs: TXT and CSV still get the row, and
    // the one message names the folder's real trouble.
    std::filesystem::remove(h.paths.intervalHtm);
    std::filesystem::create_directory(h.paths.intervalHtm);
    h.options.logCsv = true;
    h.intervalLog.writeStandardLogEntry();
    ASSERT_EQ(h.messages.errors().size(), 1u);
    EXPECT_NE(h.messages.errors()[0].find("cdxlog.htm"), std::string::npos);
    EXPECT_NE(h.messages.errors()[0].find("Is a directory"), std::string::npos) << h.messages.errors()[0];
    EXPECT_EQ(readFile(h.paths.intervalTxt), TxtHeader + TxtRow);
    EXPECT_EQ(readFile(h.paths.intervalCsv), CsvHeader + CsvRow);

    // A missing cdxlog.txt, the first in order, stops nothing either.
    std::filesystem::remove(h.paths.intervalHtm);
    writeFile(h.paths.intervalHtm, HtmHeader);
    std::filesystem::remove(h.paths.intervalTxt);
    h.intervalLog.writeStandardLogEntry();
    ASSERT_EQ(h.messages.errors().size(), 2u);
    EXPECT_NE(h.messages.errors()[1].find("cdxlog.txt"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(h.paths.intervalTxt));
    EXPECT_NE(readFile(h.paths.intervalHtm).find("<td>451 MHz</td>"), std::string::npos);
    EXPECT_EQ(readFile(h.paths.intervalCsv), CsvHeader + CsvRow + CsvRow);
}

TEST_F(IntervalLogTest, LockedHtmRaisesTheErrorAfterTheTxtRow)
{
    h.locks.lock(h.paths.intervalHtm);
    h.intervalLog.writeStandardLogEntry();
    EXPECT_EQ(h.messages.errors().size(), 1u);
    EXPECT_EQ(readFile(h.paths.intervalTxt), TxtHeader + TxtRow);
    EXPECT_EQ(readFile(h.paths.intervalHtm), HtmHeader);
}

TEST_F(IntervalLogTest, SwitchingOnWritesOneEntryOnlyWhilePolling)
{
    h.intervalLog.setLogging(true);
    EXPECT_EQ(readFile(h.paths.intervalTxt), TxtHeader + TxtRow);
    EXPECT_FALSE(h.intervalLog.startItemEnabled());
    EXPECT_TRUE(h.intervalLog.stopItemEnabled());
    EXPECT_TRUE(h.intervalLog.intervalControlsEnabled());

    h.intervalLog.setLogging(false);
    EXPECT_TRUE(h.intervalLog.startItemEnabled());
    EXPECT_FALSE(h.intervalLog.intervalControlsEnabled());
    h.pollingActive = false;
    h.intervalLog.setLogging(true);
    EXPECT_EQ(readFile(h.paths.intervalTxt), TxtHeader + TxtRow);

    // The timer writes every interval, independently of polling.
    h.timers.advance(3 * 60000);
    EXPECT_EQ(readFile(h.paths.intervalTxt), TxtHeader + TxtRow + TxtRow + TxtRow + TxtRow);
}

TEST_F(IntervalLogTest, TimerRunsAtTheLoadedIntervalOnceTheLoadedSwitchIsApplied)
{
    // The log exists before the settings are loaded; the loaded interval
    // reaches the timer when the loaded "Log File" state is applied.
    h.pollingActive = false;
    h.options.logInterval = 5 * 60000;
    h.options.intervalLogEnabled = true;
    h.intervalLog.setLogging(true);
    EXPECT_TRUE(h.logTimer->enabled());
    EXPECT_EQ(h.logTimer->interval(), 5 * 60000);
    h.timers.advance(4 * 60000);
    EXPECT_EQ(readFile(h.paths.intervalTxt), TxtHeader);
    h.timers.advance(60000);
    EXPECT_EQ(readFile(h.paths.intervalTxt), TxtHeader + TxtRow);
}

TEST_F(IntervalLogTest, PauseStopsTheTimerAndResumeRestoresIt)
{
    h.options.logTxt = false;
    h.options.logHtml = false;
    h.pollingActive = false;
    h.intervalLog.setLogging(true);
    h.intervalLog.suspend();
    std::filesystem::remove(h.paths.intervalTxt);
    h.timers.advance(5 * 60000);
    EXPECT_TRUE(h.messages.errors().empty());
    h.intervalLog.resume();
    h.timers.advance(60000);
    // With no format selected a tick still measures the files.
    EXPECT_EQ(h.messages.errors().size(), 1u);
}

TEST_F(IntervalLogTest, SizeLimitStopsTheLogWhateverFormatsAreSelected)
{
    int changes = 0;
    h.intervalLog.setOnLoggingChanged([&] { ++changes; });
    h.options.logHtml = false;
    h.pollingActive = false;
    h.intervalLog.setLogging(true);
    writeFile(h.paths.intervalHtm, std::string(65535, 'x'));
    h.intervalLog.writeStandardLogEntry();
    EXPECT_TRUE(h.intervalLog.logging());
    EXPECT_EQ(h.sizes.labels().intervalHtm, "HTM:63Kb");

    writeFile(h.paths.intervalHtm, std::string(65536, 'x'));
    h.timers.advance(60000);
    EXPECT_FALSE(h.intervalLog.logging());
    EXPECT_TRUE(h.intervalLog.startItemEnabled());
    EXPECT_EQ(h.sizes.labels().intervalHtm, "HTM:64Kb");
    EXPECT_EQ(changes, 2);
    const std::string txt = readFile(h.paths.intervalTxt);
    h.timers.advance(10 * 60000);
    EXPECT_EQ(readFile(h.paths.intervalTxt), txt);
    EXPECT_EQ(readFile(h.paths.intervalHtm), std::string(65536, 'x'));
}

TEST_F(IntervalLogTest, LimitOfZeroStopsAtTheFirstCheckButLockedCsvDoesNotCount)
{
    h.options.logSizeLimitKb = 0;
    h.intervalLog.setLogging(true);
    EXPECT_FALSE(h.intervalLog.logging());

    // A locked CSV counts as -1, below even a limit of 0; the others do not.
    h.options.logSizeLimitKb = 64;
    h.locks.lock(h.paths.intervalCsv);
    h.intervalLog.setLogging(true);
    EXPECT_TRUE(h.intervalLog.logging());
}

} // namespace
} // namespace cdx
