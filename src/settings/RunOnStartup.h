#pragma once

#include <functional>
#include <string>

namespace cdx {

class AutostartEntry;
class ProgramLocation;
class Registry;

// The "Run on startup" setting: the program's value in the machine's Run key,
// holding the executable's short path, and the desktop's autostart entry that
// starts that path at login. The two are kept in step.
class RunOnStartup {
public:
    using ShowMessage = std::function<void(const std::string&)>;

    RunOnStartup(Registry& registry, const ProgramLocation& location, AutostartEntry& autostart);

    // The start-up check: removes the values older versions left in the Run
    // key and returns whether the program's own value is there. Without it, a
    // leftover autostart entry is removed. Errors count as "not there".
    bool checkAtStartup();

    // The check at start-up; when the value is there it is written again
    // with the current path, so a moved program keeps starting from where it
    // now lies. Returns whether it was there.
    bool renewAtStartup();

    // What the user is told before the entry is written while the window shows.
    std::string launchMessage() const;

    // The "Run on startup" box was clicked (or set at start-up) and is now
    // `checked`. Checked: when `windowVisible`, `showMessage` gets
    // launchMessage() first; then the value is written with the current path
    // and the autostart entry made to start it. Unchecked: both are removed.
    // Errors are not raised; returns whether the entry now matches the box.
    bool apply(bool checked, bool windowVisible, const ShowMessage& showMessage = {});

private:
    std::string programPath() const;

    Registry& m_registry;
    const ProgramLocation& m_location;
    AutostartEntry& m_autostart;
};

} // namespace cdx
