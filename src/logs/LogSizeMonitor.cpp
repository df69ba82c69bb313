#include "logs/LogSizeMonitor.h"

#include "logs/LogFileError.h"

namespace cdx {

std::string LogSizeMonitor::sizeLabel(const std::string& prefix, std::uintmax_t bytes)
{
    return prefix + std::to_string(bytes / 1024) + "Kb";
}

std::uintmax_t LogSizeMonitor::measureInto(const std::string& path, const std::string& prefix, std::string& label)
{
    const std::uintmax_t bytes = m_meter.measure(path);
    label = sizeLabel(prefix, bytes);
    changed();
    return bytes;
}

IntervalLogSizes LogSizeMonitor::measureIntervalLog()
{
    IntervalLogSizes sizes;
    sizes.txtKb = static_cast<std::int64_t>(measureInto(m_paths.intervalTxt, "TXT:", m_labels.intervalTxt) / 1024);
    sizes.htmKb = static_cast<std::int64_t>(measureInto(m_paths.intervalHtm, "HTM:", m_labels.intervalHtm) / 1024);
    try {
        sizes.csvKb = static_cast<std::int64_t>(measureInto(m_paths.intervalCsv, "CSV:", m_labels.intervalCsv) / 1024);
    } catch (const LogFileError&) {
        sizes.csvKb = -1;
        m_labels.intervalCsv = "CSV: File Locked";
        changed();
    }
    return sizes;
}

void LogSizeMonitor::measureWarningLog()
{
    measureInto(m_paths.warningTxt, "TXT:", m_labels.warningTxt);
    measureInto(m_paths.warningHtm, "HTM:", m_labels.warningHtm);
}

void LogSizeMonitor::measureUpDownLog()
{
    measureInto(m_paths.upDownTxt, "TXT:", m_labels.upDownTxt);
    measureInto(m_paths.upDownHtm, "HTM:", m_labels.upDownHtm);
}

void LogSizeMonitor::changed()
{
    if (m_onChanged) {
        m_onChanged();
    }
}

} // namespace cdx
