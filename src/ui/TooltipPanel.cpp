#include "ui/TooltipPanel.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QVBoxLayout>

#include "settings/Settings.h"

namespace cdx {

TooltipPanel::TooltipPanel(Settings& settings, QWidget* parent) : QWidget(parent), m_settings(settings)
{
    setObjectName("TooltipPanel");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(1);
    auto* items = new QGroupBox("Show in the tool tip", this);
    auto* itemsLayout = new QVBoxLayout(items);
    itemsLayout->setContentsMargins(4, 2, 4, 2);
    itemsLayout->setSpacing(0);
    int number = 70; // CheckBox70 ... CheckBox76
    for (NamedItem item : kAllNamedItems) {
        auto* check = new QCheckBox(items);
        check->setObjectName(QString("CheckBox%1").arg(number++));
        connect(check, &QCheckBox::toggled, this, [this, item](bool on) { tooltip(item) = on; });
        itemsLayout->addWidget(check);
        m_boxes[static_cast<std::size_t>(item)] = check;
    }
    layout->addWidget(items);

    m_onAll = new QRadioButton("I want these tool tips on all icons", this);
    m_onAll->setObjectName("RadioButton7");
    m_onlyProgram = new QRadioButton("I want these tool tips only on the IC icon", this);
    m_onlyProgram->setObjectName("TooltipOnlyOnProgramIconRadioButton");
    auto* choice = new QButtonGroup(this);
    for (QRadioButton* radio : {m_onAll, m_onlyProgram}) {
        radio->setAccessibleName(radio->text());
        choice->addButton(radio);
        layout->addWidget(radio);
    }
    connect(m_onAll, &QRadioButton::toggled, this, [this](bool on) { m_settings.tooltipOnAllIcons = on; });
    layout->addStretch(1);
    load();
}

bool& TooltipPanel::tooltip(NamedItem item)
{
    const auto i = static_cast<std::size_t>(item);
    if (i >= static_cast<std::size_t>(NamedItem::Fan1)) {
        return m_settings.fans[i - static_cast<std::size_t>(NamedItem::Fan1)].tooltip;
    }
    return m_settings.temperatures[i].tooltip;
}

void TooltipPanel::load()
{
    for (NamedItem item : kAllNamedItems) {
        const bool on = tooltip(item);
        box(item).setChecked(on);
    }
    const bool onAll = m_settings.tooltipOnAllIcons;
    (onAll ? m_onAll : m_onlyProgram)->setChecked(true);
}

void TooltipPanel::attachNames(SensorNames& names)
{
    for (NamedItem item : kAllNamedItems) {
        QCheckBox* check = &box(item);
        names.attach(NamePlace::TooltipBox, item, [check](const std::string& caption) {
            check->setText(QString::fromStdString(caption));
            check->setAccessibleName(check->text());
        });
    }
}

} // namespace cdx
