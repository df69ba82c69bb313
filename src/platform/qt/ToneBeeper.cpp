#include "platform/qt/ToneBeeper.h"

namespace cdx {

ToneBeeper::ToneBeeper(Beeper& audioTone, std::string inputDirectory)
    : m_audioTone(audioTone), m_speaker(std::move(inputDirectory))
{
    m_speakerEnd.setSingleShot(true);
    QObject::connect(&m_speakerEnd, &QTimer::timeout, [this] { m_speaker.tone(0); });
}

ToneBeeper::~ToneBeeper()
{
    silence();
}

void ToneBeeper::silence()
{
    m_speakerEnd.stop();
    m_speaker.tone(0);
    // Only a tone that may still sound is ended: asking the audio output for
    // silence before any tone would load it for nothing.
    if (m_audioToneUsed) {
        m_audioTone.beep(0, 0);
    }
}

void ToneBeeper::beep(unsigned frequencyHz, unsigned durationMs)
{
    silence();
    if (frequencyHz == 0 || durationMs == 0) {
        return;
    }
    if (m_speaker.available()) {
        m_speaker.tone(static_cast<int>(frequencyHz));
        m_speakerEnd.start(static_cast<int>(durationMs));
        return;
    }
    m_audioToneUsed = true;
    m_audioTone.beep(frequencyHz, durationMs);
}

} // namespace cdx
