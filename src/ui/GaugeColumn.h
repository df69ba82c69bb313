#pragma once

#include <array>
#include <string>

#include <QLabel>
#include <QWidget>

#include "presentation/GaugeStack.h"
#include "sensors/SensorSet.h"
#include "ui/VUMeter.h"

namespace cdx {

class GaugeModel;
class GaugeSet;

// The window's gauge column: four panels of 86 × 62, one per temperature
// (WB1, LM75, WB2, WB3), each with its gauge and the user's name centred below.
// Hidden panels take no room: the visible ones are stacked from the top.
class GaugeColumn : public QWidget {
    Q_OBJECT
public:
    static constexpr int PanelWidth = 86;
    static constexpr int PanelHeight = 62;

    // The models must outlive the column. Gives the models the look of the
    // window's gauges.
    GaugeColumn(GaugeSet& gauges, QWidget* parent = nullptr);

    VUMeter& meter(TemperatureSensor sensor) { return *m_meters[at(sensor)]; }
    QWidget& panel(TemperatureSensor sensor) { return *m_panels[at(sensor)]; }
    QLabel& caption(TemperatureSensor sensor) { return *m_captions[at(sensor)]; }

    // The caption below the gauge.
    void setName(TemperatureSensor sensor, const std::string& name);

    // Shows the visible panels at their stacked positions and hides the
    // others; returns the stacking with the compact window's height.
    GaugeStack restack(const std::array<bool, 4>& visible);

    // The look the window gives its gauges: position 1, the given scale, no
    // hint, centre label "00" at (4, 4) in Arial 8 pt black, button-face
    // background.
    static void applyWindowLook(GaugeModel& model, float scale);

private:
    static std::size_t at(TemperatureSensor sensor) { return static_cast<std::size_t>(sensor); }

    std::array<QWidget*, 4> m_panels{};
    std::array<VUMeter*, 4> m_meters{};
    std::array<QLabel*, 4> m_captions{};
};

} // namespace cdx
