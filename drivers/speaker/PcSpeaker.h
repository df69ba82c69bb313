#pragma once

#include <cstdint>
#include <string>

namespace cdx {

// The PC speaker as an input device that sounds a tone (EV_SND/SND_TONE),
// found under /dev/input at the first tone. Without one, tones are silent.
class PcSpeaker {
public:
    explicit PcSpeaker(std::string inputDirectory = "/dev/input");
    ~PcSpeaker();
    PcSpeaker(const PcSpeaker&) = delete;
    PcSpeaker& operator=(const PcSpeaker&) = delete;

    // Sounds 1193181 / divisor Hz (a divisor of 0 counts as 1) until stop().
    void start(std::uint16_t divisor);
    void stop();

private:
    bool open();
    void tone(int hertz);

    std::string m_inputDirectory;
    int m_fd = -1;
    bool m_searched = false;
};

} // namespace cdx
