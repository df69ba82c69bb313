#include "ui/GaugeColumn.h"

#include <QApplication>
#include <QPalette>

#include "presentation/GaugeSet.h"

namespace cdx {

namespace {

constexpr std::array<const char*, 4> kPanelNames{"Panel15", "Panel16", "Panel3", "Panel9"};
constexpr std::array<const char*, 4> kMeterNames{"VUMeterWB1", "VUMeterLM75", "VUMeterWB2", "VUMeterWB3"};
constexpr std::array<const char*, 4> kDesignCaptions{"Motherboard", "CPU - LM75", "WB Sensor 2", "WB Sensor 3"};

std::uint32_t toBgr(const QColor& colour)
{
    return static_cast<std::uint32_t>(colour.red()) | (static_cast<std::uint32_t>(colour.green()) << 8) |
           (static_cast<std::uint32_t>(colour.blue()) << 16);
}

} // namespace

GaugeColumn::GaugeColumn(GaugeSet& gauges, QWidget* parent) : QWidget(parent)
{
    setObjectName("GaugeColumn");
    for (std::size_t i = 0; i < gauges.size(); ++i) {
        auto* panel = new QWidget(this);
        panel->setObjectName(kPanelNames[i]);
        panel->setGeometry(0, GaugeStack::FirstTop + static_cast<int>(i) * GaugeStack::Pitch, PanelWidth, PanelHeight);
        auto* meter = new VUMeter(gauges[i], panel);
        meter->setObjectName(kMeterNames[i]);
        meter->setGeometry(3, 2, 80, 45);
        auto* caption = new QLabel(QString::fromUtf8(kDesignCaptions[i]), panel);
        caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        caption->setGeometry(0, 48, PanelWidth, PanelHeight - 48);
        m_panels[i] = panel;
        m_meters[i] = meter;
        m_captions[i] = caption;
    }
    setFixedWidth(PanelWidth);
}

void GaugeColumn::setName(TemperatureSensor sensor, const std::string& name)
{
    m_captions[at(sensor)]->setText(QString::fromStdString(name));
}

GaugeStack GaugeColumn::restack(const std::array<bool, 4>& visible)
{
    const GaugeStack stack = GaugeStack::restackGauges(visible);
    for (std::size_t i = 0; i < visible.size(); ++i) {
        if (visible[i]) {
            m_panels[i]->move(0, stack.tops[i]);
        }
        m_panels[i]->setVisible(visible[i]);
    }
    return stack;
}

void GaugeColumn::applyWindowLook(GaugeModel& model, float scale)
{
    model.setScale(scale);
    model.setPosition(1.0F);
    model.setBevelStyle(BevelCut::bvLowered);
    model.setArcStyle(ArcStyle::AsGreenToRed);
    model.setBackground(toBgr(QApplication::palette().color(QPalette::Button)));
    model.setArcWidth(1);
    model.setBevelWidth(1);
    model.setArrowColor(0xFF0000);
    model.setArrowWidth(1);
    model.setShowPosInHint(false);
    model.setCenterLabel("00");
    model.setCenterLabelX(4);
    model.setCenterLabelY(4);
    GaugeFont font;
    font.name = "Arial";
    font.pixelHeight = 11;
    font.colour = 0x000000;
    model.setCenterLabelFont(font);
}

} // namespace cdx
