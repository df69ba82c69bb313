#include "platform/linux/InputToneDevice.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <linux/input.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace cdx {

namespace {

constexpr std::size_t kBitsPerLong = sizeof(unsigned long) * CHAR_BIT;

bool hasBit(const unsigned long* bits, int bit)
{
    return (bits[static_cast<std::size_t>(bit) / kBitsPerLong] >> (static_cast<std::size_t>(bit) % kBitsPerLong)) & 1UL;
}

bool soundsTone(int fd)
{
    unsigned long types[(EV_MAX + kBitsPerLong) / kBitsPerLong]{};
    unsigned long sounds[(SND_MAX + kBitsPerLong) / kBitsPerLong]{};
    if (::ioctl(fd, EVIOCGBIT(0, sizeof types), types) < 0 || !hasBit(types, EV_SND)) {
        return false;
    }
    if (::ioctl(fd, EVIOCGBIT(EV_SND, sizeof sounds), sounds) < 0) {
        return false;
    }
    return hasBit(sounds, SND_TONE);
}

} // namespace

InputToneDevice::InputToneDevice(std::string inputDirectory) : m_inputDirectory(std::move(inputDirectory))
{
}

InputToneDevice::~InputToneDevice()
{
    if (m_fd >= 0) {
        tone(0);
        ::close(m_fd);
    }
}

bool InputToneDevice::available()
{
    if (m_searched) {
        return m_fd >= 0;
    }
    m_searched = true;
    DIR* dir = ::opendir(m_inputDirectory.c_str());
    if (dir == nullptr) {
        return false;
    }
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(dir)) {
        if (std::strncmp(entry->d_name, "event", 5) == 0) {
            names.emplace_back(entry->d_name);
        }
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    for (const auto& name : names) {
        const std::string path = m_inputDirectory + "/" + name;
        const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0) {
            continue;
        }
        if (soundsTone(fd)) {
            m_fd = fd;
            return true;
        }
        ::close(fd);
    }
    return false;
}

void InputToneDevice::tone(int hertz)
{
    // Silencing needs no search: nothing can sound before a device was found.
    if (hertz > 0 ? !available() : m_fd < 0) {
        return;
    }
    input_event event{};
    event.type = EV_SND;
    event.code = SND_TONE;
    event.value = std::max(hertz, 0);
    [[maybe_unused]] const auto written = ::write(m_fd, &event, sizeof event);
}

} // namespace cdx
