#include "platform/linux/LinuxFileLockProbe.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cdx {

std::string LinuxFileLockProbe::officeLockFile(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    return folder + ".~lock." + name + "#";
}

bool LinuxFileLockProbe::isLocked(const std::string& path) const
{
    struct stat info {};
    if (::stat(officeLockFile(path).c_str(), &info) == 0) {
        return true;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        return false; // missing or unreadable: opening it will report why
    }
    bool locked = false;

    // A write lock over the whole file conflicts with any record lock held by
    // another process, read or write.
    struct flock probe {};
    probe.l_type = F_WRLCK;
    probe.l_whence = SEEK_SET;
    probe.l_start = 0;
    probe.l_len = 0;
    if (::fcntl(fd, F_GETLK, &probe) == 0 && probe.l_type != F_UNLCK) {
        locked = true;
    }

    // BSD locks cannot be queried; trying for an exclusive one without
    // waiting tells, and it is released at once.
    if (!locked) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            ::flock(fd, LOCK_UN);
        } else if (errno == EWOULDBLOCK) {
            locked = true;
        }
    }
    ::close(fd);
    return locked;
}

} // namespace cdx
