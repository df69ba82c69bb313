// Stands in for the audio library in tests: recording outputs, no sound.
#include "platform/fake/FakeBeeper.h"
#include "platform/fake/FakeWavePlayer.h"
#include "platform/qt/AudioOutputs.h"

extern "C" __attribute__((visibility("default"))) void caldrix_make_audio_outputs(cdx::AudioOutputs* outputs)
{
    outputs->wave = std::make_unique<cdx::FakeWavePlayer>();
    outputs->tone = std::make_unique<cdx::FakeBeeper>();
}
