#include "ui/CpuIdlePage.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "cpuidle/CpuIdleLauncher.h"
#include "platform/Shell.h"
#include "sensors/TemperatureText.h"
#include "settings/CpuIdleThresholds.h"
#include "settings/Settings.h"
#include "ui/SpinArrows.h"
#include "ui/SubPageSelector.h"

namespace cdx {

namespace {

constexpr const char* CpuIdleWebPage = "https://caldrix.example.org/cpuidle/";

QLabel* captionLabel(QWidget* parent, const QString& name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

void setCaption(QLabel& label, const std::string& text)
{
    const QString caption = QString::fromStdString(text);
    label.setText(caption);
    label.setAccessibleName(caption);
}

} // namespace

CpuIdlePage::CpuIdlePage(Parts parts, QWidget* parent) : QWidget(parent), m_parts(std::move(parts))
{
    setObjectName(QStringLiteral("CPUIdleTabSheet"));
    m_selector = new SubPageSelector(QStringLiteral("CPUIdleComboBox"), tr("CPUIdle page"), this);
    m_selector->addEntry(tr("CPUIdle Settings"), buildSettingsPanel());
    m_selector->addEntry(tr("Info/Reset"), buildInfoPanel());
    m_selector->addEntry(tr("About CPUIdle"), buildAboutPanel());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_selector);

    m_parts.launcher.setObserver({
        [this](const std::string& line) { m_events->appendPlainText(QString::fromStdString(line)); },
        [this](bool enabled) { m_reset->setEnabled(enabled); },
        [this](bool available) { showOptionsAvailable(available); },
    });
    for (const auto& line : m_parts.launcher.events()) {
        m_events->appendPlainText(QString::fromStdString(line));
    }
    m_reset->setEnabled(m_parts.launcher.resetEnabled());
    load();
    refreshLabels();
}

QWidget* CpuIdlePage::buildSettingsPanel()
{
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("CPUIdleSettingsPanel"));

    auto* sensorGroup = new QGroupBox(tr("Select your CPU sensor:"), panel);
    m_sensor = new QComboBox(sensorGroup);
    m_sensor->setObjectName(QStringLiteral("CPUIdleSensorComboBox"));
    m_sensor->setAccessibleName(tr("Select your CPU sensor:"));
    for (int i = 0; i < 4; ++i) {
        m_sensor->addItem(QString());
    }
    connect(m_sensor, &QComboBox::activated, this, &CpuIdlePage::chooseSensor);
    auto* sensorLayout = new QHBoxLayout(sensorGroup);
    sensorLayout->addWidget(m_sensor);

    auto group = [panel](const QString& boxName, const QString& caption, QCheckBox*& box, QLabel*& sensor,
                         QLabel*& threshold, SpinArrows*& arrows, const QString& arrowsName) {
        auto* frame = new QGroupBox(panel);
        box = new QCheckBox(caption, frame);
        box->setObjectName(boxName);
        box->setAccessibleName(caption.trimmed());
        sensor = captionLabel(frame, boxName + "SensorLabel");
        threshold = captionLabel(frame, boxName + "ThresholdLabel");
        arrows = new SpinArrows(arrowsName, caption.trimmed(), frame);
        auto* grid = new QGridLayout(frame);
        grid->addWidget(box, 0, 0, 1, 2);
        grid->addWidget(sensor, 1, 0, 1, 2);
        grid->addWidget(threshold, 2, 0);
        grid->addWidget(arrows, 2, 1);
        grid->setColumnStretch(0, 1);
        return frame;
    };
    // The designer's CheckBox77 and CheckBox78.
    QWidget* launchGroup = group(QStringLiteral("CheckBox77"), tr("Launch CPUIdle "), m_launchBox, m_launchSensor,
                                 m_launchThreshold, m_launchArrows, QStringLiteral("CPUIdleLaunchSpinButton"));
    QWidget* closeGroup = group(QStringLiteral("CheckBox78"), tr("Close CPUIdle "), m_closeBox, m_closeSensor,
                                m_closeThreshold, m_closeArrows, QStringLiteral("CPUIdleCloseSpinButton"));
    connect(m_launchBox, &QCheckBox::clicked, this, &CpuIdlePage::launchBoxClicked);
    connect(m_closeBox, &QCheckBox::clicked, this, &CpuIdlePage::closeBoxClicked);
    connect(m_launchArrows, &SpinArrows::upClicked, this, [this] { stepThresholds(true, true); });
    connect(m_launchArrows, &SpinArrows::downClicked, this, [this] { stepThresholds(true, false); });
    connect(m_closeArrows, &SpinArrows::upClicked, this, [this] { stepThresholds(false, true); });
    connect(m_closeArrows, &SpinArrows::downClicked, this, [this] { stepThresholds(false, false); });

