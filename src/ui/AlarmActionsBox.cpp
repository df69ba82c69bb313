#include "ui/AlarmActionsBox.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

#include "sensors/Formats.h"
#include "settings/PathLabel.h"
#include "settings/Settings.h"
#include "settings/SettingsSchema.h"
#include "ui/FileChooser.h"

namespace cdx {

namespace {

QCheckBox* box(QWidget* parent, const QString& name, const QString& caption)
{
    auto* b = new QCheckBox(caption, parent);
    b->setObjectName(name);
    b->setAccessibleName(caption);
    return b;
}

QPushButton* button(QWidget* parent, const QString& name, const QString& caption, const QString& accessibleName)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAccessibleName(accessibleName);
    return b;
}

QLabel* fileLabel(QWidget* parent, const QString& name)
{
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

} // namespace

AlarmActionsBox::AlarmActionsBox(const Names& names, bool& alarmEnabled, AlarmActionSettings& actions,
                                 const PageServices& services, QWidget* parent)
    : QWidget(parent), m_alarmEnabled(alarmEnabled), m_actions(actions), m_services(services)
{
    m_enable = box(this, names.enable, "Enable Alarm");
    m_run = box(this, names.run, names.runCaption);
    m_selectFile = button(this, names.prefix + "SelectFileButton", "Select File", names.runCaption + " Select File");
    m_runLabel = fileLabel(this, names.runLabel);
    m_wave = box(this, names.wave, names.waveCaption);
    m_selectWave = button(this, names.prefix + "SelectWaveButton", "Select Wave", names.waveCaption + " Select Wave");
    m_waveLabel = fileLabel(this, names.waveLabel);
    m_showMessage = box(this, names.showMessage, "Show Msg");
    m_pcSpeaker = box(this, names.pcSpeaker, "PC Speaker");

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(1);
    grid->addWidget(m_enable, 0, 0, 1, 2);
    grid->addWidget(m_run, 1, 0);
    grid->addWidget(m_selectFile, 1, 1);
    grid->addWidget(m_runLabel, 2, 0, 1, 2);
    grid->addWidget(m_wave, 3, 0);
    grid->addWidget(m_selectWave, 3, 1);
    grid->addWidget(m_waveLabel, 4, 0, 1, 2);
    grid->addWidget(m_showMessage, 5, 0);
    grid->addWidget(m_pcSpeaker, 5, 1);

    connect(m_enable, &QCheckBox::toggled, this, [this](bool on) { m_alarmEnabled = on; });
    connect(m_run, &QCheckBox::toggled, this, [this](bool on) { m_actions.run = on; });
    connect(m_wave, &QCheckBox::toggled, this, [this](bool on) { m_actions.wave = on; });
    connect(m_showMessage, &QCheckBox::toggled, this, [this](bool on) {
        m_actions.showMessage = on;
        m_pcSpeaker->setEnabled(on);
    });
    connect(m_pcSpeaker, &QCheckBox::toggled, this, [this](bool on) { m_actions.pcSpeaker = on; });
    connect(m_selectFile, &QPushButton::clicked, this, [this] { choose(AlarmFileKind::Program); });
    connect(m_selectWave, &QPushButton::clicked, this, [this] { choose(AlarmFileKind::Wave); });
    load();
}

void AlarmActionsBox::load()
{
    const QSignalBlocker quiet1(m_enable);
    const QSignalBlocker quiet2(m_run);
    const QSignalBlocker quiet3(m_wave);
    const QSignalBlocker quiet4(m_showMessage);
    const QSignalBlocker quiet5(m_pcSpeaker);
    m_enable->setChecked(m_alarmEnabled);
    m_run->setChecked(m_actions.run);
    m_wave->setChecked(m_actions.wave);
    m_showMessage->setChecked(m_actions.showMessage);
    m_pcSpeaker->setChecked(m_actions.pcSpeaker);
    m_pcSpeaker->setEnabled(m_actions.showMessage);
    m_runLabel->setText(QString::fromStdString(pathLabel(m_actions.runPath)));
    m_waveLabel->setText(QString::fromStdString(pathLabel(m_actions.wavePath)));
}

void AlarmActionsBox::choose(AlarmFileKind kind)
{
    std::string& path = kind == AlarmFileKind::Program ? m_actions.runPath : m_actions.wavePath;
    const auto chosen = m_services.chooseFile ? m_services.chooseFile(kind, path) : FileChooser::ask(this, kind, path);
    if (chosen && utf8Length(*chosen) > kMaxTextLength) {
        // A longer path could not be read back at the next start.
        if (m_services.showMessage) {
            m_services.showMessage("The path of the chosen file is longer than " + std::to_string(kMaxTextLength) +
                                   " characters; the alarm keeps its file.");
        }
    } else if (chosen && !chosen->empty()) {
        path = *chosen;
    }
    // Chosen or not, the group shows the stored file and its box is ticked.
    if (kind == AlarmFileKind::Program) {
        m_runLabel->setText(QString::fromStdString(pathLabel(path)));
        m_run->setChecked(true);
    } else {
        m_waveLabel->setText(QString::fromStdString(pathLabel(path)));
        m_wave->setChecked(true);
    }
}

} // namespace cdx
