#pragma once

#include <cstdint>
#include <map>
#include <utility>
#include <vector>

#include "platform/NotificationArea.h"

namespace cdx {

// A notification area that records every call and keeps the icons it shows,
// and lets a test click them.
class FakeNotificationArea : public NotificationArea {
public:
    struct Call {
        NotifyCommand command;
        NotifyIconData data;
    };

    bool notifyIcon(NotifyCommand command, const NotifyIconData& data) override;

    // Every call in order, refused ones included.
    const std::vector<Call>& calls() const { return m_calls; }
    void clearCalls() { m_calls.clear(); }
    int countOf(NotifyCommand command) const;

    // The record of the icon shown for (window, id), or nullptr.
    const NotifyIconData* shown(const MessageWindow* window, std::uint32_t id = 0) const;
    std::size_t shownCount() const { return m_shown.size(); }

    // While false every call is refused, as with no notification area at all.
    void setAvailable(bool available) { m_available = available; }

    // The user acts on a shown icon: posts its callback message carrying
    // `mouseMessage` to its window. Returns false when the icon is not shown.
    bool click(const MessageWindow* window, std::uint32_t mouseMessage, std::uint32_t id = 0);

private:
    using Key = std::pair<const MessageWindow*, std::uint32_t>;

    std::vector<Call> m_calls;
    std::map<Key, NotifyIconData> m_shown;
    bool m_available = true;
};

} // namespace cdx
