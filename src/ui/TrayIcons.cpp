#include "ui/TrayIcons.h"

#include <utility>

#include <QPixmap>

#include "platform/Timer.h"
#include "presentation/GaugeSet.h"
#include "presentation/ReadingsPanel.h"
#include "presentation/TrayIconText.h"
#include "presentation/TraySettings.h"
#include "sensors/TemperatureText.h"
#include "ui/ProgramIcon.h"

namespace cdx {

namespace {

constexpr const char* SuspendToolTip = "In Suspend Mode";

} // namespace

TrayIcons::TrayIcons(SystemTray& systemTray, Settings& settings, const GaugeSet& gauges, ReadingsPanel& readings,
                     Timer& swapTimer, QMenu* popupMenu, std::function<void()> onDblClick,
                     std::function<bool()> pollingActive)
    : m_settings(settings), m_tooltip(settings, gauges, readings), m_swapTimer(swapTimer),
      m_pollingActive(std::move(pollingActive))
{
    // Made in the order the notification area numbers them: WB1, LM75, the
    // program icon, WB2, WB3.
    m_sensorIcons[static_cast<std::size_t>(TemperatureSensor::WB1)] = std::make_unique<TrayIcon>(systemTray);
    m_sensorIcons[static_cast<std::size_t>(TemperatureSensor::LM75)] = std::make_unique<TrayIcon>(systemTray);
    m_programIcon = std::make_unique<TrayIcon>(systemTray);
    m_sensorIcons[static_cast<std::size_t>(TemperatureSensor::WB2)] = std::make_unique<TrayIcon>(systemTray);
    m_sensorIcons[static_cast<std::size_t>(TemperatureSensor::WB3)] = std::make_unique<TrayIcon>(systemTray);

    const QImage plain = ProgramIcon::plain();
    m_plainIcon = QIcon(QPixmap::fromImage(plain));
    m_suspendedIcon = QIcon(QPixmap::fromImage(ProgramIcon::suspended(plain)));

    TrayIcon::NotifyHandler doubleClick;
    if (onDblClick) {
        doubleClick = [handler = std::move(onDblClick)](TrayIcon&) { handler(); };
    }
    m_programIcon->setPopupMenu(popupMenu);
    m_programIcon->setOnDblClick(doubleClick);
    for (const auto& icon : m_sensorIcons) {
        icon->setPopupMenu(popupMenu);
        icon->setOnDblClick(doubleClick);
    }
    m_programIcon->setIcon(m_plainIcon);
}

TrayIcons::~TrayIcons() = default;

TrayIcon& TrayIcons::iconOf(TemperatureSensor sensor)
{
    return *m_sensorIcons[static_cast<std::size_t>(sensor)];
}

std::array<bool, 4> TrayIcons::swapBoxes() const
{
    std::array<bool, 4> boxes{};
    for (const TemperatureSensor sensor : TraySettings::Sensors) {
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
        createIcon();
    }
}

void TrayIcons::loadSettings()
{
    // The two modes are one choice: a stored pair with both on is show mode.
    if (m_settings.showTempInTray) {
        m_settings.swapIcons = false;
    }
    for (const TemperatureSensor sensor : TraySettings::Sensors) {
        // Only the chosen mode's boxes may be checked.
        if (m_settings.showTempInTray) {
            TraySettings::swapBox(m_settings, sensor) = false;
        }
        if (m_settings.swapIcons) {
            TraySettings::showBox(m_settings, sensor) = false;
        }
    }
    m_swapTimer.setInterval(m_settings.swapInterval);
    m_swapTimer.setEnabled(m_settings.swapIcons);
    m_programIcon->setIcon(m_plainIcon);
    boxesChanged();
}

bool TrayIcons::showBoxEditable(TemperatureSensor sensor) const
{
    return m_settings.showTempInTray && TraySettings::sensorEnabled(m_settings, sensor);
}

bool TrayIcons::swapBoxEditable(TemperatureSensor sensor) const
{
    return m_settings.swapIcons && TraySettings::sensorEnabled(m_settings, sensor);
}

void TrayIcons::activate()
{
    if (m_suspended) {
        return;
    }
    for (const TemperatureSensor sensor : TraySettings::Sensors) {
        iconOf(sensor).setActive(TraySettings::showBox(m_settings, sensor));
    }
    // The first poll ran before TrayIcon3 was shown and so left its tooltip
    // alone; unless the cycle has given it one, it shows the readings.
    if (!m_settings.swapIcons || !TraySettings::anySwapBox(m_settings)) {
        m_programIcon->setToolTip(createToolTip());
    }
    checkTrayIcons();
}

void TrayIcons::drawIcon(TemperatureSensor sensor)
{
    const std::string& label = m_tooltip.label(sensor);
    const std::string degree = degreeText(m_settings.showDegreeInWindow);
    const TrayStyle& style = m_settings.temperature(sensor).trayStyle;
    const int width = TrayIconText::bitmapWidth(label, degree);
    const std::string text = TrayIconText::text(label, degree, m_settings.trayDegreeSymbol);
    QIcon picture;
    for (const int height : TrayIconText::Sizes) {
        m_bitmap.prepare(TrayIconText::scaled(width, height), height, style, m_settings.trayLines);
        m_bitmap.drawText(text, TrayIconText::scaled(TrayIconText::textX(text), height),
                          TrayIconText::scaled(TrayIconText::TextY, height), style);
        picture.addPixmap(QPixmap::fromImage(m_bitmap.image()));
    }
    TrayIcon& icon = iconOf(sensor);
    icon.setIcon(picture);
    icon.setToolTip(m_tooltip.iconToolTip(sensor));
}

void TrayIcons::createIcon()
{
    if (m_settings.showTempInTray || m_settings.swapIcons) {
        for (const TemperatureSensor sensor : TraySettings::Sensors) {
            if (TraySettings::showBox(m_settings, sensor) || TraySettings::swapBox(m_settings, sensor)) {
                drawIcon(sensor);
            }
        }
    }
    if (m_programIcon->active() && !m_settings.swapIcons && !m_suspended) {
        m_programIcon->setToolTip(createToolTip());
    }
}

std::string TrayIcons::createToolTip() const
{
    return m_tooltip.createToolTip();
}

void TrayIcons::checkTrayIcons()
{
    m_programIcon->setActive(!TraySettings::anyShowBox(m_settings));
}

void TrayIcons::swapTick()
{
    if (m_suspended) {
        return;
    }
    const std::optional<TemperatureSensor> turn = m_swapCycle.advance(swapBoxes());
    if (!turn) {
        return;
    }
    createIcon();
    const TrayIcon& from = iconOf(*turn);
    m_programIcon->setIcon(from.icon());
    m_programIcon->setToolTip(from.toolTip());
}

void TrayIcons::leaveSwapMode()
{
    for (const TemperatureSensor sensor : TraySettings::Sensors) {
        TraySettings::swapBox(m_settings, sensor) = false;
    }
    m_swapTimer.setEnabled(false);
    if (!m_suspended) {
        m_programIcon->setIcon(m_plainIcon);
    }
}

void TrayIcons::chooseShowMode()
{
    m_settings.showTempInTray = true;
    m_settings.swapIcons = false;
    leaveSwapMode();
    if (!m_suspended) {
        checkTrayIcons();
    }
    boxesChanged();
    redrawIfPolling();
}

void TrayIcons::chooseSwapMode()
{
    m_settings.swapIcons = true;
    m_settings.showTempInTray = false;
    for (const TemperatureSensor sensor : TraySettings::Sensors) {
        setShowBox(sensor, false);
    }
    m_swapTimer.setInterval(m_settings.swapInterval);
    if (!m_suspended) {
        // While suspended, resume starts the swap tick.
        m_programIcon->setIcon(m_plainIcon);
        m_swapTimer.setEnabled(true);
        checkTrayIcons();
    }
    boxesChanged();
    redrawIfPolling();
}

void TrayIcons::setShowBox(TemperatureSensor sensor, bool checked)
{
    TraySettings::showBox(m_settings, sensor) = checked;
    if (!m_suspended) {
        iconOf(sensor).setActive(checked);
    }
}

void TrayIcons::showBoxClick(TemperatureSensor sensor, bool checked)
{
    setShowBox(sensor, checked);
    if (!m_suspended) {
        checkTrayIcons();
    }
    redrawIfPolling();
}

void TrayIcons::swapBoxClick(TemperatureSensor sensor, bool checked)
{
    TraySettings::swapBox(m_settings, sensor) = checked;
    if (!TraySettings::anySwapBox(m_settings) && !m_suspended) {
        // Nothing left to swap: the program icon comes back, with the
        // tooltip of the readings instead of the last swapped name.
        m_programIcon->setIcon(m_plainIcon);
        m_programIcon->setToolTip(createToolTip());
    }
}

void TrayIcons::sensorSwitched(TemperatureSensor sensor)
{
    if (!TraySettings::showBox(std::as_const(m_settings), sensor)) {
        showBoxClick(sensor, false);
    }
    if (!TraySettings::swapBox(std::as_const(m_settings), sensor)) {
        swapBoxClick(sensor, false);
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

void TrayIcons::setTrayStyle(TemperatureSensor sensor, const TrayStyle& style)
{
    m_settings.temperature(sensor).trayStyle = style;
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
    for (const TemperatureSensor sensor : TraySettings::Sensors) {
        iconOf(sensor).setActive(false);
    }
    m_programIcon->setIcon(m_suspendedIcon);
    m_programIcon->setToolTip(SuspendToolTip);
    m_programIcon->setActive(true);
}

void TrayIcons::resume()
{
    if (!m_suspended) {
        return;
    }
    m_suspended = false;
    for (const TemperatureSensor sensor : TraySettings::Sensors) {
        iconOf(sensor).setActive(TraySettings::showBox(m_settings, sensor));
    }
    m_programIcon->setIcon(m_plainIcon);
    m_programIcon->setToolTip(createToolTip());
    checkTrayIcons();
    // The mode may have changed while suspended: the swap tick runs in swap
    // mode only.
    m_swapTimer.setEnabled(m_settings.swapIcons);
}

} // namespace cdx
