#pragma once

#include <string>

namespace cdx {

// The PC speaker as an input device that sounds a tone (EV_SND/SND_TONE),
// looked for under the input folder (/dev/input) at the first tone. Without
// one, or without the right to write to it, tones are silent.
class InputToneDevice {
public:
    explicit InputToneDevice(std::string inputDirectory = "/dev/input");
    ~InputToneDevice();
    InputToneDevice(const InputToneDevice&) = delete;
    InputToneDevice& operator=(const InputToneDevice&) = delete;

    // Whether a tone device was found (searching for it the first time).
    bool available();
    // Sounds `hertz` until the next call; 0 silences it.
    void tone(int hertz);

private:
    std::string m_inputDirectory;
    int m_fd = -1;
    bool m_searched = false;
};

} // namespace cdx
