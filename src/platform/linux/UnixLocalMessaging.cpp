#include "platform/linux/UnixLocalMessaging.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ostream>
#include <utility>
#include <vector>

#include "platform/RepeatedNotice.h"
#include "platform/linux/LinuxClock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace cdx {

namespace {

constexpr std::array<char, 4> kMagic{'C', 'D', 'X', 'M'};
// Datagrams handled per wake-up, so that a flood cannot hold the event loop.
constexpr int kMaxPerWakeUp = 64;

bool validName(const std::string& name)
{
    if (name.empty() || name.size() > 64 || name.front() == '.') {
        return false;
    }
    for (char c : name) {
        const bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
                        c == '_' || c == '.';
        if (!ok) {
            return false;
        }
    }
    return true;
}

void putLittleEndian(unsigned char* out, std::uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        out[i] = static_cast<unsigned char>(value >> (8 * i));
    }
}

std::uint64_t getLittleEndian(const unsigned char* in, int bytes)
{
    std::uint64_t value = 0;
    for (int i = 0; i < bytes; ++i) {
        value |= static_cast<std::uint64_t>(in[i]) << (8 * i);
    }
    return value;
}

std::array<unsigned char, UnixLocalMessaging::kWireSize> encode(const LocalMessage& message)
{
    std::array<unsigned char, UnixLocalMessaging::kWireSize> wire{};
    std::memcpy(wire.data(), kMagic.data(), kMagic.size());
    putLittleEndian(wire.data() + 4, message.message, 4);
    putLittleEndian(wire.data() + 8, message.wParam, 8);
    putLittleEndian(wire.data() + 16, static_cast<std::uint64_t>(message.lParam), 8);
    return wire;
}

