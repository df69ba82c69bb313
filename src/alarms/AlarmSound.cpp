#include "alarms/AlarmSound.h"

#include <cstdint>

#include "platform/WavePlayer.h"
#include "sensors/SensorDriver.h"
#include "settings/Settings.h"

namespace cdx {

void AlarmSound::playWave(const std::string& file)
{
    if (file.empty()) {
        m_player.stop();
        return;
    }
    m_player.play(file, m_settings.loopWaves);
}

void AlarmSound::startSound()
{
    m_driver.StartPCSpeaker(static_cast<std::uint16_t>(m_settings.pcSpeakerDivisor));
}

void AlarmSound::stopSound()
{
    m_driver.StopPCSpeaker();
}

} // namespace cdx
