#include "ui/FanPanel.h"

#include <array>

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "settings/SensorCaptions.h"
#include "settings/Settings.h"
#include "ui/AlarmActionsBox.h"
#include "ui/PageWidgets.h"
#include "ui/SettingSpin.h"

namespace cdx {

namespace {

struct FanNames {
    SpinSetting rpm;
    SpinSetting offMark;
    const char* rpmLabel;
    const char* offMarkLabel;
    const char* enable;
    const char* run;
    const char* runLabel;
    const char* wave;
    const char* waveLabel;
    const char* showMessage;
    const char* pcSpeaker;
    const char* type1;
    const char* type2;
};

const FanNames& namesOf(Fan fan)
{
    static const std::array<FanNames, 3> names{{
        {SpinSetting::Fan1Rpm, SpinSetting::Fan1OffMark, "Label75", "Label78", "CheckBox28", "CheckBox31", "Label81",
         "CheckBox32", "Label82", "CheckBox40", "CheckBox43", "RadioButton9", "RadioButton10"},
        {SpinSetting::Fan2Rpm, SpinSetting::Fan2OffMark, "Label76", "Label79", "CheckBox29", "CheckBox33", "Label83",
         "CheckBox34", "Label84", "CheckBox44", "CheckBox45", "RadioButton11", "RadioButton12"},
        {SpinSetting::Fan3Rpm, SpinSetting::Fan3OffMark, "Label77", "Label80", "CheckBox30", "CheckBox35", "Label85",
         "CheckBox36", "Label86", "CheckBox46", "CheckBox47", "RadioButton13", "RadioButton14"},
    }};
    return names[static_cast<std::size_t>(fan)];
}

} // namespace

FanPanel::FanPanel(Fan fan, SettingsEditor& editor, const PageServices& services, QWidget* parent)
    : QWidget(parent), m_fan(fan), m_services(services)
{
    const FanNames& n = namesOf(fan);
    const QString prefix = QString("Fan%1").arg(static_cast<int>(fan) + 1);
    setObjectName(prefix + "Panel");
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(2);
    m_group = makeGroup(this, prefix + "AlarmGroupBox", {});
    auto* groupLayout = new QVBoxLayout(m_group);
    groupLayout->setSpacing(1);

    groupLayout->addWidget(makeLabel(m_group, prefix + "UserRpmLabel", "User Defined RPM"));
    m_rpm = new SettingSpin(editor, n.rpm, prefix + "RpmSpinButton", n.rpmLabel, m_group);
    groupLayout->addWidget(m_rpm);
    m_offMark = new SettingSpin(editor, n.offMark, prefix + "OffMarkSpinButton", n.offMarkLabel, m_group);
    groupLayout->addWidget(m_offMark);

    FanSettings& settings = services.settings.fan(fan);
    m_actions = new AlarmActionsBox(AlarmActionsBox::Names{.enable = n.enable,
                                                           .run = n.run,
                                                           .runLabel = n.runLabel,
                                                           .wave = n.wave,
                                                           .waveLabel = n.waveLabel,
                                                           .showMessage = n.showMessage,
                                                           .pcSpeaker = n.pcSpeaker,
                                                           .runCaption = "On Fan Alarm run:",
                                                           .waveCaption = "On Fan Alarm play:",
                                                           .prefix = prefix},
                                    settings.alarmEnabled, settings.actions, services, m_group);
    groupLayout->addWidget(m_actions);

    m_type1 = makeRadioButton(m_group, n.type1, "Type 1");
    m_type2 = makeRadioButton(m_group, n.type2, "Type 2");
    auto* types = new QButtonGroup(m_group);
    types->addButton(m_type1);
    types->addButton(m_type2);
    auto* typeRow = new QHBoxLayout;
    typeRow->addWidget(m_type1);
    typeRow->addWidget(m_type2);
    groupLayout->addLayout(typeRow);
    const auto typeChosen = [this](bool type2) {
        m_services.settings.fan(m_fan).type2 = type2;
        if (m_services.pollIfActive) {
            m_services.pollIfActive();
        }
    };
    connect(m_type1, &QRadioButton::clicked, this, [typeChosen] { typeChosen(false); });
    connect(m_type2, &QRadioButton::clicked, this, [typeChosen] { typeChosen(true); });
    layout->addWidget(m_group);
    layout->addStretch(1);

    setFanName(settings.name);
    load();
}

void FanPanel::load()
{
    m_actions->load();
    {
        const QSignalBlocker quiet1(m_type1);
        const QSignalBlocker quiet2(m_type2);
        (m_services.settings.fan(m_fan).type2 ? m_type2 : m_type1)->setChecked(true);
    }
    refreshLabels();
}

void FanPanel::refreshLabels()
{
    m_rpm->refreshLabel();
    m_offMark->refreshLabel();
}

void FanPanel::setFanName(const std::string& name)
{
    m_group->setTitle(QString::fromStdString(alarmGroupCaption(name)));
    m_group->setAccessibleName(m_group->title());
}

} // namespace cdx
