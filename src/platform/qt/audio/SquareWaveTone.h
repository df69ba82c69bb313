#pragma once

#include <memory>

#include <QBuffer>
#include <QByteArray>

#include "platform/Beeper.h"

class QAudioSink;

namespace cdx {

// A tone as a square wave on the default audio output; silent without one.
// A beep returns at once and a new one replaces the one still sounding.
class SquareWaveTone : public Beeper {
public:
    SquareWaveTone();
    ~SquareWaveTone() override;

    void beep(unsigned frequencyHz, unsigned durationMs) override;

private:
    void silence();

    std::unique_ptr<QAudioSink> m_sink;
    QByteArray m_samples;
    QBuffer m_buffer;
};

} // namespace cdx
