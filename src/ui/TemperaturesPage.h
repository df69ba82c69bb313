#pragma once

#include <array>
#include <string>

#include <QWidget>

#include "sensors/SensorSet.h"
#include "ui/PageServices.h"

namespace cdx {

class SettingsEditor;
class SubPageSelector;
class TemperaturePanel;

// The "Temperatures" tab: one panel per sensor, chosen by a list whose
// entries carry the user's sensor names.
class TemperaturesPage : public QWidget {
    Q_OBJECT
public:
    TemperaturesPage(SettingsEditor& editor, const PageServices& services, QWidget* parent = nullptr);

    SubPageSelector& selector() { return *m_selector; }
    TemperaturePanel& panel(TemperatureSensor sensor) { return *m_panels[static_cast<std::size_t>(sensor)]; }

    void load();
    void refreshLabels();
    // The sensor's entry and group captions take its new name; the list goes
    // back to its first entry.
    void setSensorName(TemperatureSensor sensor, const std::string& name);

private:
    SubPageSelector* m_selector = nullptr;
    std::array<TemperaturePanel*, 4> m_panels{};
};

} // namespace cdx
