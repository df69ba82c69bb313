#include "history/HistoryKeeper.h"

#include "history/HistoryFormat.h"
#include "platform/StateFile.h"
#include "platform/Timer.h"

namespace cdx {

HistoryKeeper::HistoryKeeper(Parts parts) : m_parts(std::move(parts))
{
    m_parts.saveTimer.setInterval(kSaveIntervalMs);
    m_parts.saveTimer.setOnTick([this] { save(); });
}

void HistoryKeeper::tell(const std::string& line) const
{
    if (m_parts.notice) {
        m_parts.notice(line);
    }
}

void HistoryKeeper::load()
{
    m_parts.saveTimer.setEnabled(true);
    std::optional<std::string> text;
    try {
        text = m_parts.file.read();
    } catch (const StateFile::Error& error) {
        // Left where it is: the next save replaces it only if the folder and
        // the file may be trusted.
        tell(std::string("The history cannot be read (") + error.what() +
             "); starting without it, and it is not saved over");
        m_saveBlocked = true;
        return;
    }
    if (!text) {
        return;
    }
    HistoryFormat::Parsed parsed = HistoryFormat::read(*text, m_parts.nowSeconds());
    if (!parsed.error.empty()) {
        std::string line = m_parts.file.path() + " is no history Caldrix can read (" + parsed.error + ")";
        try {
            line += "; moved it to " + m_parts.file.setAside() + " and started an empty history";
        } catch (const StateFile::Error& error) {
            line += std::string("; it could not be moved aside (") + error.what() + ") and the history starts empty";
        }
        tell(line);
        return;
    }
    m_history.restoreMinutes(parsed.minutes);
}

void HistoryKeeper::save()
{
    if (!m_changed || m_saveBlocked) {
        return;
    }
    try {
        m_parts.file.write(HistoryFormat::write(m_history.minutesForSaving()));
        m_changed = false;
        m_writeFailed = false;
    } catch (const StateFile::Error& error) {
        if (!m_writeFailed) {
            tell(std::string("The history could not be saved: ") + error.what());
        }
        m_writeFailed = true;
    }
}

void HistoryKeeper::forget()
{
    m_parts.saveTimer.setEnabled(false);
    m_saveBlocked = true;
    try {
        m_parts.file.remove();
    } catch (const StateFile::Error& error) {
        tell(std::string("The history could not be removed: ") + error.what());
    }
}

void HistoryKeeper::readingsTaken(const Readings& readings)
{
    m_history.setPollInterval(m_parts.pollInterval ? m_parts.pollInterval() : 1000);
    m_history.append(readings);
    m_changed = true;
    if (m_onAppended) {
        m_onAppended();
    }
}

} // namespace cdx
