#include "platform/fake/FakeNotificationArea.h"

#include <algorithm>

#include "platform/MessageWindow.h"

namespace cdx {

bool FakeNotificationArea::notifyIcon(NotifyCommand command, const NotifyIconData& data)
{
    m_calls.push_back({command, data});
    if (!m_available || data.window == nullptr) {
        return false;
    }
    const Key key{data.window, data.id};
    const auto found = m_shown.find(key);
    switch (command) {
    case NotifyCommand::Add:
        if (found != m_shown.end()) {
            return false;
        }
        m_shown.emplace(key, data);
        return true;
    case NotifyCommand::Modify:
        if (found == m_shown.end()) {
            return false;
        }
        found->second = data;
        return true;
    case NotifyCommand::Delete:
        if (found == m_shown.end()) {
            return false;
        }
        m_shown.erase(found);
        return true;
    }
    return false;
}

int FakeNotificationArea::countOf(NotifyCommand command) const
{
    return static_cast<int>(
        std::count_if(m_calls.begin(), m_calls.end(), [command](const Call& call) { return call.command == command; }));
}

const NotifyIconData* FakeNotificationArea::shown(const MessageWindow* window, std::uint32_t id) const
{
    const auto found = m_shown.find({window, id});
    return found == m_shown.end() ? nullptr : &found->second;
}

bool FakeNotificationArea::click(const MessageWindow* window, std::uint32_t mouseMessage, std::uint32_t id)
{
    const auto found = m_shown.find({window, id});
    if (found == m_shown.end()) {
        return false;
    }
    const NotifyIconData& data = found->second;
    data.window->postMessage(data.callbackMessage, data.id, mouseMessage);
    return true;
}

} // namespace cdx
