#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "TemporaryDirectory.h"
#include "platform/linux/DriverLoader.h"

using namespace cdx;
namespace fs = std::filesystem;

namespace {

fs::path libraryDirectory()
{
    return fs::read_symlink("/proc/self/exe").parent_path() / ".." / "lib" / "caldrix";
}

// A private copy of the simulated driver, so that each test loads it afresh
// and it reads CALDRIX_SIM_SCENARIO anew.
class SimulatedDriverCopy {
public:
    SimulatedDriverCopy() { fs::copy_file(libraryDirectory() / DriverLoader::SimulatedDriverFile, library()); }
    ~SimulatedDriverCopy() { ::unsetenv("CALDRIX_SIM_SCENARIO"); }

    std::string library() const { return m_dir.file("libsim-copy.so"); }

    void useScenario(const std::string& text)
    {
        test::writeWholeFile(m_dir.file("test.scn"), text);
        ::setenv("CALDRIX_SIM_SCENARIO", m_dir.file("test.scn").c_str(), 1);
    }

private:
    test::TemporaryDirectory m_dir;
};

} // namespace

TEST(DriverBinding, SimulatedDriverReadsWithinTheContracts)
{
    const DriverLoader loader(libraryDirectory().string());
    auto binding = loader.bindDriver(std::string("sim"));
    ASSERT_TRUE(binding) << binding.error;
    EXPECT_NE(binding.notice.find("simulated"), std::string::npos);
    EXPECT_TRUE(binding.userNotice.empty()); // asked for: nobody is misled
    EXPECT_NE(binding.description().find("the simulated driver"), std::string::npos) << binding.description();
    EXPECT_FALSE(binding.version.empty());
    SensorDriver& d = *binding.driver;
    EXPECT_TRUE(d.CheckLM78());
    EXPECT_EQ(d.availableReadings(), AllReadings); // a driver that does not say serves every reading
    EXPECT_EQ(d.GetChipID(), 16);
    EXPECT_GT(d.GetLM75TempAsusTX(), 10);
    for (int i = 0; i < 3; ++i) {
        EXPECT_NE(d.GetLM78Fan1(), 255);
        EXPECT_NEAR(d.GetLM78Pos12v(), 12.0, 0.5);
        EXPECT_NEAR(d.GetLM78Neg5v(), -5.0, 0.25);
        EXPECT_NEAR(d.GetLM78Pos33v(), 3.3, 0.15);
    }
    EXPECT_GT(d.GetFanDivide1(), 0);
    d.StartPCSpeaker(1193);
    d.StopPCSpeaker();
}

TEST(DriverBinding, ScenarioScriptsTheNamedExportsAndAMalformedOneStopsTheStart)
{
    const DriverLoader loader(libraryDirectory().string());
    {
        SimulatedDriverCopy copy;
        copy.useScenario("# a fan stops\nGetLM78Fan2 135 255\nCheckLM78 0\nGetChipID 45\n");
        auto binding = loader.bindDriver(copy.library());
        ASSERT_TRUE(binding) << binding.error;
        SensorDriver& d = *binding.driver;
        EXPECT_FALSE(d.CheckLM78());
        EXPECT_EQ(d.GetChipID(), 45);
        EXPECT_EQ(d.GetLM78Fan2(), 135);
        EXPECT_EQ(d.GetLM78Fan2(), 255);
        EXPECT_EQ(d.GetLM78Fan2(), 255);
        EXPECT_NEAR(d.GetLM78Pos5v(), 5.0, 0.25); // not named: simulated
    }
    SimulatedDriverCopy copy;
    copy.useScenario("GetLM78Temp 40\nGetLM78Temp2 1\n");
    auto binding = loader.bindDriver(copy.library());
    EXPECT_FALSE(binding);
    EXPECT_NE(binding.error.find("line 2"), std::string::npos) << binding.error;
    EXPECT_NE(binding.error.find("test.scn"), std::string::npos) << binding.error;
}

TEST(DriverBinding, MissingLibraryOrExportIsNamed)
{
    const DriverLoader loader(libraryDirectory().string());
    auto incomplete = loader.bindDriver((libraryDirectory() / "libcaldrix_test_incomplete.so").string());
    EXPECT_FALSE(incomplete);
    EXPECT_NE(incomplete.error.find("lacks the export GetChipID"), std::string::npos) << incomplete.error;

    auto missing = loader.bindDriver(std::string("/nonexistent/libdriver.so"));
    EXPECT_FALSE(missing);
    EXPECT_NE(missing.error.find("/nonexistent/libdriver.so"), std::string::npos);

    auto wrongWord = loader.bindDriver(std::string("simulated"));
    EXPECT_FALSE(wrongWord);
    EXPECT_NE(wrongWord.error.find("CALDRIX_DRIVER"), std::string::npos);

    const DriverLoader empty("/nonexistent");
    auto info = empty.bindSystemInfo();
    EXPECT_FALSE(info);
    EXPECT_NE(info.error.find("libcaldrix_sysinfo.so"), std::string::npos);
    // A driver library is not a system information library.
    auto notInfo = loader.bindSystemInfoLibrary((libraryDirectory() / DriverLoader::SimulatedDriverFile).string());
    EXPECT_FALSE(notInfo);
    EXPECT_NE(notInfo.error.find("lacks the export ClockRate"), std::string::npos) << notInfo.error;
}

TEST(DriverBinding, WithoutChoiceADriverAndTheSystemInformationAreBound)
{
    const DriverLoader loader(libraryDirectory().string());
    auto driver = loader.bindDriver(std::nullopt);
    ASSERT_TRUE(driver) << driver.error;
    EXPECT_NE(driver.notice.find("driver"), std::string::npos);

    auto binding = loader.bindSystemInfo();
    ASSERT_TRUE(binding) << binding.error;
    SystemInfo& info = *binding.systemInfo;
    EXPECT_GE(info.MemoryUse(), 0);
    EXPECT_LE(info.MemoryUse(), 100);
    EXPECT_GE(info.ClockRate(), 0);
    EXPECT_FALSE(info.GetCurrentUserName().empty());
    EXPECT_LE(info.GetCurrentUserName().size(), 255u);
}