    m_apply = new QPushButton(tr("Apply"), panel);
    m_apply->setObjectName(QStringLiteral("CPUIdleApplyButton"));
    m_apply->setAccessibleName(tr("Apply"));
    m_apply->setEnabled(false);
    connect(m_apply, &QPushButton::clicked, this, &CpuIdlePage::applyClicked);

    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(sensorGroup);
    layout->addWidget(launchGroup);
    layout->addWidget(closeGroup);
    layout->addWidget(m_apply, 0, Qt::AlignRight);
    layout->addStretch(1);
    return panel;
}

QWidget* CpuIdlePage::buildInfoPanel()
{
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("CPUIdleInfoPanel"));
    m_events = new QPlainTextEdit(panel);
    m_events->setObjectName(QStringLiteral("CPUIdleEventMemo"));
    m_events->setAccessibleName(tr("CPU Idle events"));
    m_events->setReadOnly(true);
    m_events->setTabChangesFocus(true);
    m_reset = new QPushButton(tr("Reset"), panel);
    m_reset->setObjectName(QStringLiteral("CPUIdleResetButton"));
    m_reset->setAccessibleName(tr("Reset"));
    m_reset->setEnabled(false);
    connect(m_reset, &QPushButton::clicked, this, [this] { m_parts.launcher.reset(); });
    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(m_events, 1);
    layout->addWidget(m_reset, 0, Qt::AlignRight);
    return panel;
}

QWidget* CpuIdlePage::buildAboutPanel()
{
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("CPUIdleAboutPanel"));
    auto* heading = new QLabel(tr("CpuIdle for Win95/98"), panel);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    auto* text = new QLabel(tr("CPU Idle lets the processor rest when it runs hot. Caldrix starts it when the "
                               "chosen sensor reaches the launch temperature and closes it when the sensor has "
                               "cooled to the close temperature. The CPU Idle that comes with Caldrix "
                               "(caldrix-cpuidle) lowers the processor's maximum clock while it runs; run "
                               "\"caldrix-cpuidle --register\" once so that Caldrix finds it."),
                            panel);
    text->setWordWrap(true);
    m_link = new QLabel(QStringLiteral("<a href=\"%1\">%1</a>").arg(QLatin1String(CpuIdleWebPage)), panel);
    m_link->setObjectName(QStringLiteral("CPUIdleLinkLabel"));
    m_link->setAccessibleName(tr("CPU Idle web page"));
    m_link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    m_link->setFocusPolicy(Qt::StrongFocus);
    connect(m_link, &QLabel::linkActivated, this, [this](const QString& link) {
        if (m_parts.shell != nullptr) {
            m_parts.shell->execute(link.toStdString(), {}, {}, ShowCommand::ShowNormal);
        }
    });
    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(heading);
    layout->addWidget(text);
    layout->addWidget(m_link);
    layout->addStretch(1);
    return panel;
}

