#include "PcSpeaker.h"

#include <algorithm>

namespace cdx {

namespace {
constexpr int TimerClock = 1193181;
} // namespace

void PcSpeaker::start(std::uint16_t divisor)
{
    m_device.tone(TimerClock / std::max<int>(divisor, 1));
}

void PcSpeaker::stop()
{
    m_device.tone(0);
}

} // namespace cdx
