#pragma once

#include <memory>
#include <string>

#include <QBuffer>
#include <QByteArray>
#include <QTimer>

#include "platform/Beeper.h"
#include "platform/linux/InputToneDevice.h"

class QAudioSink;

namespace cdx {

// Beeps on the PC speaker's input device where the machine has one, else as a
// square wave on the default audio output; silent without either. A beep
// returns at once and a new one replaces the one still sounding.
class ToneBeeper : public Beeper {
public:
    explicit ToneBeeper(std::string inputDirectory = "/dev/input");
    ~ToneBeeper() override;

    void beep(unsigned frequencyHz, unsigned durationMs) override;

private:
    void silence();
    bool playSquareWave(unsigned frequencyHz, unsigned durationMs);

    InputToneDevice m_speaker;
    QTimer m_speakerEnd;
    std::unique_ptr<QAudioSink> m_sink;
    QByteArray m_samples;
    QBuffer m_buffer;
};

} // namespace cdx
