#include "ui/GeneralPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include "presentation/SensorSwitches.h"
#include "settings/SensorCaptions.h"
#include "settings/Settings.h"
#include "settings/SettingsEditor.h"
#include "settings/SettingsSchema.h"
#include "ui/PageWidgets.h"
#include "ui/SettingSpin.h"
#include "ui/SubPageSelector.h"

namespace cdx {

namespace {

constexpr std::array<TemperatureSensor, 4> kSensors{TemperatureSensor::WB1, TemperatureSensor::LM75,
                                                    TemperatureSensor::WB2, TemperatureSensor::WB3};

constexpr std::array<const char*, 4> kSwitchNames{"GenTabCheckWB1CheckBox", "GenTabCheckLM75CheckBox",
                                                  "GenTabCheckWB2CheckBox", "GenTabCheckWB3CheckBox"};

// The stored speaker tone, a divisor of the timer clock, with its bounds.
const SettingRow& speakerDivisorRow()
{
    return settingRow(91);
}

} // namespace

GeneralPage::GeneralPage(SettingsEditor& editor, const PageServices& services, QWidget* parent)
    : QWidget(parent), m_editor(editor), m_services(services)
{
    setObjectName("GeneralPage");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_selector = new SubPageSelector("GenTabComboBox", "General pages", this);
    layout->addWidget(m_selector);
    m_selector->addEntry("General 1", scrollable(buildFirstPanel()));
    m_selector->addEntry("General 2", scrollable(buildSecondPanel()));
    m_systemInfo = new QWidget;
    m_systemInfo->setObjectName("SystemInfoPanel");
    m_selector->addEntry("System Info", m_systemInfo);
    load();
}

QWidget* GeneralPage::buildFirstPanel()
{
    auto* panel = new QWidget;
    panel->setObjectName("General1Panel");
    auto* layout = new QVBoxLayout(panel);
    layout->setSpacing(2);

    m_interval =
        new SettingSpin(m_editor, SpinSetting::PollInterval, "GenTabIntervalSpinButton", "GenTabIntervalLabel", panel);
    m_interval->setOnClicked([this](bool changed) {
        if (changed && m_services.setPollInterval) {
            m_services.setPollInterval(m_services.settings.pollInterval);
        }
    });
    layout->addWidget(m_interval);

    m_startInTray = makeCheckBox(panel, "GenTabStartInTrayCheckBox", "Startup in system tray");
    connect(m_startInTray, &QCheckBox::toggled, this, [this](bool on) { m_services.settings.startMinimized = on; });
    layout->addWidget(m_startInTray);

    m_exitQuestion = makeCheckBox(panel, "GenTabEnableExitQCheckBox", "Enable Exit Question");
    connect(m_exitQuestion, &QCheckBox::toggled, this, [this](bool on) { m_services.settings.exitQuestion = on; });
    layout->addWidget(m_exitQuestion);

    auto* tabLabel = makeLabel(panel, "GenTabTabOnTopLabel", "Tab on top at startup:");
    m_tabOnTop = new QComboBox(panel);
    m_tabOnTop->setObjectName("GenTabTabOnTopComboBox");
    m_tabOnTop->setAccessibleName("Tab on top at startup:");
    tabLabel->setBuddy(m_tabOnTop);
    for (std::string_view name : kStartTabNames) {
        m_tabOnTop->addItem(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    }
    connect(m_tabOnTop, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) {
            m_services.settings.tabOnTop = index;
        }
    });
    auto* tabRow = new QHBoxLayout;
    tabRow->addWidget(tabLabel);
    tabRow->addWidget(m_tabOnTop, 1);
    layout->addLayout(tabRow);

    m_runOnStartup = makeCheckBox(panel, "GenTabRunOnStartupCheckBox", "Run on startup");
    connect(m_runOnStartup, &QCheckBox::clicked, this, [this](bool on) {
        if (!m_services.runOnStartup || m_services.runOnStartup(on)) {
            return;
        }
        // The box does not claim what the desktop will not do.
        {
            const QSignalBlocker quiet(m_runOnStartup);
            m_runOnStartup->setChecked(!on);
        }
        if (m_services.showMessage) {
            m_services.showMessage(on ? "Caldrix could not add itself to the programs started at login."
                                      : "Caldrix could not remove itself from the programs started at login.");
        }
    });
    layout->addWidget(m_runOnStartup);

    m_showLogOnPopup = makeCheckBox(panel, "CheckBox42", "Show Log Options On Popup Menu");
    connect(m_showLogOnPopup, &QCheckBox::toggled, this, [this](bool on) {
        m_services.settings.showLogOnPopup = on;
        if (m_services.setLogItemsVisible) {
            m_services.setLogItemsVisible(on);
        }
    });
    layout->addWidget(m_showLogOnPopup);

    m_loopWaves = makeCheckBox(panel, "GenTabLoopWavesCheckBox", "Loop Alarm Waves");
    connect(m_loopWaves, &QCheckBox::toggled, this, [this](bool on) { m_services.settings.loopWaves = on; });
    layout->addWidget(m_loopWaves);
    layout->addStretch(1);
    return panel;
}

