#include "ui/ReadingsGroups.h"

#include <QPalette>

#include "sensors/VoltageCaption.h"
#include "settings/Settings.h"

namespace cdx {

namespace {

struct RailRow {
    VoltageRail rail;
    const char* boxName;
    const char* labelName;
};

// The group lists the rails in this order.
constexpr std::array<RailRow, 6> kRailRows{{
    {VoltageRail::Core, "VMCoreVoltageCheckBox", "Label10"},
    {VoltageRail::Pos33, "VMP33VoltageCheckBox", "Label9"},
    {VoltageRail::Pos5, "VMP5VoltageCheckBox", "Label5"},
    {VoltageRail::Neg5, "VMN5VoltageCheckBox", "Label6"},
    {VoltageRail::Pos12, "VMP12VoltageCheckBox", "Label7"},
    {VoltageRail::Neg12, "VMN12VoltageCheckBox", "Label8"},
}};

constexpr int kRowTop = 18;
constexpr int kRowPitch = 24;
constexpr int kLabelLeft = 104;
constexpr int kRpmGap = 10;

} // namespace

ReadingsGroups::ReadingsGroups(Settings& settings, const ReadingsPanel& readings, QWidget* parent)
    : QWidget(parent), m_settings(settings), m_readings(readings)
{
    setObjectName("ReadingsGroups");
    m_voltageGroup = new QGroupBox("Voltage Monitor", this);
    m_voltageGroup->setGeometry(0, 0, Width, 169);
    for (std::size_t row = 0; row < kRailRows.size(); ++row) {
        const RailRow& r = kRailRows[row];
        const int y = kRowTop + static_cast<int>(row) * kRowPitch;
        auto* box = new QCheckBox(QString::fromStdString(voltageCaption(r.rail, settings.plus33VoltageNominal)),
                                  m_voltageGroup);
        box->setObjectName(r.boxName);
        box->setGeometry(8, y, kLabelLeft - 8, 17);
        auto* label = new QLabel(m_voltageGroup);
        label->setObjectName(r.labelName);
        label->setGeometry(kLabelLeft, y, Width - kLabelLeft - 4, 17);
        const VoltageRail rail = r.rail;
        connect(box, &QCheckBox::toggled, this, [this, rail](bool on) { watched(rail) = on; });
        m_voltageBoxes[at(rail)] = box;
        m_voltageLabels[at(rail)] = label;
    }

    m_fanGroup = new QGroupBox("Fan Speed /RPM", this);
    m_fanGroup->setGeometry(0, 178, Width, 102);
    for (std::size_t i = 0; i < m_fanNames.size(); ++i) {
        const int y = 22 + static_cast<int>(i) * kRowPitch;
        const std::string n = std::to_string(i + 1);
        auto* name = new QLabel(m_fanGroup);
        name->setObjectName(QString::fromStdString("FMFan" + n + "NameLabel"));
        name->move(8, y);
        auto* rpm = new QLabel(m_fanGroup);
        rpm->setObjectName(QString::fromStdString("FMFan" + n + "RPMLabel"));
        m_fanNames[i] = name;
        m_fanRpms[i] = rpm;
    }
    applySettings();
    setFixedSize(Width, 280);
}

void ReadingsGroups::applySettings(const std::string& decimalSeparator)
{
    setFanName(Fan::Fan1, m_settings.fan(Fan::Fan1).name);
    setFanName(Fan::Fan2, m_settings.fan(Fan::Fan2).name);
    setFanName(Fan::Fan3, m_settings.fan(Fan::Fan3).name);
    loadVoltageBoxes();
    refreshPlus33Caption(decimalSeparator);
    refreshAll();
}

bool& ReadingsGroups::watched(VoltageRail rail)
{
    return m_settings.watched(rail);
}

void ReadingsGroups::loadVoltageBoxes()
{
    for (const RailRow& r : kRailRows) {
        m_voltageBoxes[at(r.rail)]->setChecked(watched(r.rail));
    }
}

void ReadingsGroups::refresh(ReadingsPanel::Item item, int index)
{
    switch (item) {
    case ReadingsPanel::Item::Voltage: {
        const auto rail = static_cast<VoltageRail>(index);
        QLabel* label = m_voltageLabels[at(rail)];
        label->setText(QString::fromStdString(m_readings.voltageText(rail)));
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, m_readings.voltageRed(rail) ? Qt::red : Qt::black);
        label->setPalette(palette);
        break;
    }
    case ReadingsPanel::Item::Fan: {
        const auto fan = static_cast<Fan>(index);
        QLabel* rpm = m_fanRpms[at(fan)];
        rpm->setText(QString::fromStdString(m_readings.fanText(fan)));
        rpm->adjustSize();
        break;
    }
    case ReadingsPanel::Item::FanAlarmEditable:
    case ReadingsPanel::Item::Polls:
        break;
    }
}

void ReadingsGroups::refreshAll()
{
    for (int i = 0; i < 6; ++i) {
        refresh(ReadingsPanel::Item::Voltage, i);
    }
    for (int i = 0; i < 3; ++i) {
        refresh(ReadingsPanel::Item::Fan, i);
    }
}

void ReadingsGroups::setFanName(Fan fan, const std::string& name)
{
    QLabel* label = m_fanNames[at(fan)];
    label->setText(QString::fromStdString(name));
    label->adjustSize();
    QLabel* rpm = m_fanRpms[at(fan)];
    rpm->move(label->geometry().right() + 1 + kRpmGap, label->y());
    rpm->adjustSize();
}

void ReadingsGroups::refreshPlus33Caption(const std::string& decimalSeparator)
{
    m_voltageBoxes[at(VoltageRail::Pos33)]->setText(
        QString::fromStdString(voltageCaption(VoltageRail::Pos33, m_settings.plus33VoltageNominal, decimalSeparator)));
}

} // namespace cdx
