#include "platform/fake/FakeLocalMessaging.h"

namespace cdx {

class FakeLocalEndpoint : public LocalEndpoint {
public:
    FakeLocalEndpoint(FakeLocalMessaging& bus, std::string name) : m_bus(bus), m_name(std::move(name)) {}
    ~FakeLocalEndpoint() override { m_bus.m_receivers.erase(m_name); }
    void receivePending() override {}

private:
    FakeLocalMessaging& m_bus;
    std::string m_name;
};

LocalMessaging::Claim FakeLocalMessaging::claim(const std::string& name, Receiver receiver)
{
    Claim result;
    if (m_heldElsewhere.count(name) != 0 || m_receivers.count(name) != 0) {
        result.heldElsewhere = true;
    } else if (!m_claimError.empty()) {
        result.error = m_claimError;
    } else {
        m_receivers[name] = std::move(receiver);
        result.endpoint = std::make_unique<FakeLocalEndpoint>(*this, name);
    }
    return result;
}

bool FakeLocalMessaging::send(const std::string& name, const LocalMessage& message)
{
    m_sent.push_back({name, message});
    if (auto found = m_receivers.find(name); found != m_receivers.end()) {
        const Receiver receiver = found->second;
        receiver(message);
        return true;
    }
    return m_heldElsewhere.count(name) != 0;
}

} // namespace cdx