QWidget* GeneralPage::buildSecondPanel()
{
    auto* panel = new QWidget;
    panel->setObjectName("General2Panel");
    auto* layout = new QVBoxLayout(panel);
    layout->setSpacing(2);

    for (std::size_t i = 0; i < kSensors.size(); ++i) {
        const TemperatureSensor sensor = kSensors[i];
        m_switches[i] = makeCheckBox(panel, kSwitchNames[i], {});
        connect(m_switches[i], &QCheckBox::clicked, this, [this, sensor](bool on) {
            m_services.switches.setChecked(sensor, on);
            refreshSwitches();
            if (m_services.switchesChanged) {
                m_services.switchesChanged();
            }
        });
        layout->addWidget(m_switches[i]);
        setSensorName(sensor, m_services.settings.temperature(sensor).name);
    }

    m_roundFahrenheit = makeCheckBox(panel, "CheckBox1", "Round °F");
    connect(m_roundFahrenheit, &QCheckBox::clicked, this, [this](bool on) {
        m_services.settings.roundFahrenheit = on;
        temperatureTextClicked();
        if (m_services.pollIfActive) {
            m_services.pollIfActive();
        }
    });
    layout->addWidget(m_roundFahrenheit);

    m_degreeSymbol = makeCheckBox(panel, "CheckBox20", "Use degree symbol in window");
    connect(m_degreeSymbol, &QCheckBox::clicked, this, [this](bool on) {
        m_services.settings.showDegreeInWindow = on;
        temperatureTextClicked();
    });
    layout->addWidget(m_degreeSymbol);

    auto* speakerLabel = makeLabel(panel, "GenTabPCFreqLabel", "PC Speaker Frequency:");
    layout->addWidget(speakerLabel);
    m_speaker = new QSlider(Qt::Horizontal, panel);
    m_speaker->setObjectName("GenTabPCFreqTrackBar");
    m_speaker->setAccessibleName("PC Speaker Frequency");
    m_speaker->setRange(speakerDivisorRow().minimum, speakerDivisorRow().maximum);
    m_speaker->setSingleStep(10);
    m_speaker->setPageStep(100);
    speakerLabel->setBuddy(m_speaker);
    connect(m_speaker, &QSlider::valueChanged, this,
            [this](int divisor) { m_services.settings.pcSpeakerDivisor = divisor; });
    m_speakerTest = new QPushButton("Test", panel);
    m_speakerTest->setObjectName("GenTabPCFreqTestButton");
    m_speakerTest->setAccessibleName("Test");
    connect(m_speakerTest, &QPushButton::clicked, this, [this] {
        if (m_services.testSpeaker) {
            m_services.testSpeaker(m_services.settings.pcSpeakerDivisor);
        }
    });
    auto* speakerRow = new QHBoxLayout;
    speakerRow->addWidget(m_speaker, 1);
    speakerRow->addWidget(m_speakerTest);
    layout->addLayout(speakerRow);
    layout->addStretch(1);
    return panel;
}

void GeneralPage::temperatureTextClicked()
{
    refreshLabels();
    if (m_services.temperatureTextChanged) {
        m_services.temperatureTextChanged();
    }
}

void GeneralPage::load()
{
    const Settings& s = m_services.settings;
    const auto setQuietly = [](QCheckBox* box, bool on) {
        const QSignalBlocker quiet(box);
        box->setChecked(on);
    };
    setQuietly(m_startInTray, s.startMinimized);
    setQuietly(m_exitQuestion, s.exitQuestion);
    setQuietly(m_showLogOnPopup, s.showLogOnPopup);
    setQuietly(m_loopWaves, s.loopWaves);
    setQuietly(m_roundFahrenheit, s.roundFahrenheit);
    setQuietly(m_degreeSymbol, s.showDegreeInWindow);
    {
        const QSignalBlocker quiet(m_tabOnTop);
        // A stored number that names no page leaves the list where it is.
        if (s.tabOnTop >= 0 && s.tabOnTop < m_tabOnTop->count()) {
            m_tabOnTop->setCurrentIndex(s.tabOnTop);
        }
    }
    {
        const QSignalBlocker quiet(m_speaker);
        m_speaker->setValue(s.pcSpeakerDivisor);
    }
    for (const TemperatureSensor sensor : kSensors) {
        setSensorName(sensor, s.temperature(sensor).name);
    }
    refreshSwitches();
    refreshLabels();
}

void GeneralPage::refreshLabels()
{
    m_interval->refreshLabel();
    m_roundFahrenheit->setText(QString::fromStdString(roundFahrenheitCaption(m_services.display().degreeText)));
    m_roundFahrenheit->setAccessibleName(m_roundFahrenheit->text());
}

void GeneralPage::refreshSwitches()
{
    for (std::size_t i = 0; i < kSensors.size(); ++i) {
        const QSignalBlocker quiet(m_switches[i]);
        m_switches[i]->setChecked(m_services.switches.checked(kSensors[i]));
        m_switches[i]->setEnabled(m_services.switches.enabled(kSensors[i]));
    }
}

void GeneralPage::setSensorName(TemperatureSensor sensor, const std::string& name)
{
    QCheckBox* box = m_switches[static_cast<std::size_t>(sensor)];
    box->setText(QString::fromStdString(sensorSwitchCaption(sensor, name)).replace('&', "&&"));
    box->setAccessibleName(QString::fromStdString(sensorSwitchCaption(sensor, name)));
}

void GeneralPage::showRunOnStartup(bool exists)
{
    const QSignalBlocker quiet(m_runOnStartup);
    m_runOnStartup->setChecked(exists);
}

} // namespace cdx
