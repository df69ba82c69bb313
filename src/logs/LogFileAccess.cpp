#include "logs/LogFileAccess.h"

#include <cerrno>
#include <cstring>

#include "logs/LogFileError.h"
#include "platform/FileLockProbe.h"

namespace cdx {

std::string lastSystemError()
{
    return std::strerror(errno);
}

std::string openError(int error)
{
    switch (error) {
    case ELOOP:
        return "the file is a symbolic link, which is never written through";
    case ENOENT:
        return "the file does not exist";
    case EINVAL:
        return "not a regular file";
    default:
        return std::strerror(error);
    }
}

FileOpener::File openExistingLog(const std::string& path, const FileLockProbe& locks, const FileOpener& opener)
{
    errno = 0;
    FileOpener::File file = opener.openExisting(path);
    if (!file) {
        const int error = errno;
        if (error == ENOENT || error == ELOOP || error == EISDIR || error == EINVAL) {
            throw LogFileError(path, openError(error));
        }
        throw LogFileError(path, "the file cannot be opened for reading and writing: " + openError(error));
    }
    if (locks.isLocked(path)) {
        throw LogFileError(path, "another program holds the file locked");
    }
    return file;
}

std::uintmax_t logSize(std::FILE* file, const std::string& path)
{
    if (std::fseek(file, 0, SEEK_END) != 0) {
        throw LogFileError(path, "the file cannot be read");
    }
    const long size = std::ftell(file);
    if (size < 0) {
        throw LogFileError(path, "the file cannot be read");
    }
    return static_cast<std::uintmax_t>(size);
}

} // namespace cdx
