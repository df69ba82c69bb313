#include "platform/RepeatedNotice.h"

#include <ostream>
#include <utility>

namespace cdx {

RepeatedNotice::RepeatedNotice(std::ostream& out, const Clock& clock, std::string prefix, std::string summary)
    : m_out(out), m_clock(clock), m_prefix(std::move(prefix)), m_summary(std::move(summary))
{
}

RepeatedNotice::~RepeatedNotice()
{
    if (m_uncounted > 0) {
        writeCount();
    }
}

void RepeatedNotice::report(const std::string& line)
{
    if (!m_reported) {
        m_reported = true;
        m_lastWritten = m_clock.tickCount();
        m_out << m_prefix << line << '\n';
        return;
    }
    ++m_uncounted;
    if (m_clock.tickCount() - m_lastWritten >= kSummaryIntervalMs) {
        writeCount();
    }
}

void RepeatedNotice::writeCount()
{
    m_out << m_prefix << m_uncounted << " more " << m_summary << '\n';
    m_out.flush();
    m_uncounted = 0;
    m_lastWritten = m_clock.tickCount();
}

} // namespace cdx
