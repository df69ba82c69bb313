#pragma once

#include <cstdint>
#include <iosfwd>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include <QObject>
#include <QSystemTrayIcon>

#include "platform/NotificationArea.h"

namespace cdx {

// The desktop's notification area through Qt's tray icons. Clicks come back
// as the record's callback message carrying the mouse message numbers of a
// left button release, a left double click and a right button release.
//
// Tray hosts of the StatusNotifierItem kind report one activation per click
// and never a double click; there a single activation is reported as a left
// release followed by a double click, so that whatever opens on a double click
// can be opened from the tray at all. Older (XEmbed) hosts report double
// clicks themselves.
//
// Without any tray host (a bare X server, the offscreen platform) every call
// is refused and the program runs without tray icons; this is said once on
// the diagnostics stream.
class QtNotificationArea : public QObject, public NotificationArea {
    Q_OBJECT
public:
    explicit QtNotificationArea(std::ostream& diagnostics, QObject* parent = nullptr);
    ~QtNotificationArea() override;

    bool notifyIcon(NotifyCommand command, const NotifyIconData& data) override;

    // The mouse messages one activation stands for.
    static std::vector<std::uint32_t> mouseMessagesFor(QSystemTrayIcon::ActivationReason reason,
                                                       bool hostReportsDoubleClicks);

private:
    struct Shown {
        std::unique_ptr<QSystemTrayIcon> icon;
        NotifyIconData data;
        bool hostReportsDoubleClicks = false;
    };
    using Key = std::pair<const MessageWindow*, std::uint32_t>;

    bool available();
    void apply(Shown& shown, const NotifyIconData& data);
    void activated(const Key& key, QSystemTrayIcon::ActivationReason reason);

    std::ostream& m_diagnostics;
    bool m_saidUnavailable = false;
    std::map<Key, Shown> m_shown;
};

} // namespace cdx
