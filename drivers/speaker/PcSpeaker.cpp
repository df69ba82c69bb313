#include "PcSpeaker.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <linux/input.h>
#include <sys/ioctl.h>
#include <unistd.h>
#include <vector>

namespace cdx {

namespace {

constexpr int TimerClock = 1193181;

bool hasBit(const unsigned long* bits, int bit)
{
    constexpr int perLong = sizeof(unsigned long) * CHAR_BIT;
    return (bits[bit / perLong] >> (bit % perLong)) & 1UL;
}

bool soundsTone(int fd)
{
    unsigned long types[(EV_MAX + 1 + sizeof(unsigned long) * CHAR_BIT - 1) / (sizeof(unsigned long) * CHAR_BIT)]{};
    unsigned long sounds[(SND_MAX + 1 + sizeof(unsigned long) * CHAR_BIT - 1) / (sizeof(unsigned long) * CHAR_BIT)]{};
    if (ioctl(fd, EVIOCGBIT(0, sizeof types), types) < 0 || !hasBit(types, EV_SND)) {
        return false;
    }
    if (ioctl(fd, EVIOCGBIT(EV_SND, sizeof sounds), sounds) < 0) {
        return false;
    }
    return hasBit(sounds, SND_TONE);
}

} // namespace

PcSpeaker::PcSpeaker(std::string inputDirectory) : m_inputDirectory(std::move(inputDirectory))
{
}

PcSpeaker::~PcSpeaker()
{
    if (m_fd >= 0) {
        tone(0);
        ::close(m_fd);
    }
}

bool PcSpeaker::open()
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

void PcSpeaker::tone(int hertz)
{
    input_event event{};
    event.type = EV_SND;
    event.code = SND_TONE;
    event.value = hertz;
    [[maybe_unused]] const auto written = ::write(m_fd, &event, sizeof event);
}

void PcSpeaker::start(std::uint16_t divisor)
{
    if (open()) {
        tone(TimerClock / std::max<int>(divisor, 1));
    }
}

void PcSpeaker::stop()
{
    if (m_fd >= 0) {
        tone(0);
    }
}

} // namespace cdx
