#pragma once

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "monitor/AlarmChecks.h"
#include "monitor/GaugeModel.h"
#include "monitor/PollCycle.h"
#include "monitor/PollListener.h"
#include "platform/fake/FakeSensorDriver.h"
#include "settings/Settings.h"

namespace cdx {

// Records the alarm calls of a poll in order.
class RecordingAlarms : public AlarmChecks {
public:
    void displayTemperatureAlarm(TemperatureSensor sensor) override
    {
        calls.push_back("temp " + std::to_string(static_cast<int>(sensor) + 1));
    }
    void displayVoltageAlarm(const std::string& name, double value) override
    {
        calls.push_back("volt " + name + " " + std::to_string(value).substr(0, 5));
    }
    void displayFanAlarm(Fan fan, int offMark, double value) override
    {
        calls.push_back("fan " + std::to_string(static_cast<int>(fan) + 1) + " " + std::to_string(offMark) + " " +
                        std::to_string(static_cast<int>(value)));
    }
    void clearFanAlarmPending() override { calls.push_back("clear pending"); }
    void setFanAlarmCount(Fan fan, int count) override
    {
        calls.push_back("count " + std::to_string(static_cast<int>(fan) + 1) + "=" + std::to_string(count));
    }
    void resetFanAlarmCounts() override { calls.push_back("reset counts"); }

    std::vector<std::string> calls;
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

// A poll over a scripted driver with every collaborator recorded.
struct PollHarness {
    PollHarness()
    {
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

    FakeSensorDriver driver;
    Settings settings;
    std::array<GaugeModel, 4> gauges{GaugeModel("."), GaugeModel("."), GaugeModel("."), GaugeModel(".")};
    UpDownStatistics statistics;
    ReadingsPanel panel;
    RecordingAlarms alarms;
    RecordingListener listener;
    bool active = true;
    PollCycle poll{PollCycle::Parts{driver,
                                    settings,
                                    {&gauges[0], &gauges[1], &gauges[2], &gauges[3]},
                                    statistics,
                                    panel,
                                    alarms,
                                    listener,
                                    [this] { return active; }}};
};

} // namespace cdx
