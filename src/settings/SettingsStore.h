#pragma once

#include <functional>
#include <iostream>

#include "settings/Settings.h"
#include "settings/SettingsSchema.h"

namespace cdx {

class ProgramLocation;
class Registry;

// What a load found.
struct SettingsLoad {
    bool keyExisted = false; // false: a first run
    int rowsLoaded = 0;      // rows read and applied in load order, kLoadedRowCount when complete

    bool complete() const { return rowsLoaded == kLoadedRowCount; }
    // The hidden popup item shows only when the load reached its end.
    bool showZunoItem(const Settings& settings) const { return complete() && settings.zuno; }
};

// Loads and saves the settings key of the current user.
class SettingsStore {
public:
    // Called after each row is applied, in load order, with the record as it
    // now stands; rules that touch other members (the CPU type, empty names,
    // radio groups) have run by then.
    using RowApplied = std::function<void(const SettingRow&, Settings&)>;

    // A value the load adjusts or sets aside is reported on `messages`.
    SettingsStore(Registry& registry, const ProgramLocation& location, std::ostream& messages = std::cerr);

    // Reads the stored values into `settings` in load order, stopping silently
    // at the first unreadable one; members not reached keep what they held.
    // A number no editor could produce is brought into its editor's bounds (a
    // float NaN to its default) and a text longer than its row allows is set
    // aside, each with one line on the messages stream; the load goes on.
    // A missing or unopenable key loads nothing.
    SettingsLoad readRegistry(Settings& settings, const RowApplied& onApplied = {}) const;

    // Remembers the window's position unless it is parked off-screen, then
    // writes every value, creating the key when absent. A value that cannot be
    // written throws RegistryError and none of the values is stored: a save
    // writes all of them or nothing.
    void writeRegistry(Settings& settings, int windowLeft, int windowTop);

    // Writes the executable's short path on its own, creating the key when
    // absent. Throws RegistryError when that fails.
    void writeProgramPath();

    // The window's left edge while it is hidden off-screen.
    static constexpr int kParkedLeft = -5000;

private:
    Registry& m_registry;
    const ProgramLocation& m_location;
    std::ostream& m_messages;
};

} // namespace cdx
