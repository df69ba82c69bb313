#pragma once

#include <array>

#include <QCheckBox>
#include <QRadioButton>
#include <QWidget>

#include "presentation/SensorNames.h"

namespace cdx {

struct Settings;

// The "Tooltip" page of the Visual tab: which readings the tray tooltip
// names (each box captioned with the user's name) and whether every icon or
// only the program's icon carries it. Takes effect at the next redraw.
class TooltipPanel : public QWidget {
    Q_OBJECT
public:
    // The settings must outlive the panel.
    explicit TooltipPanel(Settings& settings, QWidget* parent = nullptr);

    QCheckBox& box(NamedItem item) { return *m_boxes[static_cast<std::size_t>(item)]; }
    QRadioButton& onAllIcons() { return *m_onAll; }
    QRadioButton& onlyOnProgramIcon() { return *m_onlyProgram; }

    void load();
    // Registers the boxes' captions with the names.
    void attachNames(SensorNames& names);

private:
    bool& tooltip(NamedItem item);

    Settings& m_settings;
    std::array<QCheckBox*, 7> m_boxes{};
    QRadioButton* m_onAll = nullptr;
    QRadioButton* m_onlyProgram = nullptr;
};

} // namespace cdx
