#pragma once

#include <string>

namespace cdx {

class SensorDriver;
class WavePlayer;
struct Settings;

// The alarm sounds: the wave file and the PC speaker tone of the sensor
// driver. Reads "Loop Waves" and "PC Speaker Freq" at each call.
class AlarmSound {
public:
    AlarmSound(const Settings& settings, WavePlayer& player, SensorDriver& driver)
        : m_settings(settings), m_player(player), m_driver(driver)
    {
    }

    // Plays `file` in the background, repeating it while "Loop Waves" is set;
    // a new wave ends the one before, and an empty name stops the wave.
    void playWave(const std::string& file);

    // The speaker tone of 1193181 / "PC Speaker Freq" Hz, until stopSound.
    void startSound();
    void stopSound();

private:
    const Settings& m_settings;
    WavePlayer& m_player;
    SensorDriver& m_driver;
};

} // namespace cdx
