#include "platform/qt/QtNotificationArea.h"

#include <ostream>

#include <QApplication>
#include <QPixmap>
#include <QWidget>

#include "platform/MessageWindow.h"
#include "platform/WindowMessages.h"
#include "platform/qt/QtIconImage.h"

namespace cdx {

namespace {

QIcon toQIcon(const IconHandle& handle)
{
    QImage image = handle ? toQImage(*handle) : QImage();
    if (image.isNull()) {
        // A tray icon needs a picture; an empty one keeps the place.
        image = QImage(16, 16, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
    }
    return QIcon(QPixmap::fromImage(image));
}

// Qt draws tray icons on XEmbed hosts with a widget of its own, which reports
// double clicks; the StatusNotifierItem protocol has no double click.
bool hostReportsDoubleClicks()
{
    const auto widgets = QApplication::topLevelWidgets();
    for (const QWidget* widget : widgets) {
        if (widget->objectName() == QLatin1String("QSystemTrayIconSys")) {
            return true;
        }
    }
    return false;
}

} // namespace

QtNotificationArea::QtNotificationArea(std::ostream& diagnostics, QObject* parent)
    : QObject(parent), m_diagnostics(diagnostics)
{
}

QtNotificationArea::~QtNotificationArea() = default;

bool QtNotificationArea::available()
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

std::vector<std::uint32_t> QtNotificationArea::mouseMessagesFor(QSystemTrayIcon::ActivationReason reason,
                                                                bool hostReportsDoubleClicks)
{
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        if (hostReportsDoubleClicks) {
            return {WindowMessages::LeftButtonUp};
        }
        return {WindowMessages::LeftButtonUp, WindowMessages::LeftButtonDoubleClick};
    case QSystemTrayIcon::DoubleClick:
        return {WindowMessages::LeftButtonDoubleClick};
    case QSystemTrayIcon::Context:
        return {WindowMessages::RightButtonUp};
    case QSystemTrayIcon::MiddleClick:
    case QSystemTrayIcon::Unknown:
        break;
    }
    return {};
}

void QtNotificationArea::apply(Shown& shown, const NotifyIconData& data)
{
    if ((data.flags & NotifyIconData::IconFlag) != 0) {
        shown.icon->setIcon(toQIcon(data.icon));
        shown.data.icon = data.icon;
    }
    if ((data.flags & NotifyIconData::TipFlag) != 0) {
        shown.icon->setToolTip(QString::fromStdString(data.tip));
        shown.data.tip = data.tip;
    }
    if ((data.flags & NotifyIconData::MessageFlag) != 0) {
        shown.data.callbackMessage = data.callbackMessage;
        shown.data.flags |= NotifyIconData::MessageFlag;
    }
}

void QtNotificationArea::activated(const Key& key, QSystemTrayIcon::ActivationReason reason)
{
    const auto found = m_shown.find(key);
    if (found == m_shown.end()) {
        return;
    }
    const Shown& shown = found->second;
    if ((shown.data.flags & NotifyIconData::MessageFlag) == 0) {
        return;
    }
    for (const std::uint32_t mouseMessage : mouseMessagesFor(reason, shown.hostReportsDoubleClicks)) {
        shown.data.window->postMessage(shown.data.callbackMessage, shown.data.id, mouseMessage);
    }
}

bool QtNotificationArea::notifyIcon(NotifyCommand command, const NotifyIconData& data)
{
    if (data.window == nullptr || !available()) {
        return false;
    }
    const Key key{data.window, data.id};
    const auto found = m_shown.find(key);
    switch (command) {
    case NotifyCommand::Add: {
        if (found != m_shown.end()) {
            return false;
        }
        Shown shown;
        shown.icon = std::make_unique<QSystemTrayIcon>();
        shown.data.window = data.window;
        shown.data.id = data.id;
        apply(shown, data);
        if (shown.icon->icon().isNull()) {
            shown.icon->setIcon(toQIcon(nullptr));
        }
        connect(shown.icon.get(), &QSystemTrayIcon::activated, this,
                [this, key](QSystemTrayIcon::ActivationReason reason) { activated(key, reason); });
        shown.icon->show();
        shown.hostReportsDoubleClicks = hostReportsDoubleClicks();
        m_shown.emplace(key, std::move(shown));
        return true;
    }
    case NotifyCommand::Modify:
        if (found == m_shown.end()) {
            return false;
        }
        apply(found->second, data);
        return true;
    case NotifyCommand::Delete:
        if (found == m_shown.end()) {
            return false;
        }
        found->second.icon->hide();
        m_shown.erase(found);
        return true;
    }
    return false;
}

} // namespace cdx
