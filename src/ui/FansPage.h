#pragma once

#include <array>
#include <string>

#include <QWidget>

#include "sensors/SensorSet.h"
#include "ui/PageServices.h"

namespace cdx {

class FanPanel;
class SettingSpin;
class SettingsEditor;
class SubPageSelector;

// The "Fan's" tab: "Fan Settings" (how many polls a fan alarm waits) and one
// panel per fan, whose entries carry the user's fan names.
class FansPage : public QWidget {
    Q_OBJECT
public:
    FansPage(SettingsEditor& editor, const PageServices& services, QWidget* parent = nullptr);

    SubPageSelector& selector() { return *m_selector; }
    SettingSpin& ignoreCount() { return *m_ignore; }
    FanPanel& panel(Fan fan) { return *m_panels[static_cast<std::size_t>(fan)]; }

    void load();
    void refreshLabels();
    // The fan's entry and group caption take its new name; the list goes
    // back to its first entry.
    void setFanName(Fan fan, const std::string& name);

private:
    SubPageSelector* m_selector = nullptr;
    SettingSpin* m_ignore = nullptr;
    std::array<FanPanel*, 3> m_panels{};
};

} // namespace cdx
