#include "app/WindowAlarmAdapter.h"

#include "ui/MainWindow.h"

namespace cdx {

int WindowAlarmAdapter::width() const
{
    return m_window != nullptr ? m_window->displayState().width() : 0;
}

bool WindowAlarmAdapter::isHidden() const
{
    return m_window == nullptr || m_window->isHidden();
}

void WindowAlarmAdapter::setStayOnTop(bool onTop)
{
    if (m_window != nullptr) {
        m_window->setStayOnTop(onTop);
    }
}

void WindowAlarmAdapter::showTaskbarButton(bool shown)
{
    if (m_window != nullptr) {
        m_window->showTaskbarButton(shown);
    }
}

void WindowAlarmAdapter::processPendingMessages()
{
    if (m_window != nullptr) {
        m_window->processPendingMessages();
    }
}

} // namespace cdx
