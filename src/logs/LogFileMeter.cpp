#include "logs/LogFileMeter.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "logs/LogFileError.h"

namespace cdx {

std::uintmax_t LogFileMeter::measure(const std::string& path) const
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        throw LogFileError(path, "the file does not exist");
    }
    if (m_locks.isLocked(path)) {
        throw LogFileError(path, "another program holds the file locked");
    }
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    if (!file) {
        throw LogFileError(path, "the file cannot be opened for reading and writing");
    }
    file.seekg(0, std::ios::end);
    const std::streamoff size = file.tellg();
    if (size < 0) {
        throw LogFileError(path, "the file cannot be read");
    }
    return static_cast<std::uintmax_t>(size);
}

} // namespace cdx