void CpuIdlePage::load()
{
    const Settings& s = m_parts.settings;
    m_sensor->setCurrentIndex(std::clamp(s.cpuIdleSensor, 0, 3));
    m_launchBox->setChecked(s.cpuIdleLaunch);
    m_closeBox->setChecked(s.cpuIdleClose);
    syncLaunchGroup();
    syncCloseGroup();
    showOptionsAvailable(m_parts.launcher.optionsAvailable());
    refreshThresholdTexts();
}

void CpuIdlePage::refreshLabels()
{
    for (int i = 0; i < 4; ++i) {
        m_sensor->setItemText(i,
                              QString::fromStdString(m_parts.settings.temperatures[static_cast<std::size_t>(i)].name));
    }
    refreshSensorCaptions();
    refreshThresholdTexts();
}

void CpuIdlePage::resetForExpand()
{
    m_selector->reset();
    m_apply->setEnabled(false);
}

void CpuIdlePage::chooseSensor(int index)
{
    m_parts.settings.cpuIdleSensor = index;
    refreshSensorCaptions();
    m_apply->setEnabled(true);
}

void CpuIdlePage::launchBoxClicked()
{
    m_parts.settings.cpuIdleLaunch = m_launchBox->isChecked();
    syncLaunchGroup();
    m_apply->setEnabled(true);
}

void CpuIdlePage::closeBoxClicked()
{
    m_parts.settings.cpuIdleClose = m_closeBox->isChecked();
    syncCloseGroup();
    m_apply->setEnabled(true);
}

void CpuIdlePage::stepThresholds(bool launch, bool up)
{
    Settings& s = m_parts.settings;
    CpuIdleThresholds thresholds{s.cpuIdleLaunchTemperature, s.cpuIdleCloseTemperature};
    const bool changed = launch ? (up ? thresholds.launchUp() : thresholds.launchDown())
                                : (up ? thresholds.closeUp() : thresholds.closeDown());
    if (!changed) {
        return;
    }
    s.cpuIdleLaunchTemperature = thresholds.launch;
    s.cpuIdleCloseTemperature = thresholds.close;
    // One arrow may move both thresholds: both texts are rewritten.
    refreshThresholdTexts();
    m_apply->setEnabled(true);
}

void CpuIdlePage::applyClicked()
{
    m_apply->setEnabled(false);
    if (m_parts.saveSettings) {
        m_parts.saveSettings();
    }
}

void CpuIdlePage::showOptionsAvailable(bool available)
{
    m_launchBox->setEnabled(available);
    m_closeBox->setEnabled(available);
    if (!available) {
        m_launchBox->setChecked(false);
        m_closeBox->setChecked(false);
    }
    syncLaunchGroup();
    syncCloseGroup();
}

void CpuIdlePage::syncLaunchGroup()
{
    const bool on = m_launchBox->isChecked();
    m_launchSensor->setEnabled(on);
    m_launchThreshold->setEnabled(on);
    m_launchArrows->setEnabled(on);
}

void CpuIdlePage::syncCloseGroup()
{
    const bool on = m_closeBox->isChecked();
    m_closeSensor->setEnabled(on);
    m_closeThreshold->setEnabled(on);
    m_closeArrows->setEnabled(on);
}

void CpuIdlePage::refreshThresholdTexts()
{
    const std::string degree = degreeText(m_parts.settings.showDegreeInWindow);
    setCaption(*m_launchThreshold, cpuIdleThresholdText(m_parts.settings.cpuIdleLaunchTemperature, degree));
    setCaption(*m_closeThreshold, cpuIdleThresholdText(m_parts.settings.cpuIdleCloseTemperature, degree));
}

void CpuIdlePage::refreshSensorCaptions()
{
    const std::string name = m_sensor->currentText().toStdString();
    setCaption(*m_launchSensor, cpuIdleSensorCaption(name));
    setCaption(*m_closeSensor, cpuIdleSensorCaption(name));
}

} // namespace cdx
