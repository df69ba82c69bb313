#pragma once

namespace cdx {

// A tone of the given frequency for the given time. May return before the tone
// ends; a new tone replaces one still sounding.
class Beeper {
public:
    virtual ~Beeper() = default;
    virtual void beep(unsigned frequencyHz, unsigned durationMs) = 0;
};

} // namespace cdx
