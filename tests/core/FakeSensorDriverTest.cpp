#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/fake/FakeSensorDriver.h"

using namespace cdx;

TEST(FakeSensorDriver, ScriptsRepeatTheLastValueAndCountCalls)
{
    FakeSensorDriver driver;
    driver.script("GetLM78Fan1", {135, 0, 255});
    driver.script("CheckLM78", {0});
    EXPECT_EQ(driver.GetLM78Fan1(), 135);
    EXPECT_EQ(driver.GetLM78Fan1(), 0);
    EXPECT_EQ(driver.GetLM78Fan1(), 255);
    EXPECT_EQ(driver.GetLM78Fan1(), 255);
    EXPECT_EQ(driver.calls("GetLM78Fan1"), 4);
    EXPECT_FALSE(driver.CheckLM78());
    EXPECT_EQ(driver.GetChipID(), 16); // not scripted: default
    driver.StartPCSpeaker(1193);
    EXPECT_TRUE(driver.speakerOn());
    driver.StopPCSpeaker();
    EXPECT_FALSE(driver.speakerOn());
    EXPECT_EQ(driver.speakerStarts(), std::vector<std::uint16_t>{1193});
    EXPECT_THROW(driver.script("GetLM78Fan4", {1}), std::invalid_argument);
    EXPECT_THROW(driver.script("RestartLM78", {1}), std::invalid_argument);
}
