#include "presentation/ReadingsPanel.h"

namespace cdx {

void ReadingsPanel::setVoltage(VoltageRail rail, std::string text, bool red)
{
    m_voltageText[index(rail)] = std::move(text);
    m_voltageRed[index(rail)] = red;
    notify(Item::Voltage, index(rail));
}

void ReadingsPanel::setFanText(Fan fan, std::string text)
{
    m_fanText[index(fan)] = std::move(text);
    notify(Item::Fan, index(fan));
}

void ReadingsPanel::setFanAlarmEditable(Fan fan)
{
    m_fanAlarmEditable[index(fan)] = true;
    notify(Item::FanAlarmEditable, index(fan));
}

void ReadingsPanel::setPollsText(std::string text)
{
    m_pollsText = std::move(text);
    notify(Item::Polls, 0);
}

void ReadingsPanel::notify(Item item, int index) const
{
    if (m_onChanged) {
        m_onChanged(item, index);
    }
}

} // namespace cdx
