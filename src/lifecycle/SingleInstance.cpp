#include "lifecycle/SingleInstance.h"

#include <ostream>

#include "platform/WindowMessages.h"

namespace cdx {

SingleInstance::SingleInstance(LocalMessaging& messaging, std::ostream& notices)
    : m_messaging(messaging), m_notices(notices)
{
}

bool SingleInstance::isAlreadyRunning(const std::string& title, LocalMessaging::Receiver receiver)
{
    LocalMessaging::Claim claim = m_messaging.claim(title, std::move(receiver));
    if (claim.heldElsewhere) {
        m_messaging.send(title, {WindowMessages::BringForward, 0, 0});
        return true;
    }
    if (!claim.endpoint) {
        m_notices << "Caldrix: cannot tell whether Caldrix is already running (" << claim.error
                  << "); starting anyway\n";
        return false;
    }
    m_endpoint = std::move(claim.endpoint);
    return false;
}

} // namespace cdx
