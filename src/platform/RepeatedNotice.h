#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

#include "platform/Clock.h"

namespace cdx {

// A notice that input can set off again and again (a flood of bad messages):
// the first occurrence is written out in full, later ones are only counted,
// and the count is written at most once a minute, so that the input never
// costs more than a line a minute of output. The count still open is written
// when the notice goes.
class RepeatedNotice {
public:
    // `summary` completes "<count> more <summary>", for example "messages to
    // \"CPUIdle\" were dropped".
    RepeatedNotice(std::ostream& out, const Clock& clock, std::string prefix, std::string summary);
    ~RepeatedNotice();

    RepeatedNotice(const RepeatedNotice&) = delete;
    RepeatedNotice& operator=(const RepeatedNotice&) = delete;

    // One occurrence; `line` is written only for the first.
    void report(const std::string& line);

    static constexpr std::uint64_t kSummaryIntervalMs = 60 * 1000;

private:
    void writeCount();

    std::ostream& m_out;
    const Clock& m_clock;
    std::string m_prefix;
    std::string m_summary;
    bool m_reported = false;
    std::uint64_t m_lastWritten = 0;
    std::uint64_t m_uncounted = 0;
};

} // namespace cdx
