#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <QIcon>
#include <QImage>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>
#include <Qt>

namespace cdx {

class SystemTray;

// One icon in the desktop's tray: it shows and hides the icon, keeps its
// picture and tooltip, hands the popup menu to the desktop and turns the
// desktop's activations into click events.
//
// The popup menu is the icon's context menu: a StatusNotifierItem host gets it
// over D-Bus and draws it itself, an XEmbed tray opens it at the cursor on the
// right button. A left click opens it only when no double-click handler is
// set, so an icon that opens a window on a double click shows its menu on the
// right button alone. Click events are raised from the event loop, after the
// desktop's report has been handled.
class TrayIcon : public QObject {
    Q_OBJECT
public:
    using MouseHandler =
        std::function<void(TrayIcon& sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y)>;
    using NotifyHandler = std::function<void(TrayIcon& sender)>;

    // What one activation stands for.
    enum class Click { Left, Double, Right };

    static constexpr std::size_t MaxToolTipLength = 62;

    // The tray must outlive the icon.
    explicit TrayIcon(SystemTray& tray, QObject* owner = nullptr);
    ~TrayIcon() override;

    // True while the icon is in the tray.
    bool active() const { return m_active; }
    void setActive(bool value);

    // Only meaningful inside a form designer, which this program has not.
    bool showDesigning() const { return false; }
    void setShowDesigning(bool /*value*/) {}

    // The icon's picture, in every size it was drawn at; the host picks the
    // size it shows.
    const QIcon& icon() const { return m_icon; }
    void setIcon(const QIcon& icon);
    // The picture drawn for `height`, as drawn (a null image when there is
    // none of that height).
    QImage picture(int height) const;

    // At most MaxToolTipLength characters; a longer text keeps its beginning.
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
    void setPopupMenu(QMenu* menu);

    // The desktop's icon, made when first shown; null before.
    QSystemTrayIcon* desktopIcon() const { return m_desktopIcon.get(); }

    // The clicks one activation stands for. Hosts with single activations
    // only report a left click that is also the double click, so whatever
    // opens on a double click opens from such a tray at all.
    static std::vector<Click> clicksFor(QSystemTrayIcon::ActivationReason reason, bool hostReportsDoubleClicks);

private:
    void ensureDesktopIcon();
    void activated(QSystemTrayIcon::ActivationReason reason);
    void click(Click click);

    SystemTray& m_tray;
    std::unique_ptr<QSystemTrayIcon> m_desktopIcon;
    QIcon m_icon;
    std::string m_toolTip;
    bool m_active = false;
    MouseHandler m_onClick;
    NotifyHandler m_onDblClick;
    MouseHandler m_onRightClick;
    QPointer<QMenu> m_popupMenu;
};

} // namespace cdx
