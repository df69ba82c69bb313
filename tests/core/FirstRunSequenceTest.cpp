#include "lifecycle/FirstRunSequence.h"

#include <cmath>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "platform/fake/FakeProgramLocation.h"
#include "platform/fake/FakeRegistry.h"
#include "settings/CoreVoltageSpin.h"
#include "settings/Settings.h"

namespace cdx {
namespace {

// Answers the dialogs from a script and records what each was shown.
class ScriptedDialogs : public FirstRunDialogs {
public:
    void showStartupInfo() override { shown.push_back("Startup Info"); }
    bool askAgreement() override
    {
        shown.push_back("Agreement");
        return agree;
    }
    StartupChoices askStartupSettings(const StartupQuestions& questions) override
    {
        shown.push_back("Startup Settings");
        asked = questions;
        return choices;
    }
    void showFirstTimeInformation(const std::string& text) override
    {
        shown.push_back("1st Time Information");
        chipText = text;
    }

    bool agree = true;
    StartupChoices choices;
    std::vector<std::string> shown;
    std::optional<StartupQuestions> asked;
    std::string chipText;
};

TEST(FirstRunSequenceTest, RefusingTheAgreementChangesNothingAndTheChipTextFollowsItsNumber)
{
    ScriptedDialogs dialogs;
    dialogs.agree = false;
    Settings settings;
    const Settings before = settings;
    EXPECT_EQ(FirstRunSequence::run(dialogs, {}, 16, settings), FirstRunSequence::Outcome::Refused);
    EXPECT_EQ(dialogs.shown, (std::vector<std::string>{"Startup Info", "Agreement"}));
    EXPECT_EQ(settings, before);

    EXPECT_EQ(FirstRunSequence::chipText(16).rfind("Caldrix has detected the Winbond W83781D chip", 0), 0u);
    EXPECT_EQ(FirstRunSequence::chipText(45).rfind("Caldrix has detected the LM78/LM79 chip", 0), 0u);
    for (int other : {0, 15, 17, 44, 46, -1}) {
        EXPECT_EQ(FirstRunSequence::chipText(other).rfind("Caldrix has not detected", 0), 0u) << other;
    }
}

TEST(FirstRunSequenceTest, AgreeingAsksEverythingAndKeepsTheAnswers)
{
    ScriptedDialogs dialogs;
    dialogs.choices = {1.7, true, CpuType::Cyrix};
    Settings settings;
    StartupQuestions questions;
    questions.coreVoltage = 1.7;
    EXPECT_EQ(FirstRunSequence::run(dialogs, questions, 45, settings), FirstRunSequence::Outcome::Agreed);
    EXPECT_EQ(dialogs.shown,
              (std::vector<std::string>{"Startup Info", "Agreement", "Startup Settings", "1st Time Information"}));
    EXPECT_DOUBLE_EQ(dialogs.asked->coreVoltage, 1.7);
    EXPECT_DOUBLE_EQ(settings.coreVoltageNominal, 1.7);
    EXPECT_TRUE(settings.coreVoltagePort1);
    EXPECT_EQ(settings.cpuPreset, CpuPreset::Cyrix);
    EXPECT_EQ(settings.cpuOffset, CyrixCpuOffset);
    EXPECT_FALSE(settings.customCpu);
    EXPECT_NE(dialogs.chipText.find("LM78/LM79"), std::string::npos);

    // Each CPU type brings its offset.
    for (auto [type, preset, offset] : {std::tuple{CpuType::Intel, CpuPreset::Intel, IntelCpuOffset},
                                        std::tuple{CpuType::Amd, CpuPreset::Amd, AmdCpuOffset}}) {
        FirstRunSequence::applyChoices({2.8, false, type}, settings);
        EXPECT_EQ(settings.cpuPreset, preset);
        EXPECT_EQ(settings.cpuOffset, offset);
    }
}

TEST(FirstRunSequenceTest, RefusalLeavesNoKeySoTheNextStartAsksAgain)
{
    FakeRegistry registry;
    FakeProgramLocation location("/opt/caldrix/bin");
    SettingsStore store(registry, location);
    int chipAsked = 0;
    auto chipId = [&] {
        ++chipAsked;
        return 16;
    };

    ScriptedDialogs refusing;
    refusing.agree = false;
    Settings settings;
    auto start = FirstRunSequence::startUp(store, settings, refusing, {}, chipId);
    EXPECT_TRUE(start.firstRun);
    EXPECT_TRUE(start.refused);
    EXPECT_FALSE(registry.hasKey(RootKey::CurrentUser, "Software\\Caldrix"));

    ScriptedDialogs agreeing;
    agreeing.choices = {3.3, false, CpuType::Amd};
    start = FirstRunSequence::startUp(
        store, settings, agreeing, [] { return StartupQuestions{}; }, chipId);
    EXPECT_TRUE(start.firstRun) << "asked again";
    EXPECT_FALSE(start.refused);
    EXPECT_TRUE(registry.hasKey(RootKey::CurrentUser, "Software\\Caldrix"));
    EXPECT_NE(agreeing.chipText.find("Winbond W83781D"), std::string::npos);
    EXPECT_EQ(settings.cpuPreset, CpuPreset::Amd);

    // The answers are saved with the other settings; the next start asks nothing.
    store.writeRegistry(settings, 0, 0);
    ScriptedDialogs later;
    Settings loaded;
    start = FirstRunSequence::startUp(store, loaded, later, {}, chipId);
    EXPECT_FALSE(start.firstRun);
    EXPECT_TRUE(later.shown.empty());
    EXPECT_DOUBLE_EQ(loaded.coreVoltageNominal, 3.3);
    EXPECT_EQ(loaded.cpuOffset, AmdCpuOffset);
    EXPECT_EQ(chipAsked, 2) << "the chip is asked for on first runs only";
}

TEST(FirstRunSequenceTest, QuestionsNotShownLeaveTheirSettingsAlone)
{
    ScriptedDialogs dialogs;
    dialogs.choices = {4.2, true, CpuType::Amd};
    Settings settings;
    StartupQuestions questions;
    questions.chipDetected = false; // no core voltage questions
    questions.askCpuType = false;   // the sensor reports the true temperature
    FirstRunSequence::run(dialogs, questions, 0, settings);
    EXPECT_DOUBLE_EQ(settings.coreVoltageNominal, Settings{}.coreVoltageNominal);
    EXPECT_FALSE(settings.coreVoltagePort1);
    EXPECT_EQ(settings.cpuPreset, CpuPreset::Intel);
    EXPECT_EQ(settings.cpuOffset, Settings{}.cpuOffset);
}

TEST(FirstRunSequenceTest, ACoreVoltageThatMovesWithLoadStartsUnwatched)
{
    ScriptedDialogs dialogs;
    dialogs.choices = {0.8, false, CpuType::Amd};
    StartupQuestions questions;
    questions.coreVoltageFloats = true;
    Settings settings;
    FirstRunSequence::run(dialogs, questions, 45, settings);
    EXPECT_FALSE(settings.watched(VoltageRail::Core));
    EXPECT_TRUE(settings.watched(VoltageRail::Pos12)); // the fixed rails stay watched
    EXPECT_DOUBLE_EQ(settings.coreVoltageNominal, 0.8);

    questions.coreVoltageFloats = false; // a fixed core, or one the chip gives limits
    Settings fixed;
    FirstRunSequence::run(dialogs, questions, 45, fixed);
    EXPECT_EQ(fixed.watched(VoltageRail::Core), Settings{}.watched(VoltageRail::Core));
}

TEST(FirstRunSequenceTest, CoreVoltageStepsStopExactlyAtTheirEnds)
{
    CoreVoltageSpin spin(2.8);
    for (int i = 0; i < 40; ++i) {
        spin.up();
    }
    EXPECT_DOUBLE_EQ(spin.volts(), 5.0) << "twenty-two tenths added up reach 5.0, not 5.1";
    EXPECT_EQ(spin.caption(","), "Core Voltage: 5,0Volt");
    for (int i = 0; i < 60; ++i) {
        spin.down();
    }
    EXPECT_DOUBLE_EQ(spin.volts(), 0.5);
    EXPECT_EQ(spin.caption("."), "Core Voltage: 0.5Volt");

    EXPECT_EQ(FirstRunSequence::portCaption(1, 1.654, ","), "Port 1: 1,65Volt");
    EXPECT_EQ(FirstRunSequence::portCaption(0, std::nullopt, "."), "Port 0: not available");
    EXPECT_EQ(FirstRunSequence::portCaption(0, std::nan(""), "."), "Port 0: not available");
}

} // namespace
} // namespace cdx
