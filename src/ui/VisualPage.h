#pragma once

#include <QWidget>

namespace cdx {

class NamesPanel;
class SensorNames;
class SubPageSelector;
class SystemTrayPanel;
class TooltipPanel;
class TrayIcons;
class VisualSettingsPanel;
struct Settings;

// The Visual tab: its selector shows "Visual Settings" (the tray icons'
// look), "Names", "Tooltip" or "System Tray".
class VisualPage : public QWidget {
    Q_OBJECT
public:
    // Everything passed in must outlive the page. The page's captions that
    // show the user's names are registered with `names`.
    VisualPage(Settings& settings, SensorNames& names, TrayIcons& tray, QWidget* parent = nullptr);

    SubPageSelector& selector() { return *m_selector; }
    VisualSettingsPanel& visualSettings() { return *m_visualSettings; }
    NamesPanel& names() { return *m_names; }
    TooltipPanel& tooltip() { return *m_tooltip; }
    SystemTrayPanel& systemTray() { return *m_systemTray; }

    // Shows what the settings hold.
    void load();
    void refreshLabels();

private:
    SubPageSelector* m_selector = nullptr;
    VisualSettingsPanel* m_visualSettings = nullptr;
    NamesPanel* m_names = nullptr;
    TooltipPanel* m_tooltip = nullptr;
    SystemTrayPanel* m_systemTray = nullptr;
};

} // namespace cdx
