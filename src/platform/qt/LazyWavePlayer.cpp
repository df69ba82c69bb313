#include "platform/qt/LazyWavePlayer.h"

#include "platform/qt/AudioLibrary.h"

namespace cdx {

void LazyWavePlayer::play(const std::string& file, bool loop)
{
    if (file.empty()) {
        stop();
        return;
    }
    if (AudioOutputs* outputs = m_library.outputs(); outputs != nullptr) {
        if (outputs->wave) {
            outputs->wave->play(file, loop);
        }
        return;
    }
    m_pending = Request{file, loop};
    if (!m_waiting) {
        m_waiting = true;
        m_library.whenLoaded([this] {
            m_waiting = false;
            playPending();
        });
    }
}

void LazyWavePlayer::stop()
{
    m_pending.reset();
    if (AudioOutputs* outputs = m_library.outputs(); outputs != nullptr && outputs->wave) {
        outputs->wave->stop();
    }
}

void LazyWavePlayer::playPending()
{
    if (!m_pending) {
        return;
    }
    const Request request = *m_pending;
    m_pending.reset();
    AudioOutputs* outputs = m_library.outputs();
    if (outputs != nullptr && outputs->wave) {
        outputs->wave->play(request.file, request.loop);
    }
}

} // namespace cdx
