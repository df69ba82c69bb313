#pragma once

#include <string>

#include "logs/LogServices.h"
#include "settings/Settings.h"

namespace cdx {

// The warning log: cdxwarnlog.txt (one closed box per entry) and
// cdxwarnlog.htm (one table row per entry), a dated line for every alarm and
// every start, stop or failure of CPU Idle. Callers test "Write Errors"
// before calling writeErrorLog; this class does not.
class WarningLog {
public:
    WarningLog(const LogServices& services, const Settings& settings) : m_services(services), m_settings(settings) {}

    // Start-up: creates each missing file with its initial content.
    void createMissingFiles();

    // Appends one entry with the current date and time to each selected
    // file, then runs checkWarningLogFileSize. A missing or locked file ends the
    // entry there with an error message.
    void writeErrorLog(const std::string& message);

    // Measures both files and updates their labels; no limit applies.
    void checkWarningLogFileSize();

    static std::string htmHeader();
    static std::string txtEntry(const std::string& date, const std::string& time, const std::string& message);
    static std::string htmEntry(const std::string& date, const std::string& time, const std::string& message);

private:
    const LogServices& m_services;
    const Settings& m_settings;
};

} // namespace cdx
