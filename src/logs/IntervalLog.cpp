#include "logs/IntervalLog.h"

#include <filesystem>
#include <system_error>

#include "logs/IntervalLogEntry.h"
#include "logs/IntervalLogFormat.h"
#include "logs/LogFileError.h"
#include "sensors/Formats.h"

namespace cdx {

IntervalLog::IntervalLog(const LogServices& services, Settings& settings, Timer& timer, SnapshotSource snapshot,
                         PollingActive pollingActive)
    : m_services(services), m_settings(settings), m_timer(timer), m_snapshot(std::move(snapshot)),
      m_pollingActive(std::move(pollingActive))
{
    m_timer.setInterval(m_settings.logInterval);
    m_timer.setOnTick([this] { writeStandardLogEntry(); });
}

void IntervalLog::createMissingFiles()
{
    createMissingLog(m_services, m_services.paths.intervalTxt, [this] { writeIntervalLogStart(); });
    createMissingLog(m_services, m_services.paths.intervalHtm, [this] { writeIntervalLogStartHtml(); });
    createMissingLog(m_services, m_services.paths.intervalCsv, [this] { writeIntervalLogStartCsv(); });
}

void IntervalLog::writeIntervalLogStart()
{
    m_services.files.create(
        m_services.paths.intervalTxt,
        IntervalLogFormat::txtHeader(IntervalLogNames::of(m_settings), m_services.formats.decimalSeparator));
}

void IntervalLog::writeIntervalLogStartHtml()
{
    m_services.files.create(m_services.paths.intervalHtm,
                            IntervalLogFormat::htmHeader(IntervalLogNames::of(m_settings)));
}

void IntervalLog::writeIntervalLogStartCsv()
{
    m_services.files.create(
        m_services.paths.intervalCsv,
        IntervalLogFormat::csvHeader(IntervalLogNames::of(m_settings), m_services.formats.decimalSeparator));
}

void IntervalLog::writeStandardLogEntry()
{
    // A file that failed has been reported; measuring it again would only
    // repeat the message.
    if (writeEntry()) {
        checkLogFileSize();
    }
}

bool IntervalLog::writeEntry()
{
    // Date and time are read from the clock separately, as the two fields
    // show them.
    const std::string date = formatShortDate(m_services.clock.now(), m_services.formats);
    const std::string time = formatLongTime(m_services.clock.now(), m_services.formats);
    const IntervalLogEntry entry = IntervalLogEntry::fromWindow(date, time, m_snapshot());

    // Each format on its own, TXT first: a file that fails is reported and
    // the others are still written.
    bool written = true;
    if (m_settings.logTxt) {
        written = appendOrReport(m_services, m_services.paths.intervalTxt, IntervalLogFormat::txtRow(entry)) && written;
    }
    if (m_settings.logHtml) {
        written = appendOrReport(m_services, m_services.paths.intervalHtm, IntervalLogFormat::htmRow(entry)) && written;
    }
    if (m_settings.logCsv) {
        try {
            m_services.files.append(m_services.paths.intervalCsv, IntervalLogFormat::csvRow(entry));
        } catch (const LogFileError&) {
            // A spreadsheet holding the file: this row is not written to the
            // CSV file, and its size label says why.
        }
    }
    return written;
}

void IntervalLog::checkLogFileSize()
{
    try {
        checkSizes();
    } catch (const LogFileError& e) {
        showError(e);
    }
}

void IntervalLog::checkSizes()
{
    const IntervalLogSizes sizes = m_services.sizes.measureIntervalLog();
    const std::int64_t limit = m_settings.logSizeLimitKb;
    if (sizes.txtKb >= limit || sizes.htmKb >= limit || sizes.csvKb >= limit) {
        setLogging(false);
    }
}

void IntervalLog::setLogging(bool on)
{
    const bool changed = m_settings.intervalLogEnabled != on;
    m_settings.intervalLogEnabled = on;
    // The settings are loaded after this log is made: the timer takes the
    // interval in force whenever the switch is set. A running timer keeps its
    // count when the interval is the same.
    if (m_timer.interval() != m_settings.logInterval) {
        m_timer.setInterval(m_settings.logInterval);
    }
    m_timer.setEnabled(on && !m_suspended);
    if (changed && m_onLoggingChanged) {
        m_onLoggingChanged();
    }
    if (on && changed && !m_suspended && m_pollingActive && m_pollingActive()) {
        writeStandardLogEntry();
    }
}

void IntervalLog::setInterval(int milliseconds)
{
    m_settings.logInterval = milliseconds;
    m_timer.setInterval(milliseconds);
}

void IntervalLog::suspend()
{
    m_suspended = true;
    m_timer.setEnabled(false);
}

void IntervalLog::resume()
{
    m_suspended = false;
    m_timer.setEnabled(m_settings.intervalLogEnabled);
}

void IntervalLog::showError(const std::exception& error)
{
    m_services.messages.showError(error.what());
}

} // namespace cdx
