#pragma once

#include <functional>
#include <map>
#include <vector>

#include "platform/DesktopNotifications.h"

namespace cdx {

// Desktop notifications that record every call and keep the notices shown.
class FakeDesktopNotifications : public DesktopNotifications {
public:
    struct Call {
        enum Kind { Show, Close } kind;
        int key;
        DesktopNotice notice;
    };

    void show(int key, const DesktopNotice& notice) override
    {
        m_calls.push_back({Call::Show, key, notice});
        m_shown[key] = notice;
    }
    void close(int key) override
    {
        m_calls.push_back({Call::Close, key, {}});
        m_shown.erase(key);
    }
    void setOnOpen(std::function<void()> handler) override { m_onOpen = std::move(handler); }

    const std::vector<Call>& calls() const { return m_calls; }
    const std::map<int, DesktopNotice>& shown() const { return m_shown; }
    // The user chooses "Open" on a notice.
    void open() const
    {
        if (m_onOpen) {
            m_onOpen();
        }
    }

private:
    std::vector<Call> m_calls;
    std::map<int, DesktopNotice> m_shown;
    std::function<void()> m_onOpen;
};

} // namespace cdx
