#include "ui/SystemTrayPanel.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "presentation/SensorNames.h"
#include "presentation/TraySettings.h"
#include "settings/Settings.h"
#include "ui/SpinArrows.h"
#include "ui/TrayIcons.h"

namespace cdx {

namespace {

struct BoxNames {
    const char* show;
    const char* swap;
    const char* caption;
};

// By TemperatureSensor: WB1, LM75, WB2, WB3.
constexpr std::array<BoxNames, 4> kBoxes{{
    {"CheckBox23", "CheckBox80", "MB"},
    {"CheckBox25", "CheckBox81", "LM75"},
    {"CheckBox66", "CheckBox82", "WB2"},
    {"CheckBox67", "CheckBox83", "WB3"},
}};

QCheckBox* namedBox(const char* objectName, const QString& caption, QWidget* parent)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(objectName);
    box->setAccessibleName(caption);
    return box;
}

} // namespace

SystemTrayPanel::SystemTrayPanel(Settings& settings, TrayIcons& tray, QWidget* parent)
    : QWidget(parent), m_settings(settings), m_tray(tray)
{
    setObjectName("SystemTrayPanel");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(0);

    auto* modes = new QButtonGroup(this);
    auto* boxes = new QGridLayout;
    boxes->setVerticalSpacing(0);
    m_showMode = new QRadioButton("Show temperature in System Tray", this);
    m_showMode->setObjectName("RadioButton18");
    m_swapMode = new QRadioButton("Swap temperature in System Tray", this);
    m_swapMode->setObjectName("RadioButton19");
    for (QRadioButton* radio : {m_showMode, m_swapMode}) {
        radio->setAccessibleName(radio->text());
        modes->addButton(radio);
    }
    connect(m_showMode, &QRadioButton::clicked, this, [this] { m_tray.chooseShowMode(); });
    connect(m_swapMode, &QRadioButton::clicked, this, [this] { m_tray.chooseSwapMode(); });

    layout->addWidget(m_showMode);
    for (TemperatureSensor sensor : TraySettings::Sensors) {
        const BoxNames& names = kBoxes[at(sensor)];
        QCheckBox* show = namedBox(names.show, names.caption, this);
        connect(show, &QCheckBox::clicked, this, [this, sensor](bool on) { m_tray.showBoxClick(sensor, on); });
        boxes->addWidget(show, static_cast<int>(at(sensor)) / 2, static_cast<int>(at(sensor)) % 2);
        m_showBoxes[at(sensor)] = show;
    }
    layout->addLayout(boxes);
    layout->addWidget(m_swapMode);
    auto* swapBoxes = new QGridLayout;
    swapBoxes->setVerticalSpacing(0);
    for (TemperatureSensor sensor : TraySettings::Sensors) {
        const BoxNames& names = kBoxes[at(sensor)];
        QCheckBox* swap = namedBox(names.swap, names.caption, this);
        connect(swap, &QCheckBox::clicked, this, [this, sensor](bool on) { m_tray.swapBoxClick(sensor, on); });
        swapBoxes->addWidget(swap, static_cast<int>(at(sensor)) / 2, static_cast<int>(at(sensor)) % 2);
        m_swapBoxes[at(sensor)] = swap;
    }
    layout->addLayout(swapBoxes);

    auto* interval = new QHBoxLayout;
    m_intervalArrows = new SpinArrows("SwapIntervalSpinButton", "Swap interval", this);
    m_intervalLabel = new QLabel(this);
    m_intervalLabel->setObjectName("SwapIntervalLabel");
    interval->addWidget(m_intervalArrows);
    interval->addWidget(m_intervalLabel, 1);
    layout->addLayout(interval);
    connect(m_intervalArrows, &SpinArrows::upClicked, this, [this] {
        m_tray.swapIntervalUp();
        refreshLabels();
    });
    connect(m_intervalArrows, &SpinArrows::downClicked, this, [this] {
        m_tray.swapIntervalDown();
        refreshLabels();
    });

    m_lines = namedBox("CheckBox21", "Use lines in system tray", this);
    m_degree = namedBox("CheckBox22", "Use degree symbol in system tray", this);
    connect(m_lines, &QCheckBox::clicked, this, [this](bool on) { m_tray.setTrayLines(on); });
    connect(m_degree, &QCheckBox::clicked, this, [this](bool on) { m_tray.setTrayDegreeSymbol(on); });
    layout->addWidget(m_lines);
    layout->addWidget(m_degree);
    layout->addStretch(1);
    load();
}

void SystemTrayPanel::load()
{
    (m_settings.swapIcons ? m_swapMode : m_showMode)->setChecked(m_settings.swapIcons || m_settings.showTempInTray);
    if (!m_settings.swapIcons && !m_settings.showTempInTray) {
        // Neither mode: both radios clear.
        auto* group = m_showMode->group();
        group->setExclusive(false);
        m_showMode->setChecked(false);
        m_swapMode->setChecked(false);
        group->setExclusive(true);
    }
    m_lines->setChecked(m_settings.trayLines);
    m_degree->setChecked(m_settings.trayDegreeSymbol);
    refreshBoxes();
    refreshLabels();
}

void SystemTrayPanel::refreshLabels()
{
    m_intervalLabel->setText(QString::fromStdString(m_tray.swapIntervalCaption()));
}

void SystemTrayPanel::refreshBoxes()
{
    for (TemperatureSensor sensor : TraySettings::Sensors) {
        showBox(sensor).setChecked(TraySettings::showBox(std::as_const(m_settings), sensor));
        // A switched-off sensor's boxes stay locked whatever the mode allows.
        const bool switchedOn = TraySettings::sensorEnabled(m_settings, sensor);
        showBox(sensor).setEnabled(m_tray.showBoxEditable(sensor) && switchedOn);
        swapBox(sensor).setChecked(TraySettings::swapBox(std::as_const(m_settings), sensor));
        swapBox(sensor).setEnabled(m_tray.swapBoxEditable(sensor) && switchedOn);
    }
    m_intervalArrows->setEnabled(m_tray.swapIntervalEditable());
    m_intervalLabel->setEnabled(m_tray.swapIntervalEditable());
}

void SystemTrayPanel::attachNames(SensorNames& names)
{
    for (TemperatureSensor sensor : TraySettings::Sensors) {
        for (auto [place, box] :
             {std::pair{NamePlace::TrayShowBox, &showBox(sensor)}, std::pair{NamePlace::SwapBox, &swapBox(sensor)}}) {
            names.attach(place, namedItem(sensor), [box](const std::string& caption) {
                box->setText(QString::fromStdString(caption));
                box->setAccessibleName(box->text());
            });
        }
    }
}

} // namespace cdx
