#include "platform/qt/LazyTone.h"

#include "platform/qt/AudioLibrary.h"

namespace cdx {

void LazyTone::beep(unsigned frequencyHz, unsigned durationMs)
{
    if (AudioOutputs* outputs = m_library.outputs(); outputs != nullptr) {
        if (outputs->tone) {
            outputs->tone->beep(frequencyHz, durationMs);
        }
        return;
    }
    if (frequencyHz == 0 || durationMs == 0) {
        // Nothing sounds yet, so there is nothing to end.
        m_pending.reset();
        return;
    }
    m_pending = Request{frequencyHz, durationMs};
    if (m_waiting) {
        return;
    }
    m_waiting = true;
    m_library.whenLoaded([this] {
        m_waiting = false;
        if (!m_pending) {
            return;
        }
        const Request request = *m_pending;
        m_pending.reset();
        if (AudioOutputs* outputs = m_library.outputs(); outputs != nullptr && outputs->tone) {
            outputs->tone->beep(request.frequencyHz, request.durationMs);
        }
    });
}

} // namespace cdx
