#pragma once

#include <string>

#include "platform/ProgramLocation.h"

namespace cdx {

// The full paths of the seven log files, all in the program directory.
struct LogPaths {
    std::string intervalTxt; // cdxlog.txt
    std::string intervalHtm; // cdxlog.htm
    std::string intervalCsv; // cdxlog.csv
    std::string warningTxt;  // cdxwarnlog.txt
    std::string warningHtm;  // cdxwarnlog.htm
    std::string upDownTxt;   // updown.txt
    std::string upDownHtm;   // updown.htm

    static LogPaths inDirectory(const std::string& directory);
    static LogPaths of(const ProgramLocation& location) { return inDirectory(location.programDirectory()); }
};

} // namespace cdx
