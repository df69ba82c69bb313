#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace cdx {

// Timestamps of the start, for measuring it: when the environment variable
// CALDRIX_START_TRACE holds the moment the program was launched (nanoseconds
// since the epoch, as `date +%s%N` prints it), each mark writes one line
// "Caldrix: start: <what> after <milliseconds> ms" to standard error.
// Without it (or with anything else in it) marks do nothing.
class StartTrace {
public:
    static StartTrace fromEnvironment();
    // A trace from the launch time as the variable holds it; inactive when
    // `launchTime` is not a whole number of nanoseconds.
    explicit StartTrace(std::string_view launchTime);

    bool active() const { return m_launchNs.has_value(); }

    // The line a mark writes at `nowNs` (nanoseconds since the epoch), or
    // nothing when inactive.
    std::optional<std::string> line(std::string_view what, std::int64_t nowNs) const;

    // Writes the line for now, if active.
    void mark(std::string_view what) const;

private:
    std::optional<std::int64_t> m_launchNs;
};

} // namespace cdx
