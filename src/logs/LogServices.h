#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "logs/LogFileAppender.h"
#include "logs/LogFileError.h"
#include "logs/LogPaths.h"
#include "logs/LogSizeMonitor.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/RegionalFormats.h"

namespace cdx {

// What every log writer works with. All of it outlives the writers.
struct LogServices {
    const LogPaths& paths;
    const LogFileAppender& files;
    LogSizeMonitor& sizes;
    const Clock& clock;
    const RegionalFormats& formats;
    // Shows the input/output errors of the logs; the program goes on.
    MessageBox& messages;
};

// Start-up: when `path` does not exist, runs `create` (which writes the file
// with its initial content). A file that cannot be created is reported through
// the services' message box; the other files are still tried.
// Appends `text` to the log at `path`; a failure is shown through the
// services' message box, naming that file only. False when it failed.
inline bool appendOrReport(const LogServices& services, const std::string& path, std::string_view text)
{
    try {
        services.files.append(path, text);
        return true;
    } catch (const LogFileError& e) {
        services.messages.showError(e.what());
        return false;
    }
}

template <typename Create> void createMissingLog(const LogServices& services, const std::string& path, Create&& create)
{
    std::error_code error;
    if (std::filesystem::exists(path, error)) {
        return;
    }
    try {
        create();
    } catch (const LogFileError& e) {
        services.messages.showError(e.what());
    }
}

} // namespace cdx
