#pragma once

#include <string>

#include "logs/LogServices.h"
#include "logs/UpDownReport.h"
#include "settings/Settings.h"

namespace cdx {

// The up-and-down log: snapshots of the statistics, one boxed table per
// report in updown.txt and one HTML table per report in updown.htm.
class UpDownLog {
public:
    UpDownLog(const LogServices& services, const Settings& settings) : m_services(services), m_settings(settings) {}

    // Start-up: creates each missing file with its initial content.
    void createMissingFiles();

    // Appends the report, dated now, to each selected file. A missing or
    // locked file abandons the rest of the report with an error message.
    void writeUpDownLog(const UpDownReport& report);

    // Measures both files and updates their labels.
    void checkUpDownLogFileSize();

    static std::string htmHeader();
    static std::string txtReport(const UpDownReport& report, const std::string& date, const std::string& time);
    static std::string htmReport(const UpDownReport& report, const std::string& date, const std::string& time);

private:
    const LogServices& m_services;
    const Settings& m_settings;
};

} // namespace cdx
