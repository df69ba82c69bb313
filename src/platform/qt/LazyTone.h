#pragma once

#include <optional>

#include "platform/Beeper.h"

namespace cdx {

class AudioLibrary;

// A tone on the audio output through the audio library, which is loaded on
// the first tone asked for. A tone asked for while it loads sounds once it has
// loaded, for its whole length; a later one replaces it.
class LazyTone : public Beeper {
public:
    explicit LazyTone(AudioLibrary& library) : m_library(library) {}

    void beep(unsigned frequencyHz, unsigned durationMs) override;

private:
    struct Request {
        unsigned frequencyHz = 0;
        unsigned durationMs = 0;
    };

    AudioLibrary& m_library;
    std::optional<Request> m_pending;
    bool m_waiting = false;
};

} // namespace cdx
