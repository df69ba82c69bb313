#include "ui/TemperaturePanel.h"

#include <array>

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "settings/SensorCaptions.h"
#include "settings/Settings.h"
#include "settings/SettingsEditor.h"
#include "settings/SettingsSchema.h"
#include "ui/AlarmActionsBox.h"
#include "ui/PageWidgets.h"
#include "ui/SpinArrows.h"

namespace cdx {

namespace {

// The names of one sensor's controls.
struct PanelNames {
    const char* prefix;
    int scaleRow; // the stored values the arrows edit, named for screen readers
    int alarmRow;
    const char* scaleCelsius;
    const char* scaleFahrenheit;
    const char* alarmCelsius;
    const char* alarmFahrenheit;
    const char* enable;
    const char* run;
    const char* runLabel;
    const char* wave;
    const char* waveLabel;
    const char* showMessage;
    const char* pcSpeaker;
};

const PanelNames& namesOf(TemperatureSensor sensor)
{
    static const std::array<PanelNames, 4> names{{
        {"MB", 1, 2, "Label1", "Label2", "Label3", "Label4", "CheckBox3", "CheckBox5", "Label21", "CheckBox17",
         "Label25", "CheckBox13", "CheckBox48"},
        {"CPU", 8, 9, "Label16", "Label15", "Label23", "Label22", "CheckBox14", "CheckBox12", "Label12", "CheckBox18",
         "Label26", "CheckBox49", "CheckBox50"},
        {"WB2", 104, 105, "Label33", "Label32", "Label35", "Label34", "CheckBox56", "CheckBox57", "Label40",
         "CheckBox58", "Label92", "CheckBox59", "CheckBox60"},
        {"WB3", 113, 114, "Label111", "Label107", "Label113", "Label112", "CheckBox61", "CheckBox62", "Label114",
         "CheckBox63", "Label115", "CheckBox64", "CheckBox65"},
    }};
    return names[static_cast<std::size_t>(sensor)];
}

QString rowName(int position)
{
    const std::string_view name = settingRow(position).name;
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace

TemperaturePanel::TemperaturePanel(TemperatureSensor sensor, SettingsEditor& editor, const PageServices& services,
                                   QWidget* parent)
    : QWidget(parent), m_sensor(sensor), m_editor(editor)
{
    const PanelNames& n = namesOf(sensor);
    const QString prefix = QString::fromLatin1(n.prefix);
    setObjectName(prefix + "TemperaturePanel");
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(2);

    m_scaleGroup = makeGroup(this, prefix + "ScaleGroupBox", {});
    auto* scaleGrid = new QGridLayout(m_scaleGroup);
    m_scaleArrows = new SpinArrows(prefix + "ScaleSpinButton", rowName(n.scaleRow), m_scaleGroup);
    m_scaleCelsius = makeLabel(m_scaleGroup, n.scaleCelsius);
    m_scaleFahrenheit = makeLabel(m_scaleGroup, n.scaleFahrenheit);
    scaleGrid->addWidget(m_scaleArrows, 0, 0);
    scaleGrid->addWidget(m_scaleCelsius, 0, 1);
    scaleGrid->addWidget(m_scaleFahrenheit, 0, 2);
    scaleGrid->setColumnStretch(2, 1);
    layout->addWidget(m_scaleGroup);

    m_alarmGroup = makeGroup(this, prefix + "AlarmGroupBox", {});
    auto* alarmLayout = new QVBoxLayout(m_alarmGroup);
    alarmLayout->setSpacing(1);
    auto* alarmRow = new QGridLayout;
    m_alarmArrows = new SpinArrows(prefix + "AlarmSpinButton", rowName(n.alarmRow), m_alarmGroup);
    m_alarmCelsius = makeLabel(m_alarmGroup, n.alarmCelsius);
    m_alarmFahrenheit = makeLabel(m_alarmGroup, n.alarmFahrenheit);
    alarmRow->addWidget(m_alarmArrows, 0, 0);
    alarmRow->addWidget(m_alarmCelsius, 0, 1);
    alarmRow->addWidget(m_alarmFahrenheit, 0, 2);
    alarmRow->setColumnStretch(2, 1);
    alarmLayout->addLayout(alarmRow);
    TemperatureSettings& t = services.settings.temperature(sensor);
    m_actions = new AlarmActionsBox(AlarmActionsBox::Names{.enable = n.enable,
                                                           .run = n.run,
                                                           .runLabel = n.runLabel,
                                                           .wave = n.wave,
                                                           .waveLabel = n.waveLabel,
                                                           .showMessage = n.showMessage,
                                                           .pcSpeaker = n.pcSpeaker,
                                                           .prefix = prefix},
                                    t.alarmEnabled, t.actions, services, m_alarmGroup);
    alarmLayout->addWidget(m_actions);
    layout->addWidget(m_alarmGroup);
    layout->addStretch(1);

    const auto scaleClick = [this](SpinDirection direction) {
        if (m_editor.stepScale(m_sensor, direction)) {
            refreshLabels();
        }
    };
    const auto alarmClick = [this](SpinDirection direction) {
        if (m_editor.stepAlarm(m_sensor, direction)) {
            refreshLabels();
        }
    };
    connect(m_scaleArrows, &SpinArrows::upClicked, this, [scaleClick] { scaleClick(SpinDirection::Up); });
    connect(m_scaleArrows, &SpinArrows::downClicked, this, [scaleClick] { scaleClick(SpinDirection::Down); });
    connect(m_alarmArrows, &SpinArrows::upClicked, this, [alarmClick] { alarmClick(SpinDirection::Up); });
    connect(m_alarmArrows, &SpinArrows::downClicked, this, [alarmClick] { alarmClick(SpinDirection::Down); });

    setSensorName(t.name);
    refreshLabels();
}

void TemperaturePanel::load()
{
    m_actions->load();
    refreshLabels();
}

void TemperaturePanel::refreshLabels()
{
    m_scaleCelsius->setText(QString::fromStdString(m_editor.scaleCelsiusLabel(m_sensor)));
    m_scaleFahrenheit->setText(QString::fromStdString(m_editor.scaleFahrenheitLabel(m_sensor)));
    m_alarmCelsius->setText(QString::fromStdString(m_editor.alarmCelsiusLabel(m_sensor)));
    m_alarmFahrenheit->setText(QString::fromStdString(m_editor.alarmFahrenheitLabel(m_sensor)));
    m_scaleArrows->setAccessibleDescription(m_scaleCelsius->text() + " " + m_scaleFahrenheit->text());
    m_alarmArrows->setAccessibleDescription(m_alarmCelsius->text() + " " + m_alarmFahrenheit->text());
}

void TemperaturePanel::setSensorName(const std::string& name)
{
    m_scaleGroup->setTitle(QString::fromStdString(scaleGroupCaption(name)));
    m_scaleGroup->setAccessibleName(m_scaleGroup->title());
    m_alarmGroup->setTitle(QString::fromStdString(alarmGroupCaption(name)));
    m_alarmGroup->setAccessibleName(m_alarmGroup->title());
}

} // namespace cdx