bool fillAddress(sockaddr_un& address, const std::string& path)
{
    address = {};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof(address.sun_path)) {
        return false;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

std::string systemError(const std::string& what)
{
    return what + ": " + std::strerror(errno);
}

class UnixLocalEndpoint : public LocalEndpoint {
public:
    UnixLocalEndpoint(std::string name, std::string path, int lockFd, int socketFd, LocalMessaging::Receiver receiver,
                      std::ostream& notices, const Clock& clock)
        : m_name(std::move(name)), m_path(std::move(path)), m_lockFd(lockFd), m_socketFd(socketFd),
          m_receiver(std::move(receiver)),
          m_dropped(notices, clock, "Caldrix: ", "messages to \"" + m_name + "\" were dropped")
    {
    }

    ~UnixLocalEndpoint() override
    {
        m_watch.reset();
        // The name is still ours (the lock is held): the socket goes first, so
        // that the next holder never finds a live one.
        ::unlink(m_path.c_str());
        ::close(m_socketFd);
        ::close(m_lockFd);
    }

    UnixLocalEndpoint(const UnixLocalEndpoint&) = delete;
    UnixLocalEndpoint& operator=(const UnixLocalEndpoint&) = delete;

    int descriptor() const { return m_socketFd; }
    void setWatch(std::shared_ptr<void> watch) { m_watch = std::move(watch); }

    void receivePending() override
    {
        std::vector<LocalMessage> arrived;
        for (int i = 0; i < kMaxPerWakeUp; ++i) {
            std::array<unsigned char, 2 * UnixLocalMessaging::kWireSize> buffer{};
            alignas(cmsghdr) std::array<char, CMSG_SPACE(sizeof(ucred))> control{};
            iovec part{buffer.data(), buffer.size()};
            msghdr header{};
            header.msg_iov = &part;
            header.msg_iovlen = 1;
            header.msg_control = control.data();
            header.msg_controllen = control.size();
            const ssize_t length = ::recvmsg(m_socketFd, &header, MSG_DONTWAIT | MSG_TRUNC | MSG_CMSG_CLOEXEC);
            if (length < 0) {
                if (errno == EINTR) {
                    continue;
                }
                break; // EAGAIN: nothing more
            }
            closePassedDescriptors(header);
            const ucred* sender = credentials(header);
            if (sender == nullptr || sender->uid != ::getuid()) {
                drop("it came from another user");
                continue;
            }
            if (static_cast<std::size_t>(length) != UnixLocalMessaging::kWireSize) {
                drop("it is " + std::to_string(length) + " bytes long, not " +
                     std::to_string(UnixLocalMessaging::kWireSize));
                continue;
            }
            if (std::memcmp(buffer.data(), kMagic.data(), kMagic.size()) != 0) {
                drop("it does not start with the message mark");
                continue;
            }
            LocalMessage message;
            message.message = static_cast<std::uint32_t>(getLittleEndian(buffer.data() + 4, 4));
            message.wParam = getLittleEndian(buffer.data() + 8, 8);
            message.lParam = static_cast<std::int64_t>(getLittleEndian(buffer.data() + 16, 8));
            arrived.push_back(message);
        }
        // The receiver may end this endpoint; it works on copies.
        const LocalMessaging::Receiver receiver = m_receiver;
        for (const LocalMessage& message : arrived) {
            if (receiver) {
                receiver(message);
            }
        }
    }

private:
    static const ucred* credentials(msghdr& header)
    {
        for (cmsghdr* part = CMSG_FIRSTHDR(&header); part != nullptr; part = CMSG_NXTHDR(&header, part)) {
            if (part->cmsg_level == SOL_SOCKET && part->cmsg_type == SCM_CREDENTIALS &&
                part->cmsg_len >= CMSG_LEN(sizeof(ucred))) {
                return reinterpret_cast<const ucred*>(CMSG_DATA(part));
            }
        }
        return nullptr;
    }

    // Descriptors passed along with a datagram are never used.
    static void closePassedDescriptors(msghdr& header)
    {
        for (cmsghdr* part = CMSG_FIRSTHDR(&header); part != nullptr; part = CMSG_NXTHDR(&header, part)) {
            if (part->cmsg_level == SOL_SOCKET && part->cmsg_type == SCM_RIGHTS) {
                const std::size_t count = (part->cmsg_len - CMSG_LEN(0)) / sizeof(int);
                const auto* fds = reinterpret_cast<const int*>(CMSG_DATA(part));
                for (std::size_t i = 0; i < count; ++i) {
                    ::close(fds[i]);
                }
            }
        }
    }

    // Told once, then counted: a flood of bad datagrams costs a line a minute.
    void drop(const std::string& why) { m_dropped.report("a message to \"" + m_name + "\" was dropped: " + why); }

    std::string m_name;
    std::string m_path;
    int m_lockFd;
    int m_socketFd;
    LocalMessaging::Receiver m_receiver;
    RepeatedNotice m_dropped;
    std::shared_ptr<void> m_watch;
};

} // namespace

UnixLocalMessaging::UnixLocalMessaging(std::string directory, std::ostream& notices, ReadWatch watch,
                                       const Clock* clock)
    : m_directory(std::move(directory)), m_notices(notices), m_watch(std::move(watch)), m_clock(clock)
{
    if (m_clock == nullptr) {
        static const LinuxClock systemClock;
        m_clock = &systemClock;
    }
}

std::string UnixLocalMessaging::defaultDirectory()
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && runtime[0] == '/') {
        return std::string(runtime) + "/caldrix";
    }
    return "/tmp/caldrix-" + std::to_string(::getuid());
}

std::string UnixLocalMessaging::socketPath(const std::string& name) const
{
    return m_directory + "/" + name;
}

