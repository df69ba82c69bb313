#pragma once

#include <stdexcept>
#include <string>

namespace cdx {

// The input/output error of a log file: it is missing, another program holds
// it locked, or it cannot be read or written. The text names the file and the
// reason, ready to be shown to the user.
class LogFileError : public std::runtime_error {
public:
    LogFileError(const std::string& path, const std::string& reason)
        : std::runtime_error("Input/output error on the log file " + path + ": " + reason + "."), m_path(path)
    {
    }

    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};

} // namespace cdx
