#pragma once

namespace cdx {

struct Readings;

// Told of every poll's readings, right after the poll has taken them.
class ReadingsListener {
public:
    virtual ~ReadingsListener() = default;

    // `readings` is valid only during the call; keep a copy of what is needed.
    // Not called while polling is suspended: a suspended stretch has no readings.
    virtual void readingsTaken(const Readings& readings) = 0;
};

} // namespace cdx
