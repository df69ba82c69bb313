#pragma once

#include <functional>
#include <optional>
#include <string>

#include "lifecycle/FirstRunDialogs.h"
#include "settings/SettingsStore.h"

namespace cdx {

// The questions of a first start (no settings stored yet): the start-up
// information, the agreement, the start-up settings and the chip notice.
class FirstRunSequence {
public:
    enum class Outcome { Agreed, Refused };

    struct StartUp {
        SettingsLoad load;
        bool firstRun = false;
        bool refused = false; // "I Don't Agree": the program is to end
        std::string error;    // the settings key could not be written
    };

    // Loads the settings; when none were stored (a first run) asks the four
    // questions, with `questions` and `chipId` read only then. Unless the
    // agreement was refused, the settings key is made (with the program's
    // path), so that the next start is no first run; after a refusal nothing
    // is stored and the next start asks again.
    static StartUp startUp(SettingsStore& store, Settings& settings, FirstRunDialogs& dialogs,
                           const std::function<StartupQuestions()>& questions, const std::function<int()>& chipId);

    // Shows the four dialogs in order. After "I Don't Agree" nothing more is
    // asked and `settings` is left as it was; otherwise the answers of the
    // settings dialog are in `settings`.
    static Outcome run(FirstRunDialogs& dialogs, const StartupQuestions& questions, int chipId, Settings& settings);

    // Puts the settings dialog's answers into the record: the core voltage,
    // its port and, `withCpuType`, the CPU type with its offset (the type is
    // not asked where the CPU sensor reports the true temperature).
    static void applyChoices(const StartupChoices& choices, Settings& settings, bool withCpuType = true);

    // The chip notice for the number GetChipID returned.
    static std::string chipText(int chipId);

    // "Port 0: 1.65Volt": a port radio's caption with its reading ("Port 0:
    // not available" without one).
    static std::string portCaption(int port, std::optional<double> volts, const std::string& decimalSeparator);
};

} // namespace cdx
