#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/LocalEndpoint.h"
#include "platform/LocalMessage.h"

namespace cdx {

// Named endpoints for small messages between the programs of one user: a
// running program takes a name (its window title, say "Caldrix"), which also
// marks it as running, and other programs of the same user post messages to
// that name. Nobody else can reach them.
class LocalMessaging {
public:
    using Receiver = std::function<void(const LocalMessage&)>;

    struct Claim {
        // The name is now this process's; empty when it could not be taken.
        std::unique_ptr<LocalEndpoint> endpoint;
        // Another running process holds the name.
        bool heldElsewhere = false;
        // Why the name could not be taken when nobody holds it (no runtime
        // folder, no permission); empty otherwise.
        std::string error;
    };

    virtual ~LocalMessaging() = default;

    // Takes `name` (letters, digits, "-", "_" and "." only) for as long as
    // the returned endpoint lives. A name left behind by a process that ended
    // without giving it up is free again.
    virtual Claim claim(const std::string& name, Receiver receiver) = 0;

    // Posts `message` to the process holding `name`. Returns false when no
    // process holds it or the message could not be handed over.
    virtual bool send(const std::string& name, const LocalMessage& message) = 0;
};

} // namespace cdx
