#pragma once

#include <array>
#include <cstdint>

namespace cdx {

// The stretches the History window shows, ending now.
enum class HistorySpan { TenMinutes, Hour, Day };

inline constexpr std::array<HistorySpan, 3> kAllHistorySpans{HistorySpan::TenMinutes, HistorySpan::Hour,
                                                             HistorySpan::Day};

inline constexpr std::int64_t spanSeconds(HistorySpan span)
{
    switch (span) {
    case HistorySpan::TenMinutes:
        return 10 * 60;
    case HistorySpan::Hour:
        return 60 * 60;
    case HistorySpan::Day:
        break;
    }
    return 24 * 60 * 60;
}

// The day is drawn from the minute bands, the shorter spans from every poll.
inline constexpr bool drawsMinuteBands(HistorySpan span)
{
    return span == HistorySpan::Day;
}

} // namespace cdx
