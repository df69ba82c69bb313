#pragma once

#include <string>

#include "platform/WavePlayer.h"

namespace cdx {

// Remembers the wave that would be sounding now and counts the requests.
class FakeWavePlayer : public WavePlayer {
public:
    void play(const std::string& file, bool loop) override
    {
        playing = file;
        looping = loop;
        ++plays;
    }
    void stop() override
    {
        playing.clear();
        looping = false;
        ++stops;
    }

    std::string playing; // empty: silent
    bool looping = false;
    int plays = 0;
    int stops = 0;
};

} // namespace cdx
