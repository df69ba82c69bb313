#include "platform/qt/SystemTray.h"

#include <ostream>

#include <QApplication>
#include <QSystemTrayIcon>
#include <QWidget>

namespace cdx {

bool SystemTray::available()
{
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        return true;
    }
    if (!m_saidUnavailable) {
        m_saidUnavailable = true;
        m_diagnostics << "Caldrix: no system tray is available; running without tray icons.\n";
        m_diagnostics.flush();
    }
    return false;
}

bool SystemTray::hostReportsDoubleClicks()
{
    const auto widgets = QApplication::topLevelWidgets();
    for (const QWidget* widget : widgets) {
        if (widget->objectName() == QLatin1String("QSystemTrayIconSys")) {
            return true;
        }
    }
    return false;
}

} // namespace cdx
