#include "logs/UpDownLog.h"

#include <filesystem>
#include <system_error>

#include "logs/LogFileError.h"
#include "logs/LogText.h"
#include "sensors/Formats.h"

namespace cdx {
namespace {

constexpr std::string_view Frame = "+----------------------------------------------------+\r\n";
constexpr std::string_view Rule = "+----------------+-----------+-----------+-----------+\r\n";
constexpr std::string_view Heading = "|                |  Lowest   |  Highest  |  Average  |\r\n";

std::string td(const std::string& text)
{
    return "<td>" + htmlLogField(text) + "</td>";
}

} // namespace

std::string UpDownLog::htmHeader()
{
    return "<html>\r\n<body bgcolor=\"#FFFFFF\">\r\n";
}

std::string UpDownLog::txtReport(const UpDownReport& report, const std::string& date, const std::string& time)
{
    std::string text(Frame);
    text += "|Up and Down Log: ";
    text += padRight(cleanLogField(date), 34) + " |\r\n";
    text += '|';
    text += padLeft(cleanLogField(report.startTime), 8) + " till " + padLeft(cleanLogField(time), 8) +
            ", number of polls: " + padRight(std::to_string(report.pollCount), 10) + " |\r\n";
    text += "|CPU Speed: ";
    text += padRight(std::to_string(report.cpuSpeedMhz), 3) + " " + padRight("MHz", 37) + "|\r\n";
    text += Rule;
    text += Heading;
    text += Rule;
    for (const UpDownRow& row : report.rows) {
        text += '|';
        text += padRight(cleanLogField(row.name), 16) + "|" + padRight(cleanLogField(row.lowest), 11) + "|" +
                padRight(cleanLogField(row.highest), 11) + "|" + padRight(cleanLogField(row.average), 11) + "|\r\n";
    }
    text += Rule;
    text += "\r\n\r\n";
    return text;
}

std::string UpDownLog::htmReport(const UpDownReport& report, const std::string& date, const std::string& time)
{
    std::string text = "<table border=\"1\"><tr><td>Up And Down Log: " + htmlLogField(date) + "</td></tr>\r\n";
    text += "<tr><td>" + htmlLogField(report.startTime) + " till " + htmlLogField(time) +
            ", number of polls: " + std::to_string(report.pollCount) + "</td></tr>\r\n";
    text += "<tr><td>CPU Speed: " + std::to_string(report.cpuSpeedMhz) + " MHz</td></tr>\r\n";
    text += "<tr><td></td><td>Lowest</td><td>Highest</td><td>Average</td></tr>\r\n";
    for (std::size_t i = 0; i < report.rows.size(); ++i) {
        const UpDownRow& row = report.rows[i];
        text += "<tr>" + td(row.name) + td(row.lowest) + td(row.highest) + td(row.average) + "</tr>";
        text += i + 1 < report.rows.size() ? "\r\n" : "</table><br>\r\n";
    }
    return text;
}

void UpDownLog::createMissingFiles()
{
    const auto& files = m_services.files;
    const auto& paths = m_services.paths;
    createMissingLog(m_services, paths.upDownTxt, [&] { files.create(paths.upDownTxt, ""); });
    createMissingLog(m_services, paths.upDownHtm, [&] { files.create(paths.upDownHtm, htmHeader()); });
}

void UpDownLog::writeUpDownLog(const UpDownReport& report)
{
    const std::string date = formatShortDate(m_services.clock.now(), m_services.formats);
    const std::string time = formatLongTime(m_services.clock.now(), m_services.formats);
    // Each format on its own: a file that fails is reported and the other is
    // still written.
    if (m_settings.warnUpDownTxt) {
        appendOrReport(m_services, m_services.paths.upDownTxt, txtReport(report, date, time));
    }
    if (m_settings.warnUpDownHtml) {
        appendOrReport(m_services, m_services.paths.upDownHtm, htmReport(report, date, time));
    }
}

void UpDownLog::checkUpDownLogFileSize()
{
    try {
        m_services.sizes.measureUpDownLog();
    } catch (const LogFileError& e) {
        m_services.messages.showError(e.what());
    }
}

} // namespace cdx
