#pragma once

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "AlarmHarness.h"
#include "alarms/AlarmListener.h"
#include "monitor/PollCycle.h"
#include "monitor/PollListener.h"
#include "platform/fake/FakeSensorDriver.h"
#include "presentation/GaugeSet.h"
#include "settings/Settings.h"

namespace cdx {

// Records the alarms the evaluator finds due after each poll, in order.
class RecordingAlarms : public AlarmListener {
public:
    void alarmDue(Alarm alarm, double value) override
    {
        switch (kindOf(alarm)) {
        case AlarmKind::Temperature:
            calls.push_back("temp " + std::to_string(static_cast<int>(sensorOf(alarm)) + 1));
            break;
        case AlarmKind::Voltage:
            calls.push_back("volt " + std::to_string(value).substr(0, 5));
            break;
        case AlarmKind::Fan:
            calls.push_back("fan " + std::to_string(static_cast<int>(alarm) - static_cast<int>(Alarm::Fan1) + 1) + " " +
                            std::to_string(static_cast<int>(value)));
            break;
        }
    }

    std::vector<std::string> calls;

private:
    static TemperatureSensor sensorOf(Alarm alarm)
    {
        for (TemperatureSensor sensor :
             {TemperatureSensor::WB1, TemperatureSensor::LM75, TemperatureSensor::WB2, TemperatureSensor::WB3}) {
            if (alarmOf(sensor) == alarm) {
                return sensor;
            }
        }
        return TemperatureSensor::WB1;
    }
};

class RecordingListener : public PollListener {
public:
    void createIcon() override { ++icons; }
    bool cpuIdleLaunched() const override { return launched; }
    void checkCpuIdleLaunch() override { ++launchChecks; }
    void checkCpuIdleClose() override { ++closeChecks; }

    int icons = 0;
    bool launched = false;
    int launchChecks = 0;
    int closeChecks = 0;
};

// A poll over a scripted driver with every collaborator recorded, and the
// alarm evaluation behind it (its dialogs answer "OK & Disable Alarm").
// Polling is active while the alarms' poll timer runs.
struct PollHarness {
    PollHarness()
    {
        poll.addReadingsListener(evaluator);
        evaluator.addAlarmListener(alarms);
        for (auto& g : gauges) {
            g.setScale(80.0F);
        }
        gauges[0].setScale(60.0F);
        // The fake's default fans run at 2500 and 2250 RPM: in band.
        settings.fan(Fan::Fan1).nominalRpm = 2500.0;
        settings.fan(Fan::Fan2).nominalRpm = 2250.0;
        poll.setChipPresent(true);
        poll.setFanDivisors(2, 2);
    }

    test::AlarmHarness alarm;
    FakeSensorDriver driver;
    Settings& settings = alarm.settings;
    GaugeSet gauges;
    UpDownStatistics statistics;
    ReadingsPanel panel;
    RecordingAlarms alarms;
    RecordingListener listener;
    AlarmEvaluator evaluator{settings, alarm.texts, alarm.actions, [this] { return active(); }};
    PollCycle poll{
        PollCycle::Parts{driver, settings, gauges, statistics, panel, listener, [this] { return active(); }}};

    bool active() const { return alarm.pollTimer.enabled(); }
    void setActive(bool on) { alarm.pollTimer.setEnabled(on); }
};

} // namespace cdx
