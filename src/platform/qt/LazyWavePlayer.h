#pragma once

#include <optional>
#include <string>

#include "platform/WavePlayer.h"

namespace cdx {

class AudioLibrary;

// Wave playback through the audio library, which is loaded on the first wave
// asked for. A wave asked for while it loads starts once it has loaded; a stop
// (or another wave) in between replaces it. Stopping never loads the library.
class LazyWavePlayer : public WavePlayer {
public:
    explicit LazyWavePlayer(AudioLibrary& library) : m_library(library) {}

    void play(const std::string& file, bool loop) override;
    void stop() override;

private:
    struct Request {
        std::string file;
        bool loop = false;
    };

    void playPending();

    AudioLibrary& m_library;
    std::optional<Request> m_pending;
    bool m_waiting = false;
};

} // namespace cdx
