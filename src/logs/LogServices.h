#pragma once

#include "logs/LogFileAppender.h"
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

} // namespace cdx
