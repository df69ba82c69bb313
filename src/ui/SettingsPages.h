#pragma once

#include <array>
#include <memory>
#include <string>

#include <QObject>

#include "sensors/SensorSet.h"
#include "settings/SettingsEditor.h"
#include "ui/PageServices.h"

namespace cdx {

class CompensationPage;
class FansPage;
class GaugeScales;
class GeneralPage;
class PageControl;
class TemperaturesPage;
class VoltagesPage;

// Builds the settings pages and puts each behind its tab of the window's page
// control, which owns them from then on.
class SettingsPages : public QObject {
    Q_OBJECT
public:
    // gauges: WB1, LM75, WB2, WB3, whose scales the Temperatures tab edits.
    SettingsPages(PageControl& pages, GaugeScales& gauges, PageServices services);
    ~SettingsPages() override;

    SettingsEditor& editor() { return m_editor; }
    GeneralPage& general() { return *m_general; }
    TemperaturesPage& temperatures() { return *m_temperatures; }
    VoltagesPage& voltages() { return *m_voltages; }
    FansPage& fans() { return *m_fans; }
    CompensationPage& compensation() { return *m_compensation; }

    // Every control shows what the settings hold.
    void load();
    // Every label restates its setting (the unit, rounding or degree text
    // may have changed).
    void refreshLabels();
    // The sensor switches changed elsewhere (start-up).
    void refreshSwitches();
    // Show & Expand: each tab's list goes back to its first entry.
    void resetSelectors();
    // The user's names reach every caption of these tabs that carries them.
    void setSensorName(TemperatureSensor sensor, const std::string& name);
    void setFanName(Fan fan, const std::string& name);

private:
    PageServices m_services;
    SettingsEditor m_editor;
    GeneralPage* m_general = nullptr;
    TemperaturesPage* m_temperatures = nullptr;
    VoltagesPage* m_voltages = nullptr;
    FansPage* m_fans = nullptr;
    CompensationPage* m_compensation = nullptr;
};

} // namespace cdx
