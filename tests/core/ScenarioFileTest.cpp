#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "sensors/ScenarioError.h"
#include "sensors/ScenarioFile.h"

using namespace cdx;

namespace {

std::string errorOf(std::string_view text)
{
    try {
        ScenarioFile::parse(text, "alarms.scn");
    } catch (const ScenarioError& e) {
        return e.what();
    }
    return "";
}

} // namespace

TEST(ScenarioFile, ValuesRunInOrderAndTheLastRepeats)
{
    auto script = ScenarioFile::parse("# an overheating board\n"
                                      "\n"
                                      "GetLM78Temp 40 45 +50\r\n"
                                      "   # indented comment\n"
                                      "CheckLM78 0\n"
                                      "GetWinBondSensor2\t44.5 -1e1\n"
                                      "GetFanDivide1 0",
                                      "alarms.scn");
    EXPECT_EQ(script.size(), 4u);
    EXPECT_EQ(script.next("GetLM78Temp"), 40.0);
    EXPECT_EQ(script.next("GetLM78Temp"), 45.0);
    EXPECT_EQ(script.next("GetLM78Temp"), 50.0);
    EXPECT_EQ(script.next("GetLM78Temp"), 50.0);
    EXPECT_EQ(script.next("CheckLM78"), 0.0);
    EXPECT_EQ(script.values("GetWinBondSensor2"), (std::vector<double>{44.5, -10.0}));
    EXPECT_EQ(script.next("GetFanDivide1"), 0.0);
    EXPECT_FALSE(script.next("GetLM78Fan1").has_value());
}

TEST(ScenarioFile, FaultsNameFileAndLine)
{
    EXPECT_EQ(errorOf("GetLM78Temp 40\nGetLM78Tmp 45\n"),
              "scenario file alarms.scn, line 2: \"GetLM78Tmp\" is not an export of the sensor driver");
    EXPECT_EQ(errorOf("\n\nGetLM78Temp 40 4.5\n"),
              "scenario file alarms.scn, line 3: \"4.5\" is not a valid value for GetLM78Temp (a whole number in "
              "32 bits)");
    EXPECT_NE(errorOf("CheckLM78 2").find("line 1: \"2\" is not a valid value for CheckLM78 (0 or 1)"),
              std::string::npos);
    EXPECT_NE(errorOf("GetLM78Fan1 2147483648").find("line 1"), std::string::npos);
    EXPECT_NE(errorOf("GetLM78Pos5v 5,0").find("\"5,0\""), std::string::npos);
    EXPECT_NE(errorOf("GetLM78Pos5v nan").find("\"nan\""), std::string::npos);
    EXPECT_NE(errorOf("GetLM78Pos5v +-5").find("\"+-5\""), std::string::npos);
    EXPECT_NE(errorOf("GetLM78Pos5v").find("line 1: GetLM78Pos5v has no values"), std::string::npos);
    EXPECT_NE(errorOf("StartPCSpeaker 1").find("cannot be scripted"), std::string::npos);
    EXPECT_NE(errorOf("GetChipID 16\nGetChipID 45").find("line 2: GetChipID is already scripted on line 1"),
              std::string::npos);
}

TEST(ScenarioFile, ReadsFilesAndReportsMissingOnes)
{
    const auto path = std::filesystem::temp_directory_path() / "caldrix-scenario-test.scn";
    {
        std::ofstream out(path);
        out << "GetLM78Fan3 255 150\n";
    }
    auto script = ScenarioFile::read(path.string());
    EXPECT_EQ(script.next("GetLM78Fan3"), 255.0);
    std::filesystem::remove(path);
    try {
        ScenarioFile::read(path.string());
        FAIL() << "a missing file must be refused";
    } catch (const ScenarioError& e) {
        EXPECT_NE(std::string(e.what()).find(path.string()), std::string::npos);
    }
}
