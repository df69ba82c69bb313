#include "logs/WarningLog.h"

#include <filesystem>
#include <system_error>

#include "logs/IntervalLogFormat.h"
#include "logs/LogFileError.h"
#include "logs/LogText.h"
#include "sensors/Formats.h"

namespace cdx {
namespace {

constexpr std::string_view Frame = "+--------+--------+------------------------------------------------------+\r\n";

} // namespace

std::string WarningLog::htmHeader()
{
    return "<html>\r\n<body bgcolor=\"#FFFFFF\">\r\n<table border=\"1\"> \r\n";
}

std::string WarningLog::txtEntry(const std::string& date, const std::string& time, const std::string& message)
{
    std::string text(Frame);
    text += '|';
    text += padRight(cleanLogField(date), 8) + "|" + padRight(cleanLogField(time), 8) + "|" +
            padRight(cleanLogField(message), 54) + "|\r\n";
    text += Frame;
    return text;
}

std::string WarningLog::htmEntry(const std::string& date, const std::string& time, const std::string& message)
{
    std::string text = "<tr><td>" + htmlLogField(date) + "</td><td>" + htmlLogField(time) + "</td><td>" +
                       htmlLogField(message) + "</td>";
    text.append(IntervalLogFormat::HtmlTrailer).append("\r\n");
    return text;
}

void WarningLog::createMissingFiles()
{
    const auto& files = m_services.files;
    const auto& paths = m_services.paths;
    createMissingLog(m_services, paths.warningTxt, [&] { files.create(paths.warningTxt, ""); });
    createMissingLog(m_services, paths.warningHtm, [&] { files.create(paths.warningHtm, htmHeader()); });
}

void WarningLog::writeErrorLog(const std::string& message)
{
    const std::string date = formatShortDate(m_services.clock.now(), m_services.formats);
    const std::string time = formatLongTime(m_services.clock.now(), m_services.formats);
    // Each format on its own: a file that fails is reported and the other is
    // still written.
    bool written = true;
    if (m_settings.warnUpDownTxt) {
        written = appendOrReport(m_services, m_services.paths.warningTxt, txtEntry(date, time, message)) && written;
    }
    if (m_settings.warnUpDownHtml) {
        written = appendOrReport(m_services, m_services.paths.warningHtm, htmEntry(date, time, message)) && written;
    }
    if (written) {
        checkWarningLogFileSize();
    }
}

void WarningLog::checkWarningLogFileSize()
{
    try {
        m_services.sizes.measureWarningLog();
    } catch (const LogFileError& e) {
        m_services.messages.showError(e.what());
    }
}

} // namespace cdx
