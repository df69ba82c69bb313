#pragma once

#include <iosfwd>

namespace cdx {

// The desktop's tray as Qt reaches it: a StatusNotifierItem host over D-Bus
// or an XEmbed tray window. Says once on the diagnostics stream when there is
// neither, and tells whether the host reports double clicks.
class SystemTray {
public:
    explicit SystemTray(std::ostream& diagnostics) : m_diagnostics(diagnostics) {}

    // True when a tray host is present. The first time it is not, that is
    // said on the diagnostics stream; icons shown meanwhile appear when a
    // host starts later.
    bool available();

    // XEmbed trays report double clicks themselves (Qt draws their icons with
    // a widget of its own); StatusNotifierItem hosts have no double click.
    static bool hostReportsDoubleClicks();

private:
    std::ostream& m_diagnostics;
    bool m_saidUnavailable = false;
};

} // namespace cdx
