#include "logs/LogFileAccess.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "logs/LogFileError.h"
#include "platform/FileLockProbe.h"

namespace cdx {

namespace {

constexpr const char* LinkReason = "the file is a symbolic link, which is never written through";

} // namespace

std::string lastSystemError()
{
    return std::strerror(errno);
}

void refuseLink(const std::string& path)
{
    std::error_code error;
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(path, error))) {
        throw LogFileError(path, LinkReason);
    }
}

std::fstream openExistingLog(const std::string& path, const FileLockProbe& locks)
{
    std::error_code error;
    const auto status = std::filesystem::symlink_status(path, error);
    if (std::filesystem::is_symlink(status)) {
        throw LogFileError(path, LinkReason);
    }
    if (!std::filesystem::exists(status)) {
        throw LogFileError(path, "the file does not exist");
    }
    if (std::filesystem::is_directory(status)) {
        throw LogFileError(path, std::strerror(EISDIR));
    }
    if (!std::filesystem::is_regular_file(status)) {
        throw LogFileError(path, "not a regular file");
    }
    if (locks.isLocked(path)) {
        throw LogFileError(path, "another program holds the file locked");
    }
    errno = 0;
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    if (!file) {
        throw LogFileError(path, "the file cannot be opened for reading and writing: " + lastSystemError());
    }
    // Looked at again once open: a link put in its place meanwhile is not
    // written through either.
    refuseLink(path);
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
