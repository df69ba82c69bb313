#pragma once

#include <utility>
#include <vector>

#include "platform/Beeper.h"

namespace cdx {

// Records every tone as (frequency, duration).
class FakeBeeper : public Beeper {
public:
    void beep(unsigned frequencyHz, unsigned durationMs) override { tones.emplace_back(frequencyHz, durationMs); }

    std::vector<std::pair<unsigned, unsigned>> tones;
};

} // namespace cdx
