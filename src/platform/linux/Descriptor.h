#pragma once

#include <utility>

#include <unistd.h>

namespace cdx {

// An open file descriptor, closed when this goes out of scope. -1 holds
// nothing. release() hands the descriptor over and leaves -1.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return m_fd; }
    int release() { return std::exchange(m_fd, -1); }

private:
    int m_fd;
};

} // namespace cdx
