#include "platform/linux/LinuxFileOpener.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/linux/WriteAll.h"

namespace cdx {
namespace {

constexpr int kNeverFollow = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;

// Wraps `fd` when it is a regular file, ready for blocking reads and writes;
// closes it otherwise.
FileOpener::File regularFile(int fd, const char* mode)
{
    if (fd < 0) {
        return FileOpener::none();
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const int error = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        ::close(fd);
        errno = error;
        return FileOpener::none();
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    std::FILE* file = ::fdopen(fd, mode);
    if (file == nullptr) {
        const int error = errno;
        ::close(fd);
        errno = error;
        return FileOpener::none();
    }
    return FileOpener::File(file, &std::fclose);
}

} // namespace

FileOpener::File LinuxFileOpener::openExisting(const std::string& path) const
{
    return regularFile(::open(path.c_str(), O_RDWR | kNeverFollow), "r+b");
}

FileOpener::File LinuxFileOpener::create(const std::string& path) const
{
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | kNeverFollow, 0666);
    if (fd < 0 && errno == EEXIST) {
        fd = ::open(path.c_str(), O_WRONLY | kNeverFollow);
        File existing = regularFile(fd, "wb");
        if (existing && ::ftruncate(::fileno(existing.get()), 0) != 0) {
            return none();
        }
        return existing;
    }
    return regularFile(fd, "wb");
}

bool LinuxFileOpener::resize(std::FILE* file, std::uintmax_t size) const
{
    return std::fflush(file) == 0 && ::ftruncate(::fileno(file), static_cast<off_t>(size)) == 0;
}

std::string LinuxFileOpener::replace(const std::string& path, std::string_view text) const
{
    std::string temporary = path + ".tmp-XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        return std::string("a temporary file cannot be made beside it: ") + std::strerror(errno);
    }
    const auto failed = [&](const char* what) {
        const std::string reason = std::string(what) + std::strerror(errno);
        ::unlink(temporary.c_str());
        return reason;
    };
    // Readable by others as a file made with the usual umask would be: the
    // collector reading it may run as another user.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    if (::fchmod(fd, 0666 & ~mask) != 0 || !writeAll(fd, text) || ::fsync(fd) != 0) {
        const std::string reason = failed("");
        ::close(fd);
        return reason;
    }
    if (::close(fd) != 0) {
        return failed("");
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        return failed("");
    }
    return {};
}

} // namespace cdx
