#include "platform/linux/FreedesktopTrash.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/linux/Descriptor.h"
#include "platform/linux/WriteAll.h"

namespace cdx {
namespace {

namespace fs = std::filesystem;

bool isUnreserved(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
           c == '.' || c == '!' || c == '~' || c == '*' || c == '\'' || c == '(' || c == ')' || c == '/';
}

std::string deletionDate(const LocalDateTime& t)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
                  t.second);
    return text;
}

// The folder `name` in `parentFd` (the current folder for AT_FDCWD), made
// with mode 0700 when missing; -1 when it is not a real folder of this
// user's (a link is never followed).
int ownFolder(int parentFd, const char* name)
{
    if (::mkdirat(parentFd, name, 0700) != 0 && errno != EEXIST) {
        return -1;
    }
    const int fd = ::openat(parentFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        return -1;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || info.st_uid != ::geteuid()) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Copies the open regular file `fromFd` into a new file `name` of `toDirFd`;
// the copy is removed again when that fails.
bool copyInto(int fromFd, int toDirFd, const char* name)
{
    Descriptor to(::openat(toDirFd, name, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (to.get() < 0) {
        return false;
    }
    char buffer[65536];
    bool copied = true;
    for (;;) {
        const ssize_t n = ::read(fromFd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            copied = n == 0;
            break;
        }
        if (!writeAll(to.get(), std::string(buffer, static_cast<std::size_t>(n)))) {
            copied = false;
            break;
        }
    }
    if (!copied || ::fsync(to.get()) != 0) {
        ::unlinkat(toDirFd, name, 0);
        return false;
    }
    return true;
}

// Moves the regular file `from` to `name` in `toDirFd`; across file systems
// by copying and removing. Never follows a link at either end.
bool moveFile(const fs::path& from, int toDirFd, const char* name)
{
    if (::renameat(AT_FDCWD, from.c_str(), toDirFd, name) == 0) {
        return true;
    }
    if (errno != EXDEV) {
        return false;
    }
    Descriptor source(::open(from.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    if (source.get() < 0 || ::fstat(source.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return false;
    }
    if (!copyInto(source.get(), toDirFd, name)) {
        return false;
    }
    if (::unlink(from.c_str()) != 0) {
        ::unlinkat(toDirFd, name, 0);
        return false;
    }
    return true;
}

} // namespace

std::string FreedesktopTrash::homeTrashDirectory()
{
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome != nullptr && *dataHome == '/') {
        return std::string(dataHome) + "/Trash";
    }
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr ? home : "") + "/.local/share/Trash";
}

std::string FreedesktopTrash::escapePath(const std::string& path)
{
    static const char* const Hex = "0123456789ABCDEF";
    std::string out;
    for (const char ch : path) {
        const auto c = static_cast<unsigned char>(ch);
        if (isUnreserved(c)) {
            out += ch;
        } else {
            out += '%';
            out += Hex[c >> 4];
            out += Hex[c & 0x0F];
        }
    }
    return out;
}

bool FreedesktopTrash::moveToTrash(const std::string& path)
{
    std::error_code error;
    const fs::path source = fs::absolute(path, error);
    if (error || !fs::is_regular_file(source, error)) {
        return false;
    }
    // The trash can and its two folders must be real folders of this
    // user's: through a link, the mode set here would change another folder
    // and the file would go somewhere else.
    std::error_code ignored;
    fs::create_directories(fs::path(m_trash).parent_path(), ignored);
    const Descriptor trash(ownFolder(AT_FDCWD, m_trash.c_str()));
    if (trash.get() < 0) {
        return false;
    }
    ::fchmod(trash.get(), 0700);
    const Descriptor filesDir(ownFolder(trash.get(), "files"));
    const Descriptor infoDir(ownFolder(trash.get(), "info"));
    if (filesDir.get() < 0 || infoDir.get() < 0) {
        return false;
    }

    const std::string name = source.filename().string();
    const std::string info = "[Trash Info]\nPath=" + escapePath(source.lexically_normal().string()) +
                             "\nDeletionDate=" + deletionDate(m_clock.now()) + "\n";
    for (int number = 1; number < 10000; ++number) {
        const std::string trashName = number == 1 ? name : name + "." + std::to_string(number);
        const std::string infoName = trashName + ".trashinfo";
        // Creating the information file exclusively reserves the name.
        const int fd =
            ::openat(infoDir.get(), infoName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST) {
                continue;
            }
            return false;
        }
        const bool written = writeAll(fd, info);
        const bool closed = ::close(fd) == 0;
        struct stat existing {};
        if (written && closed && ::fstatat(filesDir.get(), trashName.c_str(), &existing, AT_SYMLINK_NOFOLLOW) == 0) {
            ::unlinkat(infoDir.get(), infoName.c_str(), 0); // a left-over file without its information
            continue;
        }
        if (written && closed && moveFile(source, filesDir.get(), trashName.c_str())) {
            return true;
        }
        ::unlinkat(infoDir.get(), infoName.c_str(), 0);
        return false;
    }
    return false;
}

} // namespace cdx
