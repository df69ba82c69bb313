#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "history/ReadingsHistory.h"
#include "sensors/ReadingsListener.h"

namespace cdx {

class StateFile;
class Timer;

// Keeps the history of every poll and its day on disk: read back at start,
// written every ten minutes and at the end. A file that cannot be parsed is
// moved aside with one notice and the history starts empty; a write that
// fails is told once, until one succeeds again.
class HistoryKeeper : public ReadingsListener {
public:
    static constexpr int kSaveIntervalMs = 10 * 60 * 1000;

    struct Parts {
        StateFile& file;
        Timer& saveTimer;
        std::function<int()> pollInterval;              // milliseconds
        std::function<std::int64_t()> nowSeconds;       // the wall clock, Unix time
        std::function<void(const std::string&)> notice; // one line for the user
    };

    explicit HistoryKeeper(Parts parts);

    // Reads the saved day back and starts the regular saves.
    void load();
    // Writes the day now (the timer's tick, and the end of the program).
    void save();
    // The program was uninstalled: nothing more is written, and the saved
    // day is removed.
    void forget();

    void readingsTaken(const Readings& readings) override;
    // Run after each poll was taken in (the open window redraws).
    void setOnAppended(std::function<void()> handler) { m_onAppended = std::move(handler); }

    const ReadingsHistory& history() const { return m_history; }

private:
    void tell(const std::string& line) const;

    Parts m_parts;
    ReadingsHistory m_history;
    std::function<void()> m_onAppended;
    bool m_changed = false;
    bool m_writeFailed = false;
    bool m_saveBlocked = false; // a file that could not be read is never replaced
};

} // namespace cdx
