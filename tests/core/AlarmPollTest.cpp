// A poll over a scripted driver, driven by the window timers on virtual time,
// with the real evaluation, actions, sounds and warning log behind it.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "AlarmHarness.h"
#include "LogHarness.h"
#include "PollHarness.h"
#include "monitor/MonitorTimers.h"
#include "platform/Beeper.h"

namespace cdx {
namespace {

using test::Journal;

class JournalBeeper : public Beeper {
public:
    explicit JournalBeeper(Journal& journal) : m_journal(journal) {}
    void beep(unsigned frequencyHz, unsigned durationMs) override
    {
        m_journal.push_back("beep " + std::to_string(frequencyHz) + " " + std::to_string(durationMs));
    }

private:
    Journal& m_journal;
};

struct AlarmPoll {
    AlarmPoll() : timers(log.timers, beeper)
    {
        settings.warningLogEnabled = true;
        settings.temperature(TemperatureSensor::WB1).alarmTemperature = 50;
        driver.script("GetLM78Core0", {2.8});
        window.journal = &journal;
        dialog.journal = &journal;
        dialog.waitMs = 1500;
        poll.setChipPresent(true);
        poll.setFanDivisors(2, 2);
        poll.addReadingsListener(evaluator);
        for (auto& g : gauges) {
            g.setScale(80.0F);
        }
        MonitorTimers::Handlers handlers;
        handlers.poll = [this] {
            journal.push_back("poll");
            poll.poll();
        };
        handlers.speakerDivisor = [this] { return settings.pcSpeakerDivisor; };
        timers.setHandlers(handlers);
    }

    std::string warningLogText() const { return test::readFile(log.paths.warningTxt); }
    std::size_t dialogs() const { return dialog.texts.size(); }

    test::LogHarness log;
    Journal journal;
    JournalBeeper beeper{journal};
    MonitorTimers timers;
    Settings settings;
    test::JournalDriver driver{journal};
    test::JournalShell shell{journal};
    test::JournalWavePlayer player{journal};
    FakeAlarmWindow window;
    GaugeSet gauges;
    UpDownStatistics statistics;
    ReadingsPanel panel;
    RecordingListener listener;
    AlarmSound sound{settings, player, driver};
    WarningDialogControl control{{settings, timers.pollTimer(), timers.toneTimer(), sound,
                                  [this] { journal.push_back("tray redrawn"); },
                                  [this] { return timers.suspended(); }}};
    FakeWarningPrompt dialog{control, &log.timers};
    AlarmTexts texts{settings, log.formats};
    AlarmActions actions{
        {settings, window, shell, sound, timers.toneTimer(), dialog, control, [this](const std::string& line) {
             journal.push_back("log " + line);
             log.warningLog.writeErrorLog(line);
         }}};
    AlarmEvaluator evaluator{settings, texts, actions, [this] { return timers.pollingActive(); }};
    PollCycle poll{PollCycle::Parts{driver, settings, gauges, statistics, panel, listener,
                                    [this] { return timers.pollingActive(); }}};
};

TEST(AlarmPollTest, CrossingTheThresholdRunsTheAlarmWithTheSpeakerSoundingDuringTheDialog)
{
    AlarmPoll p;
    p.driver.script("GetLM78Temp", {40, 45, 50});
    p.timers.startUp(5000, 5000); // the start-up poll reads 40: no alarm
    p.log.timers.advance(10000);  // 45, then 50 reaches the threshold

    const std::string dialogText = "Your Motherboard has reached the temperature of 50°C / 122°F";
    const std::string logLine = "WARNING: Motherboard has reached: 50°C / 122°F";
    // The small view (112 wide) keeps its stay-on-top style: only the last
    // step re-applies it.
    EXPECT_EQ(p.journal, (Journal{"poll", "poll", "poll", "taskbar button shown", "dialog: " + dialogText,
                                  "beep 2386 500", "beep 2386 500", "beep 2386 500", "tray redrawn", "speaker off",
                                  "wave stop", "dialog closed", "log " + logLine, "speaker off", "stay on top"}));
    EXPECT_NE(p.warningLogText().find(logLine), std::string::npos);
    EXPECT_FALSE(p.settings.temperature(TemperatureSensor::WB1).alarmEnabled);
    EXPECT_TRUE(p.timers.pollingActive());
    EXPECT_FALSE(p.timers.toneTimer().enabled());

    // "OK & Disable Alarm": the reading stays at 50 and nothing fires again.
    p.log.timers.advance(30000);
    EXPECT_EQ(p.dialogs(), 1U);
}

TEST(AlarmPollTest, OkAndEnableBringsTheAlarmBackAtTheNextPoll)
{
    AlarmPoll p;
    p.dialog.answer = FakeWarningPrompt::Answer::EnableAlarm;
    p.driver.script("GetLM78Temp", {50});
    p.timers.startUp(5000, 5000);
    p.log.timers.advance(5000);
    EXPECT_EQ(p.dialogs(), 1U);
    EXPECT_TRUE(p.settings.temperature(TemperatureSensor::WB1).alarmEnabled);
    // The poll timer counts anew from the dialog's close: the next poll comes
    // 5 s after it and fires again.
    EXPECT_EQ(p.log.timers.now(), 6500); // the dialog's wait ran inside the poll
    p.log.timers.advance(4999);
    EXPECT_EQ(p.dialogs(), 1U);
    p.log.timers.advance(1);
    EXPECT_EQ(p.dialogs(), 2U);
}

TEST(AlarmPollTest, FanAlarmFiresOnTheFifthPollOutOfBand)
{
    AlarmPoll p;
    p.dialog.waitMs = 0;
    p.settings.fan(Fan::Fan1).alarmEnabled = true;
    p.settings.fan(Fan::Fan1).nominalRpm = 3000; // the fake's fan 1 runs at 2500
    p.settings.warningLogEnabled = true;
    p.timers.startUp(5000, 5000);
    p.log.timers.advance(20000);
    EXPECT_EQ(p.dialogs(), 0U);
    p.log.timers.advance(5000);
    ASSERT_EQ(p.dialogs(), 1U);
    EXPECT_EQ(p.dialog.texts[0], "Fan Alarm for Fan 1, this Fan is more then 10% off the user defined value of 3000, "
                                 "and has reached the value of: 2500 RPM.");
    EXPECT_NE(p.warningLogText().find("WARNING: Fan 1 has reached: 2500 RPM"), std::string::npos);
}

} // namespace
} // namespace cdx
