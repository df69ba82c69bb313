#include "ui/TrayIcon.h"

#include <QCursor>
#include <QImage>
#include <QPixmap>

#include "platform/qt/SystemTray.h"
#include "sensors/Formats.h"

namespace cdx {

namespace {

// A tray icon needs a picture; an empty one keeps the place.
QIcon placeholderIcon()
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return QIcon(QPixmap::fromImage(image));
}

} // namespace

TrayIcon::TrayIcon(SystemTray& tray, QObject* owner) : QObject(owner), m_tray(tray)
{
}

TrayIcon::~TrayIcon() = default;

void TrayIcon::ensureDesktopIcon()
{
    if (m_desktopIcon) {
        return;
    }
    m_desktopIcon = std::make_unique<QSystemTrayIcon>();
    m_desktopIcon->setIcon(m_icon.isNull() ? placeholderIcon() : m_icon);
    m_desktopIcon->setToolTip(QString::fromStdString(m_toolTip));
    m_desktopIcon->setContextMenu(m_popupMenu);
    // Queued: the handlers run once the host's report has been answered.
    connect(m_desktopIcon.get(), &QSystemTrayIcon::activated, this, &TrayIcon::activated, Qt::QueuedConnection);
}

void TrayIcon::setActive(bool value)
{
    if (value == m_active) {
        return;
    }
    m_active = value;
    if (value) {
        m_tray.available();
        ensureDesktopIcon();
        m_desktopIcon->show();
    } else if (m_desktopIcon) {
        m_desktopIcon->hide();
    }
}

void TrayIcon::setIcon(const QIcon& icon)
{
    if (icon.cacheKey() == m_icon.cacheKey()) {
        return;
    }
    m_icon = icon;
    if (m_desktopIcon) {
        m_desktopIcon->setIcon(m_icon.isNull() ? placeholderIcon() : m_icon);
    }
}

QImage TrayIcon::picture(int height) const
{
    const QList<QSize> sizes = m_icon.availableSizes();
    for (const QSize& size : sizes) {
        if (size.height() == height) {
            return m_icon.pixmap(size, 1.0).toImage();
        }
    }
    return {};
}

void TrayIcon::setToolTip(std::string_view text)
{
    m_toolTip = utf8Left(text, MaxToolTipLength);
    if (m_desktopIcon) {
        m_desktopIcon->setToolTip(QString::fromStdString(m_toolTip));
    }
}

void TrayIcon::setPopupMenu(QMenu* menu)
{
    m_popupMenu = menu;
    if (m_desktopIcon) {
        m_desktopIcon->setContextMenu(menu);
    }
}

std::vector<TrayIcon::Click> TrayIcon::clicksFor(QSystemTrayIcon::ActivationReason reason, bool hostReportsDoubleClicks)
{
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        if (hostReportsDoubleClicks) {
            return {Click::Left};
        }
        return {Click::Left, Click::Double};
    case QSystemTrayIcon::DoubleClick:
        return {Click::Double};
    case QSystemTrayIcon::Context:
        return {Click::Right};
    case QSystemTrayIcon::MiddleClick:
    case QSystemTrayIcon::Unknown:
        break;
    }
    return {};
}

void TrayIcon::activated(QSystemTrayIcon::ActivationReason reason)
{
    for (const Click each : clicksFor(reason, SystemTray::hostReportsDoubleClicks())) {
        click(each);
    }
}

void TrayIcon::click(Click click)
{
    const QPoint at = QCursor::pos();
    switch (click) {
    case Click::Left:
        // The desktop opens the context menu on the right button only.
        if (!m_onDblClick && m_popupMenu) {
            m_popupMenu->exec(at);
        }
        if (m_onClick) {
            m_onClick(*this, Qt::LeftButton, Qt::NoModifier, at.x(), at.y());
        }
        break;
    case Click::Double:
        if (m_onDblClick) {
            m_onDblClick(*this);
        }
        break;
    case Click::Right:
        if (m_onRightClick) {
            m_onRightClick(*this, Qt::RightButton, Qt::NoModifier, at.x(), at.y());
        }
        break;
    }
}

} // namespace cdx
