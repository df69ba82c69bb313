#include "ui/TrayIcons.h"

#include "monitor/GaugeModel.h"
#include "monitor/ReadingsPanel.h"
#include "monitor/TrayIconText.h"
#include "monitor/TraySettings.h"
#include "platform/Timer.h"
#include "platform/qt/QtIconImage.h"
#include "sensors/TemperatureText.h"
#include "ui/ProgramIcon.h"

namespace cdx {

namespace {

constexpr const char* SuspendToolTip = "In Suspend Mode";

std::array<const GaugeModel*, 4> constGauges(const std::array<GaugeModel*, 4>& gauges)
{
    return {gauges[0], gauges[1], gauges[2], gauges[3]};
}

} // namespace

TrayIcons::TrayIcons(NotificationArea& area, Settings& settings, const std::array<GaugeModel*, 4>& gauges,
                     ReadingsPanel& readings, Timer& swapTimer, QMenu* popupMenu, std::function<void()> onDblClick,
                     std::function<bool()> pollingActive)
    : m_settings(settings), m_tooltip(settings, constGauges(gauges), readings), m_swapTimer(swapTimer),
      m_pollingActive(std::move(pollingActive)), m_trayIcon1(std::make_unique<TrayIcon>(area)),
      m_trayIcon2(std::make_unique<TrayIcon>(area)), m_trayIcon3(std::make_unique<TrayIcon>(area)),
      m_trayIcon4(std::make_unique<TrayIcon>(area)), m_trayIcon5(std::make_unique<TrayIcon>(area))
{
    const QImage plain = ProgramIcon::plain();
    m_plainIcon = toIconHandle(plain);
    m_suspendedIcon = toIconHandle(ProgramIcon::suspended(plain));

    TrayIcon::NotifyHandler doubleClick;
    if (onDblClick) {
        doubleClick = [handler = std::move(onDblClick)](TrayIcon&) { handler(); };
    }
    for (TrayIcon* icon :
         {m_trayIcon1.get(), m_trayIcon2.get(), m_trayIcon3.get(), m_trayIcon4.get(), m_trayIcon5.get()}) {
        icon->setPopupMenu(popupMenu);
        icon->setOnDblClick(doubleClick);
    }
    m_trayIcon3->setIcon(m_plainIcon);
}

TrayIcons::~TrayIcons() = default;

TrayIcon& TrayIcons::iconOf(TraySensor sensor)
{
    switch (sensor) {
    case TrayWb1:
        return *m_trayIcon1;
    case TrayLm75:
        return *m_trayIcon2;
    case TrayWb2:
        return *m_trayIcon4;
    case TrayWb3:
        break;
    }
    return *m_trayIcon5;
}

std::array<bool, 4> TrayIcons::swapBoxes() const
{
    std::array<bool, 4> boxes{};
    for (const TraySensor sensor : TraySettings::Sensors) {
        boxes[static_cast<std::size_t>(sensor)] = TraySettings::swapBox(m_settings, sensor);
    }
    return boxes;
}

void TrayIcons::boxesChanged()
{
    if (m_onBoxesChanged) {
        m_onBoxesChanged();
    }
}

void TrayIcons::redrawIfPolling()
{
    if (m_pollingActive && m_pollingActive()) {
        CreateIcon();
    }
}

void TrayIcons::loadSettings()
{
    // The two modes are one choice: a stored pair with both on is show mode.
    if (m_settings.showTempInTray) {
        m_settings.swapIcons = false;
    }
    for (const TraySensor sensor : TraySettings::Sensors) {
        const std::size_t i = static_cast<std::size_t>(sensor);
        const bool enabled = TraySettings::sensorEnabled(m_settings, sensor);
        m_showEditable[i] = m_settings.showTempInTray && enabled;
        m_swapEditable[i] = m_settings.swapIcons && enabled;
        // Only the chosen mode's boxes may be checked.
        if (m_settings.showTempInTray) {
            TraySettings::swapBox(m_settings, sensor) = false;
        }
        if (m_settings.swapIcons) {
            TraySettings::showBox(m_settings, sensor) = false;
        }
    }
    m_swapIntervalEditable = m_settings.swapIcons;
    m_swapTimer.setInterval(m_settings.swapInterval);
    m_swapTimer.setEnabled(m_settings.swapIcons);
    m_trayIcon3->setIcon(m_plainIcon);
    boxesChanged();
}

void TrayIcons::activate()
{
    if (m_suspended) {
        return;
    }
    for (const TraySensor sensor : TraySettings::Sensors) {
        iconOf(sensor).setActive(TraySettings::showBox(m_settings, sensor));
    }
    // The first poll ran before TrayIcon3 was shown and so left its tooltip
    // alone; unless the cycle has given it one, it shows the readings.
    if (!m_settings.swapIcons || !TraySettings::anySwapBox(m_settings)) {
        m_trayIcon3->setToolTip(CreateToolTip());
    }
    CheckTrayIcons();
}

void TrayIcons::drawIcon(TraySensor sensor)
{
    const std::string& label = m_tooltip.label(sensor);
    const std::string degree = degreeText(m_settings.showDegreeInWindow);
    const TrayStyle& style = m_settings.trayStyles[static_cast<std::size_t>(sensor)];
    m_bitmap.prepare(TrayIconText::bitmapWidth(label, degree), style, m_settings.trayLines);
    const std::string text = TrayIconText::text(label, degree, m_settings.trayDegreeSymbol);
    m_bitmap.drawText(text, TrayIconText::textX(text), TrayIconText::TextY, style);
    TrayIcon& icon = iconOf(sensor);
    // The new picture reaches the notification area with the tooltip write.
    icon.replaceIconHandle(m_bitmap.makeIcon());
    icon.setToolTip(m_tooltip.iconToolTip(sensor));
}

void TrayIcons::CreateIcon()
{
    if (m_settings.showTempInTray || m_settings.swapIcons) {
        for (const TraySensor sensor : TraySettings::Sensors) {
            if (TraySettings::showBox(m_settings, sensor) || TraySettings::swapBox(m_settings, sensor)) {
                drawIcon(sensor);
            }
        }
    }
    if (m_trayIcon3->Active() && !m_settings.swapIcons && !m_suspended) {
        m_trayIcon3->setToolTip(CreateToolTip());
    }
}

std::string TrayIcons::CreateToolTip() const
{
    return m_tooltip.CreateToolTip();
}

void TrayIcons::CheckTrayIcons()
{
    m_trayIcon3->setActive(!TraySettings::anyShowBox(m_settings));
}

void TrayIcons::Timer2Timer()
{
    if (m_suspended) {
        return;
    }
    const std::optional<TraySensor> turn = m_swapCycle.advance(swapBoxes());
    if (!turn) {
        return;
    }
    CreateIcon();
    const TrayIcon& from = iconOf(*turn);
    m_trayIcon3->setIcon(from.Icon());
    m_trayIcon3->setToolTip(from.ToolTip());
}

void TrayIcons::leaveSwapMode()
{
    for (const TraySensor sensor : TraySettings::Sensors) {
        m_swapEditable[static_cast<std::size_t>(sensor)] = false;
        TraySettings::swapBox(m_settings, sensor) = false;
    }
    m_swapIntervalEditable = false;
    m_swapTimer.setEnabled(false);
    if (!m_suspended) {
        m_trayIcon3->setIcon(m_plainIcon);
    }
}

void TrayIcons::RadioButton18Click()
{
    m_settings.showTempInTray = true;
    m_settings.swapIcons = false;
    for (const TraySensor sensor : TraySettings::Sensors) {
        m_showEditable[static_cast<std::size_t>(sensor)] = TraySettings::sensorEnabled(m_settings, sensor);
    }
    leaveSwapMode();
    if (!m_suspended) {
        CheckTrayIcons();
    }
    boxesChanged();
    redrawIfPolling();
}

void TrayIcons::RadioButton19Click()
{
    m_settings.swapIcons = true;
    m_settings.showTempInTray = false;
    for (const TraySensor sensor : TraySettings::Sensors) {
        const std::size_t i = static_cast<std::size_t>(sensor);
        m_swapEditable[i] = TraySettings::sensorEnabled(m_settings, sensor);
        m_showEditable[i] = false;
        setShowBox(sensor, false);
    }
    m_swapIntervalEditable = true;
    m_swapTimer.setInterval(m_settings.swapInterval);
    if (!m_suspended) {
        // While suspended, resume starts the swap tick.
        m_trayIcon3->setIcon(m_plainIcon);
        m_swapTimer.setEnabled(true);
        CheckTrayIcons();
    }
    boxesChanged();
    redrawIfPolling();
}

void TrayIcons::setShowBox(TraySensor sensor, bool checked)
{
    TraySettings::showBox(m_settings, sensor) = checked;
    if (!m_suspended) {
        iconOf(sensor).setActive(checked);
    }
}

void TrayIcons::showBoxClick(TraySensor sensor, bool checked)
{
    setShowBox(sensor, checked);
    if (!m_suspended) {
        CheckTrayIcons();
    }
    redrawIfPolling();
}

void TrayIcons::swapBoxClick(TraySensor sensor, bool checked)
{
    TraySettings::swapBox(m_settings, sensor) = checked;
    if (!TraySettings::anySwapBox(m_settings) && !m_suspended) {
        // Nothing left to swap: the program icon comes back, with the
        // tooltip of the readings instead of the last swapped name.
        m_trayIcon3->setIcon(m_plainIcon);
        m_trayIcon3->setToolTip(CreateToolTip());
    }
}

void TrayIcons::setTrayLines(bool on)
{
    m_settings.trayLines = on;
    redrawIfPolling();
}

void TrayIcons::setTrayDegreeSymbol(bool on)
{
    m_settings.trayDegreeSymbol = on;
    redrawIfPolling();
}

void TrayIcons::setTrayStyle(TraySensor sensor, const TrayStyle& style)
{
    m_settings.trayStyles[static_cast<std::size_t>(sensor)] = style;
    redrawIfPolling();
}

void TrayIcons::swapIntervalUp()
{
    m_settings.swapInterval = SwapCycle::intervalUp(m_settings.swapInterval);
    m_swapTimer.setInterval(m_settings.swapInterval);
}

void TrayIcons::swapIntervalDown()
{
    m_settings.swapInterval = SwapCycle::intervalDown(m_settings.swapInterval);
    m_swapTimer.setInterval(m_settings.swapInterval);
}

std::string TrayIcons::swapIntervalCaption() const
{
    return SwapCycle::intervalCaption(m_settings.swapInterval);
}

void TrayIcons::suspend()
{
    if (m_suspended) {
        return;
    }
    m_suspended = true;
    for (const TraySensor sensor : TraySettings::Sensors) {
        iconOf(sensor).setActive(false);
    }
    m_trayIcon3->setIcon(m_suspendedIcon);
    m_trayIcon3->setToolTip(SuspendToolTip);
    m_trayIcon3->setActive(true);
}

void TrayIcons::resume()
{
    if (!m_suspended) {
        return;
    }
    m_suspended = false;
    for (const TraySensor sensor : TraySettings::Sensors) {
        iconOf(sensor).setActive(TraySettings::showBox(m_settings, sensor));
    }
    m_trayIcon3->setIcon(m_plainIcon);
    m_trayIcon3->setToolTip(CreateToolTip());
    CheckTrayIcons();
    // The mode may have changed while suspended: the swap tick runs in swap
    // mode only.
    m_swapTimer.setEnabled(m_settings.swapIcons);
}

} // namespace cdx