std::optional<std::string> UnixLocalMessaging::checkDirectory(bool create) const
{
    bool created = false;
    if (create) {
        if (::mkdir(m_directory.c_str(), 0700) == 0) {
            created = true;
        } else if (errno != EEXIST) {
            return systemError("cannot create " + m_directory);
        }
    }
    struct stat info {};
    if (::lstat(m_directory.c_str(), &info) != 0) {
        return systemError("cannot examine " + m_directory);
    }
    if (S_ISLNK(info.st_mode)) {
        return m_directory + " is a symbolic link, not a folder";
    }
    if (!S_ISDIR(info.st_mode)) {
        return m_directory + " is not a folder";
    }
    if (info.st_uid != ::geteuid()) {
        return m_directory + " belongs to another user";
    }
    if ((info.st_mode & 07777) != 0700) {
        // Just made (under an unusual umask): ours to set. Found so: others
        // may have put anything in it, so it is not used.
        if (!created || ::chmod(m_directory.c_str(), 0700) != 0) {
            char mode[8];
            std::snprintf(mode, sizeof mode, "%04o", static_cast<unsigned>(info.st_mode & 07777));
            return m_directory + " has the mode " + mode + " instead of 0700, so other users may have put files there";
        }
    }
    return std::nullopt;
}

LocalMessaging::Claim UnixLocalMessaging::claim(const std::string& name, Receiver receiver)
{
    Claim result;
    if (!validName(name)) {
        result.error = "\"" + name + "\" cannot name an endpoint";
        return result;
    }
    if (auto problem = checkDirectory(true)) {
        result.error = *problem + "; it is not used";
        return result;
    }
    const std::string path = socketPath(name);
    sockaddr_un address{};
    if (!fillAddress(address, path)) {
        result.error = path + " is too long for a socket";
        return result;
    }
    const std::string lockPath = path + ".lock";
    const int lockFd =
        ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY | O_NONBLOCK, 0600);
    if (lockFd < 0) {
        result.error = systemError("cannot open " + lockPath + " (it must be a file, not a link or a folder)");
        return result;
    }
    struct stat lockInfo {};
    if (::fstat(lockFd, &lockInfo) != 0 || !S_ISREG(lockInfo.st_mode)) {
        result.error = lockPath + " is not a regular file";
        ::close(lockFd);
        return result;
    }
    if (::flock(lockFd, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        result.error = held ? std::string() : systemError("cannot lock " + lockPath);
        result.heldElsewhere = held;
        ::close(lockFd);
        return result;
    }
    // Under the lock, a socket still there was left by a holder that ended
    // without removing it.
    ::unlink(path.c_str());
    const int socketFd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    const int on = 1;
    if (socketFd < 0 || ::setsockopt(socketFd, SOL_SOCKET, SO_PASSCRED, &on, sizeof on) != 0 ||
        ::bind(socketFd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        result.error = systemError("cannot listen at " + path);
        if (socketFd >= 0) {
            ::close(socketFd);
        }
        ::close(lockFd);
        return result;
    }
    ::chmod(path.c_str(), 0600);
    auto endpoint =
        std::make_unique<UnixLocalEndpoint>(name, path, lockFd, socketFd, std::move(receiver), m_notices, *m_clock);
    if (m_watch) {
        UnixLocalEndpoint* raw = endpoint.get();
        endpoint->setWatch(m_watch(socketFd, [raw] { raw->receivePending(); }));
    }
    result.endpoint = std::move(endpoint);
    return result;
}

bool UnixLocalMessaging::send(const std::string& name, const LocalMessage& message)
{
    sockaddr_un address{};
    if (!validName(name) || !fillAddress(address, socketPath(name))) {
        return false;
    }
    // Only a folder of this user's is trusted to lead to a program of this
    // user's.
    struct stat info {};
    if (::lstat(m_directory.c_str(), &info) != 0) {
        return false; // no folder: nobody listens
    }
    if (auto problem = checkDirectory(false)) {
        m_notices << "Caldrix: " << *problem << "; no message is sent there\n";
        return false;
    }
    const int fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return false;
    }
    const auto wire = encode(message);
    ssize_t sent = -1;
    do {
        sent = ::sendto(fd, wire.data(), wire.size(), MSG_DONTWAIT | MSG_NOSIGNAL,
                        reinterpret_cast<const sockaddr*>(&address), sizeof address);
    } while (sent < 0 && errno == EINTR);
    ::close(fd);
    return sent == static_cast<ssize_t>(wire.size());
}

} // namespace cdx
