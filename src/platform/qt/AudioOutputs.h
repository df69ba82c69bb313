#pragma once

#include <memory>

#include "platform/Beeper.h"
#include "platform/WavePlayer.h"

namespace cdx {

// What the audio library makes: wave playback and a tone on the default audio
// output. Either may be missing when the library has no use for the machine.
struct AudioOutputs {
    std::unique_ptr<WavePlayer> wave;
    std::unique_ptr<Beeper> tone;
};

// The one export of the audio library: fills `outputs`. Called on the GUI
// thread, once.
using MakeAudioOutputs = void (*)(AudioOutputs* outputs);
inline constexpr const char* MakeAudioOutputsSymbol = "caldrix_make_audio_outputs";
inline constexpr const char* AudioLibraryFile = "libcaldrix_audio.so";

} // namespace cdx
