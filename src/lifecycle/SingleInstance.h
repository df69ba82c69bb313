#pragma once

#include <iosfwd>
#include <memory>
#include <string>

#include "platform/LocalMessaging.h"

namespace cdx {

// One running program per user: the first start takes the name of its window
// title on the local message bus and keeps it while it runs; a later start
// finds it taken, asks the holder to bring its window forward and ends.
class SingleInstance {
public:
    SingleInstance(LocalMessaging& messaging, std::ostream& notices);

    // True when another instance runs; it has then been sent BringForward.
    // Otherwise this process holds `title` from now on and `receiver` gets
    // what other programs send to it. When the name cannot be taken for
    // another reason (no runtime folder), the reason goes to the notices and
    // the start goes on as the only instance.
    bool isAlreadyRunning(const std::string& title, LocalMessaging::Receiver receiver);

    bool holdsName() const { return m_endpoint != nullptr; }

private:
    LocalMessaging& m_messaging;
    std::ostream& m_notices;
    std::unique_ptr<LocalEndpoint> m_endpoint;
};

} // namespace cdx
