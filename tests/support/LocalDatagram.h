#pragma once

#include <cstring>
#include <string>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace cdx::test {

// Sends raw bytes to a local datagram socket, as any program of the user's
// might; false when they were not taken whole (or the queue is full).
inline bool sendDatagram(const std::string& socketPath, const std::string& bytes)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size() + 1);
    const int fd = ::socket(AF_UNIX, SOCK_DGRAM, 0);
    const ssize_t sent =
        ::sendto(fd, bytes.data(), bytes.size(), MSG_DONTWAIT, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::close(fd);
    return sent == static_cast<ssize_t>(bytes.size());
}

} // namespace cdx::test
