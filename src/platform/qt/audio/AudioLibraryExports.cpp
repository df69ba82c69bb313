// The audio library's export: the program loads this library (and with it Qt
// Multimedia) only when the first wave or tone is asked for.
#include "platform/qt/AudioOutputs.h"
#include "platform/qt/audio/QtWavePlayer.h"
#include "platform/qt/audio/SquareWaveTone.h"

extern "C" __attribute__((visibility("default"))) void caldrix_make_audio_outputs(cdx::AudioOutputs* outputs)
{
    outputs->wave = std::make_unique<cdx::QtWavePlayer>();
    outputs->tone = std::make_unique<cdx::SquareWaveTone>();
}
