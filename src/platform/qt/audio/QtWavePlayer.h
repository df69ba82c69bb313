#pragma once

#include <memory>
#include <string>

#include "platform/WavePlayer.h"

class QSoundEffect;

namespace cdx {

// Wave files through Qt Multimedia on the default audio output. Without an
// audio output it does nothing.
class QtWavePlayer : public WavePlayer {
public:
    QtWavePlayer();
    ~QtWavePlayer() override;

    void play(const std::string& file, bool loop) override;
    void stop() override;

private:
    std::unique_ptr<QSoundEffect> m_effect;
};

} // namespace cdx
