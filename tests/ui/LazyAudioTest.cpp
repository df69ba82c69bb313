#include <chrono>

#include <QCoreApplication>
#include <gtest/gtest.h>

#include "WaitUntil.h"
#include "platform/fake/FakeBeeper.h"
#include "platform/fake/FakeWavePlayer.h"
#include "platform/qt/AudioLibrary.h"
#include "platform/qt/LazyTone.h"
#include "platform/qt/LazyWavePlayer.h"
#include "platform/qt/ToneBeeper.h"

namespace cdx {
namespace {

// Built beside the tests: the audio library's export over recording outputs.
const std::string FakeLibrary = CALDRIX_FAKE_AUDIO_LIBRARY;

// Handles events until the library has finished loading (or 10 s passed).
void waitForLoad(const AudioLibrary& library)
{
    ASSERT_TRUE(test::waitUntil([&] { return !library.loading(); }, std::chrono::seconds(10),
                                [] { QCoreApplication::processEvents(); }));
}

FakeWavePlayer& loadedWave(AudioLibrary& library)
{
    return static_cast<FakeWavePlayer&>(*library.outputs()->wave);
}

FakeBeeper& loadedTone(AudioLibrary& library)
{
    return static_cast<FakeBeeper&>(*library.outputs()->tone);
}

TEST(LazyAudioTest, TheFirstWaveLoadsTheLibraryWithoutWaitingAndPlaysOnceLoaded)
{
    AudioLibrary library(FakeLibrary);
    LazyWavePlayer wave(library);

    // Stopping (as at every exit) does not load anything.
    wave.stop();
    wave.play("", false);
    EXPECT_FALSE(library.loading());
    EXPECT_EQ(library.outputs(), nullptr);

    wave.play("first.wav", false);
    wave.play("alarm.wav", true); // replaces the one not yet started
    EXPECT_TRUE(library.loading());
    EXPECT_EQ(library.outputs(), nullptr); // play returned before the load
    waitForLoad(library);

    FakeWavePlayer& loaded = loadedWave(library);
    EXPECT_EQ(loaded.playing, "alarm.wav");
    EXPECT_TRUE(loaded.looping);
    EXPECT_EQ(loaded.plays, 1);

    // Loaded: requests pass straight through.
    wave.play("other.wav", false);
    EXPECT_EQ(loaded.playing, "other.wav");
    wave.stop();
    EXPECT_EQ(loaded.playing, "");
}

TEST(LazyAudioTest, AWaveStoppedWhileTheLibraryLoadsNeverStarts)
{
    AudioLibrary library(FakeLibrary);
    LazyWavePlayer wave(library);
    wave.play("alarm.wav", true);
    wave.stop();
    waitForLoad(library);
    EXPECT_EQ(loadedWave(library).plays, 0);
    EXPECT_EQ(loadedWave(library).playing, "");
}

TEST(LazyAudioTest, ToneAndWaveShareOneLoadAndATonePendingSoundsWhole)
{
    AudioLibrary library(FakeLibrary);
    LazyWavePlayer wave(library);
    LazyTone tone(library);
    tone.beep(2386, 500);
    wave.play("alarm.wav", false);
    tone.beep(1000, 200); // the later tone replaces the earlier one
    waitForLoad(library);
    using Tones = std::vector<std::pair<unsigned, unsigned>>;
    EXPECT_EQ(loadedTone(library).tones, (Tones{{1000, 200}}));
    EXPECT_EQ(loadedWave(library).playing, "alarm.wav");
}

TEST(LazyAudioTest, AMissingLibraryLeavesTheProgramSilentAndRunning)
{
    AudioLibrary library("/nonexistent-caldrix/libcaldrix_audio.so");
    LazyWavePlayer wave(library);
    LazyTone tone(library);
    testing::internal::CaptureStderr();
    wave.play("alarm.wav", true);
    tone.beep(2386, 500);
    waitForLoad(library);
    const std::string told = testing::internal::GetCapturedStderr();
    EXPECT_EQ(library.outputs(), nullptr);
    EXPECT_NE(told.find("Caldrix: no sound"), std::string::npos) << told;
    // Later requests do nothing and do not try again.
    wave.play("alarm.wav", true);
    tone.beep(2386, 500);
    wave.stop();
    EXPECT_FALSE(library.loading());
}

TEST(LazyAudioTest, ToneBeeperFallsBackToTheAudioToneAndSilencesOnlyTheToneItStarted)
{
    FakeBeeper audio;
    {
        ToneBeeper idle(audio, "/nonexistent-input-folder");
    }
    // Never used: nothing asked of the audio output, even at the end.
    EXPECT_TRUE(audio.tones.empty());

    using Tones = std::vector<std::pair<unsigned, unsigned>>;
    {
        ToneBeeper beeper(audio, "/nonexistent-input-folder");
        beeper.beep(0, 500);
        EXPECT_TRUE(audio.tones.empty());
        beeper.beep(2386, 500);
        EXPECT_EQ(audio.tones, (Tones{{2386, 500}}));
    }
    // Ending the beeper ends the tone it started.
    EXPECT_EQ(audio.tones, (Tones{{2386, 500}, {0, 0}}));
}

} // namespace
} // namespace cdx
