#include <gtest/gtest.h>

#include "LogHarness.h"

namespace cdx {
namespace {

using test::readFile;

const std::string WarnHtmHeader = "<html>\r\n<body bgcolor=\"#FFFFFF\">\r\n<table border=\"1\"> \r\n";
const std::string Frame = "+--------+--------+------------------------------------------------------+\r\n";

class WarningLogTest : public ::testing::Test {
protected:
    test::LogHarness h;
};

TEST_F(WarningLogTest, InitialContentAndTwoEntries)
{
    EXPECT_EQ(readFile(h.paths.warningTxt), "");
    EXPECT_EQ(readFile(h.paths.warningHtm), WarnHtmHeader);

    h.warningLog.writeErrorLog("WARNING: CPU LM75 has reached: 50°C / 122°F");
    h.warningLog.writeErrorLog("CPU Idle was launched by CDX.");
    const std::string line1 = "|12/06/26|14:30:15|WARNING: CPU LM75 has reached: 50°C / 122°F           |\r\n";
    const std::string line2 = "|12/06/26|14:30:15|CPU Idle was launched by CDX.                         |\r\n";
    EXPECT_EQ(readFile(h.paths.warningTxt), Frame + line1 + Frame + Frame + line2 + Frame);
    EXPECT_EQ(readFile(h.paths.warningHtm),
              WarnHtmHeader +
                  "<tr><td>12/06/26</td><td>14:30:15</td><td>WARNING: CPU LM75 has reached: 50&#176;C / "
                  "122&#176;F</td>"
                  "<tr><td>12/06/26</td><td>14:30:15</td><td>CPU Idle was launched by CDX.</td>\x1a</tr></table>\r\n");
}

TEST_F(WarningLogTest, LongMessageWidensItsRow)
{
    const std::string message(60, 'm');
    h.options.warnUpDownHtml = false;
    h.warningLog.writeErrorLog(message);
    EXPECT_EQ(readFile(h.paths.warningTxt), Frame + "|12/06/26|14:30:15|" + message + "|\r\n" + Frame);
    EXPECT_EQ(readFile(h.paths.warningHtm), WarnHtmHeader);
}

TEST_F(WarningLogTest, MissingTextFileIsReportedOnceAndTheHtmlStillWritten)
{
    std::filesystem::remove(h.paths.warningTxt);
    h.warningLog.writeErrorLog("x");
    ASSERT_EQ(h.messages.errors().size(), 1u);
    EXPECT_NE(h.messages.errors()[0].find("cdxwarnlog.txt"), std::string::npos);
    EXPECT_NE(readFile(h.paths.warningHtm).find("<td>x</td>"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(h.paths.warningTxt));
}

UpDownReport sampleReport()
{
    UpDownReport report;
    report.startTime = "9:05:01";
    report.pollCount = 1234;
    report.cpuSpeedMhz = 451;
    const char* names[] = {"Motherboard",  "CPU LM75",   "WB Sensor 2", "WB Sensor 3", "Core Voltage",
                           "+3.3 Voltage", "+5 Voltage", "-5 Voltage",  "+12 Voltage", "-12 Voltage",
                           "Fan 1",        "Fan 2",      "Fan 3"};
    for (std::size_t i = 0; i < UpDownReport::RowCount; ++i) {
        report.rows[i] = {names[i], "0", "0", "0"};
    }
    report.rows[0] = {"Motherboard", "30", "41", "40.67"};
    report.rows[9] = {"-12 Voltage", "-12.27", "-11.90", "-12.01"};
    return report;
}

TEST(UpDownLogTest, TextAndHtmlReportsAppendWhole)
{
    test::LogHarness h;
    EXPECT_EQ(readFile(h.paths.upDownTxt), "");
    EXPECT_EQ(readFile(h.paths.upDownHtm), "<html>\r\n<body bgcolor=\"#FFFFFF\">\r\n");

    h.upDownLog.writeUpDownLog(sampleReport());
    h.upDownLog.writeUpDownLog(sampleReport());
    const std::string rule = "+----------------+-----------+-----------+-----------+\r\n";
    std::string txt = "+----------------------------------------------------+\r\n"
                      "|Up and Down Log: 12/06/26                           |\r\n"
                      "| 9:05:01 till 14:30:15, number of polls: 1234       |\r\n"
                      "|CPU Speed: 451 MHz                                  |\r\n" +
                      rule + "|                |  Lowest   |  Highest  |  Average  |\r\n" + rule +
                      "|Motherboard     |30         |41         |40.67      |\r\n"
                      "|CPU LM75        |0          |0          |0          |\r\n"
                      "|WB Sensor 2     |0          |0          |0          |\r\n"
                      "|WB Sensor 3     |0          |0          |0          |\r\n"
                      "|Core Voltage    |0          |0          |0          |\r\n"
                      "|+3.3 Voltage    |0          |0          |0          |\r\n"
                      "|+5 Voltage      |0          |0          |0          |\r\n"
                      "|-5 Voltage      |0          |0          |0          |\r\n"
                      "|+12 Voltage     |0          |0          |0          |\r\n"
                      "|-12 Voltage     |-12.27     |-11.90     |-12.01     |\r\n"
                      "|Fan 1           |0          |0          |0          |\r\n"
                      "|Fan 2           |0          |0          |0          |\r\n"
                      "|Fan 3           |0          |0          |0          |\r\n" +
                      rule + "\r\n\r\n";
    EXPECT_EQ(readFile(h.paths.upDownTxt), txt + txt);

    const std::string htm = "<table border=\"1\"><tr><td>Up And Down Log: 12/06/26</td></tr>\r\n"
                            "<tr><td>9:05:01 till 14:30:15, number of polls: 1234</td></tr>\r\n"
                            "<tr><td>CPU Speed: 451 MHz</td></tr>\r\n"
                            "<tr><td></td><td>Lowest</td><td>Highest</td><td>Average</td></tr>\r\n"
                            "<tr><td>Motherboard</td><td>30</td><td>41</td><td>40.67</td></tr>\r\n";
    const std::string content = readFile(h.paths.upDownHtm);
    EXPECT_EQ(content.substr(0, 34 + htm.size()), "<html>\r\n<body bgcolor=\"#FFFFFF\">\r\n" + htm);
    EXPECT_NE(content.find("<tr><td>-12 Voltage</td><td>-12.27</td><td>-11.90</td><td>-12.01</td></tr>\r\n"),
              std::string::npos);
    EXPECT_TRUE(content.ends_with("<tr><td>Fan 3</td><td>0</td><td>0</td><td>0</td></tr></table><br>\r\n"));
    EXPECT_EQ(content.find("</table><br>\r\n<table border=\"1\">") + 14, content.find(htm, 40));
}

TEST(UpDownLogTest, NoFormatWritesNothingAndLockedTextStillLeavesTheHtml)
{
    test::LogHarness h;
    h.options.warnUpDownTxt = false;
    h.options.warnUpDownHtml = false;
    h.upDownLog.writeUpDownLog(sampleReport());
    EXPECT_EQ(readFile(h.paths.upDownTxt), "");

    h.options.warnUpDownTxt = true;
    h.options.warnUpDownHtml = true;
    h.locks.lock(h.paths.upDownTxt);
    h.upDownLog.writeUpDownLog(sampleReport());
    ASSERT_EQ(h.messages.errors().size(), 1u);
    EXPECT_NE(h.messages.errors()[0].find("updown.txt"), std::string::npos);
    EXPECT_EQ(readFile(h.paths.upDownTxt), "");
    EXPECT_NE(readFile(h.paths.upDownHtm).find("<td>Motherboard</td><td>30</td>"), std::string::npos);
}

} // namespace
} // namespace cdx
