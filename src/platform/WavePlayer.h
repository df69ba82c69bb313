#pragma once

#include <string>

namespace cdx {

// Plays wave files in the background. One wave sounds at a time: a new play
// request ends the one before. Without an audio output nothing sounds and
// nothing is reported.
class WavePlayer {
public:
    virtual ~WavePlayer() = default;

    // Starts `file` and returns at once; with `loop` it repeats until stopped.
    virtual void play(const std::string& file, bool loop) = 0;
    // Ends the wave that is playing, if any.
    virtual void stop() = 0;
};

} // namespace cdx
