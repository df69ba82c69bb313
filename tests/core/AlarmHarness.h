#pragma once

#include <fstream>
#include <string>
#include <vector>

#include "LogTestFiles.h"
#include "alarms/AlarmActions.h"
#include "alarms/AlarmEvaluator.h"
#include "alarms/AlarmSound.h"
#include "alarms/AlarmTexts.h"
#include "alarms/WarningDialogControl.h"
#include "alarms/testing/FakeAlarmWindow.h"
#include "alarms/testing/FakeWarningPrompt.h"
#include "platform/RegionalFormats.h"
#include "platform/Shell.h"
#include "platform/Timer.h"
#include "platform/WavePlayer.h"
#include "platform/fake/FakeSensorDriver.h"
#include "settings/Settings.h"

namespace cdx::test {

using Journal = std::vector<std::string>;

// The platform services an alarm reaches, each writing what it is asked into
// one shared journal, so that a test sees the order across all of them.
class JournalShell : public Shell {
public:
    explicit JournalShell(Journal& journal) : m_journal(journal) {}
    bool execute(const std::string& file, const std::vector<std::string>& arguments, const std::string&,
                 ShowCommand) override
    {
        m_journal.push_back("run " + file + (arguments.empty() ? "" : " with arguments"));
        return true;
    }

private:
    Journal& m_journal;
};

class JournalWavePlayer : public WavePlayer {
public:
    explicit JournalWavePlayer(Journal& journal) : m_journal(journal) {}
    void play(const std::string& file, bool loop) override
    {
        m_journal.push_back("wave " + file + (loop ? " looping" : ""));
        playing = file;
    }
    void stop() override
    {
        m_journal.push_back("wave stop");
        playing.clear();
    }
    std::string playing;

private:
    Journal& m_journal;
};

class JournalDriver : public FakeSensorDriver {
public:
    explicit JournalDriver(Journal& journal) : m_journal(journal) {}
    void StartPCSpeaker(std::uint16_t divisor) override
    {
        m_journal.push_back("speaker on " + std::to_string(divisor));
        FakeSensorDriver::StartPCSpeaker(divisor);
    }
    void StopPCSpeaker() override
    {
        m_journal.push_back("speaker off");
        FakeSensorDriver::StopPCSpeaker();
    }

private:
    Journal& m_journal;
};

// A timer that never ticks and journals being switched on and off.
class JournalTimer : public Timer {
public:
    JournalTimer(Journal& journal, std::string name) : m_journal(journal), m_name(std::move(name)) {}
    void setInterval(int milliseconds) override { m_interval = milliseconds; }
    int interval() const override { return m_interval; }
    void setEnabled(bool enabled) override
    {
        m_enabled = enabled;
        m_journal.push_back(m_name + (enabled ? " on" : " off"));
    }
    bool enabled() const override { return m_enabled; }
    void setOnTick(std::function<void()>) override {}

private:
    Journal& m_journal;
    std::string m_name;
    int m_interval = 500;
    bool m_enabled = false;
};

// The evaluator and the actions over journaling fakes. Timer1 starts enabled
// (polling active), the dialog answers "OK & Disable Alarm" at once.
struct AlarmHarness {
    AlarmHarness()
    {
        window.journal = &journal;
        dialog.journal = &journal;
        pollTimer.setEnabled(true);
        journal.clear();
    }

    // A file that exists, for the run and wave paths.
    std::string existingFile(const std::string& name)
    {
        const std::string path = folder.file(name);
        std::ofstream(path) << "x";
        return path;
    }

    Journal journal;
    // Called with each warning-log line, after the journal.
    std::function<void(const std::string&)> onLog;
    TempFolder folder;
    Settings settings;
    RegionalFormats formats;
    JournalShell shell{journal};
    JournalWavePlayer player{journal};
    JournalDriver driver{journal};
    JournalTimer pollTimer{journal, "pollTimer"};
    JournalTimer toneTimer{journal, "toneTimer"};
    FakeAlarmWindow window;
    AlarmSound sound{settings, player, driver};
    WarningDialogControl control{
        {settings, pollTimer, toneTimer, sound, [this] { journal.push_back("tray redrawn"); }, {}}};
    FakeWarningPrompt dialog{control};
    AlarmTexts texts{settings, formats};
    AlarmActions actions{{settings, window, shell, sound, toneTimer, dialog, control, [this](const std::string& line) {
                              journal.push_back("log " + line);
                              if (onLog) {
                                  onLog(line);
                              }
                          }}};
    AlarmEvaluator evaluator{settings, texts, actions};
};

} // namespace cdx::test
