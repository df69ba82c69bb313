#pragma once

#include <functional>

namespace cdx {

// A window timer: while enabled it calls its tick handler every `interval`
// milliseconds on the program's one thread. Enabling it, or changing the
// interval while it is enabled, starts the count anew. An interval of 0 stops
// it from ticking (it stays enabled).
class Timer {
public:
    virtual ~Timer() = default;

    virtual void setInterval(int milliseconds) = 0;
    virtual int interval() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool enabled() const = 0;
    virtual void setOnTick(std::function<void()> handler) = 0;
};

} // namespace cdx
