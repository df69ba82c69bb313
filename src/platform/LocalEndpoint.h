#pragma once

namespace cdx {

// A name taken by this process on the user's local message bus. Messages sent
// to the name reach the receiver given when it was claimed; destroying the
// endpoint gives the name up.
class LocalEndpoint {
public:
    virtual ~LocalEndpoint() = default;

    // Hands every message that has arrived to the receiver, on the caller's
    // thread. With an event loop attached this runs by itself.
    virtual void receivePending() = 0;
};

} // namespace cdx
