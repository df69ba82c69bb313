#include "ui/TrayIcon.h"

#include <QCoreApplication>
#include <QCursor>
#include <QMenu>

#include "platform/NotificationArea.h"
#include "platform/WindowMessages.h"
#include "sensors/Formats.h"

namespace cdx {

TrayIcon::TrayIcon(NotificationArea& area, QObject* owner)
    : QObject(owner), m_area(area), m_icon(std::make_shared<IconImage>()),
      m_window([this](std::uint32_t message, std::uint64_t wParam, std::int64_t lParam) {
          return windowProcedure(message, wParam, lParam);
      })
{
}

TrayIcon::~TrayIcon()
{
    if (m_active) {
        removeIcon();
    }
}

NotifyIconData TrayIcon::record()
{
    NotifyIconData data;
    data.size = NotifyIconData::RecordSize;
    data.window = &m_window;
    data.id = 0;
    data.flags = NotifyIconData::MessageFlag | NotifyIconData::IconFlag | NotifyIconData::TipFlag;
    data.callbackMessage = WindowMessages::TrayCallback;
    data.icon = m_icon;
    data.tip = utf8Left(m_toolTip, NotifyIconData::TipCapacity - 1);
    return data;
}

bool TrayIcon::addIcon()
{
    m_record = record();
    const bool added = m_area.notifyIcon(NotifyCommand::Add, m_record);
    if (m_toolTip.empty()) {
        // Some notification areas take the first picture only together with
        // a tooltip: send the icon once more from the event loop.
        m_window.postMessage(WindowMessages::TrayRefresh, 0, 0);
    }
    return added;
}

bool TrayIcon::refreshIcon()
{
    m_record = record();
    if (!m_active) {
        return true;
    }
    return m_area.notifyIcon(NotifyCommand::Modify, m_record);
}

bool TrayIcon::removeIcon()
{
    return m_area.notifyIcon(NotifyCommand::Delete, m_record);
}

void TrayIcon::setActive(bool value)
{
    if (value == m_active) {
        return;
    }
    m_active = value;
    if (value) {
        addIcon();
    } else {
        removeIcon();
    }
}

void TrayIcon::setIcon(const IconHandle& icon)
{
    if (icon == m_icon) {
        return;
    }
    m_icon = icon ? icon : std::make_shared<IconImage>();
    refreshIcon();
}

void TrayIcon::setToolTip(std::string_view text)
{
    m_toolTip = utf8Left(text, MaxToolTipLength);
    refreshIcon();
}

void TrayIcon::mouseUp(Qt::MouseButton button, bool showMenu, const MouseHandler& handler)
{
    const QPoint at = QCursor::pos();
    if (m_popupMenu) {
        // Let pending work finish first, so the menu opens over a settled
        // screen and closes when the user clicks elsewhere.
        QCoreApplication::processEvents();
        if (showMenu && m_popupMenu) {
            m_popupMenu->exec(at);
        }
    }
    if (handler) {
        handler(*this, button, Qt::NoModifier, at.x(), at.y());
    }
}

std::int64_t TrayIcon::windowProcedure(std::uint32_t message, std::uint64_t /*wParam*/, std::int64_t lParam)
{
    if (message == WindowMessages::TrayRefresh) {
        setToolTip(std::string(m_toolTip));
        return 0;
    }
    if (message != WindowMessages::TrayCallback) {
        return 0;
    }
    switch (static_cast<std::uint32_t>(lParam)) {
    case WindowMessages::LeftButtonUp:
        mouseUp(Qt::LeftButton, !m_onDblClick, m_onClick);
        break;
    case WindowMessages::LeftButtonDoubleClick:
        if (m_onDblClick) {
            m_onDblClick(*this);
        }
        break;
    case WindowMessages::RightButtonUp:
        mouseUp(Qt::RightButton, true, m_onRightClick);
        break;
    default:
        break;
    }
    return 0;
}

} // namespace cdx
