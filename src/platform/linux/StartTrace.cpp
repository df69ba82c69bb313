#include "platform/linux/StartTrace.h"

#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace cdx {

StartTrace StartTrace::fromEnvironment()
{
    const char* value = std::getenv("CALDRIX_START_TRACE");
    return StartTrace(value == nullptr ? std::string_view() : std::string_view(value));
}

StartTrace::StartTrace(std::string_view launchTime)
{
    std::int64_t ns = 0;
    const char* end = launchTime.data() + launchTime.size();
    const auto [rest, error] = std::from_chars(launchTime.data(), end, ns);
    if (!launchTime.empty() && error == std::errc() && rest == end && ns > 0) {
        m_launchNs = ns;
    }
}

std::optional<std::string> StartTrace::line(std::string_view what, std::int64_t nowNs) const
{
    if (!m_launchNs) {
        return std::nullopt;
    }
    char ms[32];
    std::snprintf(ms, sizeof ms, "%.1f", static_cast<double>(nowNs - *m_launchNs) / 1e6);
    std::string text = "Caldrix: start: ";
    text.append(what).append(" after ").append(ms).append(" ms");
    return text;
}

void StartTrace::mark(std::string_view what) const
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    if (const auto text = line(what, std::chrono::duration_cast<std::chrono::nanoseconds>(now).count())) {
        std::fprintf(stderr, "%s\n", text->c_str());
    }
}

} // namespace cdx
