#pragma once

#include <cstdint>
#include <string>

#include "platform/linux/InputToneDevice.h"

namespace cdx {

// The driver's PC speaker: a tone of the 1193181 Hz timer clock divided by a
// divisor, on the input device that sounds tones. Without one, tones are silent.
class PcSpeaker {
public:
    explicit PcSpeaker(std::string inputDirectory = "/dev/input") : m_device(std::move(inputDirectory)) {}

    // Sounds 1193181 / divisor Hz (a divisor of 0 counts as 1) until stop().
    void start(std::uint16_t divisor);
    void stop();

private:
    InputToneDevice m_device;
};

} // namespace cdx
