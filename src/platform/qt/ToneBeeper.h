#pragma once

#include <string>

#include <QTimer>

#include "platform/Beeper.h"
#include "platform/linux/InputToneDevice.h"

namespace cdx {

// Beeps on the PC speaker's input device where the machine has one, else on
// `audioTone` (a square wave on the default audio output). A beep returns at
// once and a new one replaces the one still sounding.
class ToneBeeper : public Beeper {
public:
    explicit ToneBeeper(Beeper& audioTone, std::string inputDirectory = "/dev/input");
    ~ToneBeeper() override;

    void beep(unsigned frequencyHz, unsigned durationMs) override;

private:
    void silence();

    Beeper& m_audioTone;
    InputToneDevice m_speaker;
    QTimer m_speakerEnd;
    bool m_audioToneUsed = false;
};

} // namespace cdx
