#pragma once

#include <string>

#include "platform/AutostartEntry.h"

namespace cdx {

// A desktop entry file "caldrix.desktop" in an XDG autostart folder, which
// desktops following the freedesktop autostart rules run at login.
class XdgAutostartEntry : public AutostartEntry {
public:
    // `autostartDirectory` is created on demand when installing.
    explicit XdgAutostartEntry(std::string autostartDirectory);

    // $XDG_CONFIG_HOME/autostart, or $HOME/.config/autostart when that is
    // unset, empty or not absolute; empty when neither is known.
    static std::string defaultDirectory();

    // The desktop entry that starts `path`. Throws AutostartError for a path
    // that cannot be stated in one (empty, or holding a control character).
    static std::string desktopFileText(const std::string& path);

    std::string filePath() const;

    void install(const std::string& path) override;
    void remove() override;
    bool installed() const override;

private:
    std::string m_directory;
};

} // namespace cdx
