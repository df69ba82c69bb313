#include "logs/LogFileAccess.h"

#include <filesystem>
#include <system_error>

#include "logs/LogFileError.h"
#include "platform/FileLockProbe.h"

namespace cdx {

std::fstream openExistingLog(const std::string& path, const FileLockProbe& locks)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        throw LogFileError(path, "the file does not exist");
    }
    if (locks.isLocked(path)) {
        throw LogFileError(path, "another program holds the file locked");
    }
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    if (!file) {
        throw LogFileError(path, "the file cannot be opened for reading and writing");
    }
    return file;
}

std::streamoff logSize(std::fstream& file, const std::string& path)
{
    file.seekg(0, std::ios::end);
    const std::streamoff size = file.tellg();
    if (size < 0) {
        throw LogFileError(path, "the file cannot be read");
    }
    return size;
}

} // namespace cdx
