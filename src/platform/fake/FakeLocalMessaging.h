#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/LocalMessaging.h"

namespace cdx {

// An in-memory message bus: names claimed here receive at once what is sent
// to them; names marked as held elsewhere stand for another running process
// and keep what is sent to them for the test to read.
class FakeLocalMessaging : public LocalMessaging {
public:
    struct Sent {
        std::string name;
        LocalMessage message;
        bool operator==(const Sent&) const = default;
    };

    Claim claim(const std::string& name, Receiver receiver) override;
    bool send(const std::string& name, const LocalMessage& message) override;

    // Another process holds `name`.
    void holdElsewhere(const std::string& name) { m_heldElsewhere.insert(name); }
    // Every claim fails with this error (no runtime folder, say).
    void failClaims(std::string error) { m_claimError = std::move(error); }

    const std::vector<Sent>& sent() const { return m_sent; }
    bool claimed(const std::string& name) const { return m_receivers.count(name) != 0; }

private:
    friend class FakeLocalEndpoint;

    std::map<std::string, Receiver> m_receivers;
    std::set<std::string> m_heldElsewhere;
    std::vector<Sent> m_sent;
    std::string m_claimError;
};

} // namespace cdx
