#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include <QMenu>
#include <QObject>
#include <QPointer>
#include <Qt>

#include "platform/IconImage.h"
#include "platform/NotifyIconData.h"
#include "platform/qt/QtMessageWindow.h"

namespace cdx {

class NotificationArea;

// One icon in the notification area: it adds, changes and removes the icon,
// keeps its picture and tooltip, and turns clicks on it into events and the
// popup menu. Each tray icon has a hidden message window of its own, by which
// the notification area tells its icons apart (all have identifier 0).
//
// A left button release opens the popup menu only when no double-click handler
// is set, so an icon that opens a window on a double click shows its menu on
// the right button alone. The click events are raised after the menu closes.
class TrayIcon : public QObject {
    Q_OBJECT
public:
    using MouseHandler =
        std::function<void(TrayIcon& sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y)>;
    using NotifyHandler = std::function<void(TrayIcon& sender)>;

    static constexpr std::size_t MaxToolTipLength = 62;

    // The notification area must outlive the icon.
    explicit TrayIcon(NotificationArea& area, QObject* owner = nullptr);
    ~TrayIcon() override;

    // True while the icon is in the notification area.
    bool active() const { return m_active; }
    void setActive(bool value);

    // Only meaningful inside a form designer, which this program has not.
    bool showDesigning() const { return false; }
    void setShowDesigning(bool /*value*/) {}

    // The icon's picture. Setting another picture sends it at once.
    const IconHandle& icon() const { return m_icon; }
    void setIcon(const IconHandle& icon);
    // Replaces the picture without telling the notification area; the next
    // refresh (a tooltip write) sends it.
    void replaceIconHandle(IconHandle icon) { m_icon = std::move(icon); }

    // At most MaxToolTipLength characters; a longer text keeps its beginning.
    // Every write sends the icon again.
    const std::string& toolTip() const { return m_toolTip; }
    void setToolTip(std::string_view text);

    const MouseHandler& onClick() const { return m_onClick; }
    void setOnClick(MouseHandler handler) { m_onClick = std::move(handler); }
    const NotifyHandler& onDblClick() const { return m_onDblClick; }
    void setOnDblClick(NotifyHandler handler) { m_onDblClick = std::move(handler); }
    const MouseHandler& onRightClick() const { return m_onRightClick; }
    void setOnRightClick(MouseHandler handler) { m_onRightClick = std::move(handler); }

    // Not owned.
    QMenu* popupMenu() const { return m_popupMenu; }
    void setPopupMenu(QMenu* menu) { m_popupMenu = menu; }

    // The hidden window the notification area reports clicks to.
    MessageWindow& window() { return m_window; }

private:
    NotifyIconData record();
    bool addIcon();
    bool refreshIcon();
    bool removeIcon();
    std::int64_t windowProcedure(std::uint32_t message, std::uint64_t wParam, std::int64_t lParam);
    void mouseUp(Qt::MouseButton button, bool showMenu, const MouseHandler& handler);

    NotificationArea& m_area;
    NotifyIconData m_record;
    IconHandle m_icon;
    std::string m_toolTip;
    QtMessageWindow m_window;
    bool m_active = false;
    MouseHandler m_onClick;
    NotifyHandler m_onDblClick;
    MouseHandler m_onRightClick;
    QPointer<QMenu> m_popupMenu;
};

} // namespace cdx
