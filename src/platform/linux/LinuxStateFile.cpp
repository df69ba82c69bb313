#include "platform/linux/LinuxStateFile.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include "platform/linux/Descriptor.h"
#include "platform/linux/WriteAll.h"

namespace cdx {

namespace {

StateFile::Error failure(const std::string& what, const std::string& path, int error)
{
    return StateFile::Error(what + " " + path + ": " + std::strerror(error));
}

} // namespace

LinuxStateFile::LinuxStateFile(std::string directory, std::string name, std::size_t maxBytes)
    : m_directory(std::move(directory)), m_name(std::move(name)), m_maxBytes(maxBytes)
{
    while (m_directory.size() > 1 && m_directory.back() == '/') {
        m_directory.pop_back();
    }
}

void LinuxStateFile::checkDirectory(bool create) const
{
    if (create) {
        for (std::size_t slash = m_directory.find('/', 1);; slash = m_directory.find('/', slash + 1)) {
            const std::string partial = m_directory.substr(0, slash);
            if (::mkdir(partial.c_str(), 0700) != 0 && errno != EEXIST) {
                throw failure("Cannot create the folder", partial, errno);
            }
            if (slash == std::string::npos) {
                break;
            }
        }
    }
    struct stat info {};
    if (::lstat(m_directory.c_str(), &info) != 0) {
        throw failure("Cannot examine the folder", m_directory, errno);
    }
    if (S_ISLNK(info.st_mode) || !S_ISDIR(info.st_mode)) {
        throw StateFile::Error(m_directory + " is not a folder (a link is not followed)");
    }
    if (info.st_uid != ::geteuid() || (info.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
        throw StateFile::Error(m_directory + " belongs to another user or others may write in it");
    }
}

std::optional<std::string> LinuxStateFile::read()
{
    struct stat folder {};
    if (::lstat(m_directory.c_str(), &folder) != 0 && errno == ENOENT) {
        return std::nullopt;
    }
    checkDirectory(false);
    const std::string file = path();
    Descriptor fd(::open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) {
        if (errno == ENOENT) {
            return std::nullopt;
        }
        throw failure(errno == ELOOP ? "Will not follow the link" : "Cannot open", file, errno);
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        throw failure("Cannot examine", file, errno);
    }
    if (!S_ISREG(info.st_mode) || info.st_uid != ::geteuid()) {
        throw StateFile::Error(file + " is not a file of the user's own");
    }
    if (static_cast<std::size_t>(info.st_size) > m_maxBytes) {
        throw StateFile::Error(file + " is larger than it can be (" + std::to_string(info.st_size) + " bytes)");
    }
    std::string text(static_cast<std::size_t>(info.st_size), '\0');
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::read(fd.get(), text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            throw failure("Cannot read", file, errno);
        }
        if (n == 0) {
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    text.resize(done);
    return text;
}

void LinuxStateFile::write(std::string_view text)
{
    checkDirectory(true);
    const std::string file = path();
    std::string temporary = file + ".XXXXXX";
    Descriptor fd(::mkostemp(temporary.data(), O_CLOEXEC));
    if (fd.get() < 0) {
        throw failure("Cannot create a temporary file beside", file, errno);
    }
    auto fail = [&](const char* what) {
        const int error = errno;
        ::unlink(temporary.c_str());
        throw failure(what, temporary, error);
    };
    if (::fchmod(fd.get(), 0600) != 0) {
        fail("Cannot set the mode of");
    }
    if (!writeAll(fd.get(), text)) {
        fail("Cannot write");
    }
    if (::fsync(fd.get()) != 0) {
        fail("Cannot flush");
    }
    if (::close(fd.release()) != 0) {
        fail("Cannot close");
    }
    if (::rename(temporary.c_str(), file.c_str()) != 0) {
        fail("Cannot rename");
    }
    Descriptor directory(::open(m_directory.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (directory.get() >= 0) {
        ::fsync(directory.get()); // the rename is done; a failure here cannot undo it
    }
}

void LinuxStateFile::remove()
{
    struct stat folder {};
    if (::lstat(m_directory.c_str(), &folder) != 0 && errno == ENOENT) {
        return;
    }
    checkDirectory(false);
    const std::string file = path();
    if (::unlink(file.c_str()) != 0 && errno != ENOENT) {
        throw failure("Cannot remove", file, errno);
    }
    ::rmdir(m_directory.c_str()); // kept when something else lies in it
}

std::string LinuxStateFile::setAside()
{
    checkDirectory(false);
    const std::string file = path();
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    std::string target = file + ".corrupt-" + stamp;
    struct stat existing {};
    for (int n = 2; ::lstat(target.c_str(), &existing) == 0; ++n) {
        target = file + ".corrupt-" + stamp + "-" + std::to_string(n);
    }
    if (::rename(file.c_str(), target.c_str()) != 0) {
        throw failure("Cannot move aside", file, errno);
    }
    return target;
}

} // namespace cdx
