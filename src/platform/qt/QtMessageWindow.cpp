#include "platform/qt/QtMessageWindow.h"

#include <QCoreApplication>
#include <QEvent>

namespace cdx {

namespace {

const QEvent::Type WindowMessageType = static_cast<QEvent::Type>(QEvent::registerEventType());

class WindowMessageEvent : public QEvent {
public:
    WindowMessageEvent(std::uint32_t message, std::uint64_t wParam, std::int64_t lParam)
        : QEvent(WindowMessageType), m_message(message), m_wParam(wParam), m_lParam(lParam)
    {
    }

    std::uint32_t m_message;
    std::uint64_t m_wParam;
    std::int64_t m_lParam;
};

} // namespace

QtMessageWindow::QtMessageWindow(WindowProcedure procedure, QObject* parent)
    : QObject(parent), m_procedure(std::move(procedure))
{
}

void QtMessageWindow::postMessage(std::uint32_t message, std::uint64_t wParam, std::int64_t lParam)
{
    QCoreApplication::postEvent(this, new WindowMessageEvent(message, wParam, lParam));
}

bool QtMessageWindow::event(QEvent* event)
{
    if (event->type() == WindowMessageType) {
        const auto* message = static_cast<WindowMessageEvent*>(event);
        if (m_procedure) {
            m_procedure(message->m_message, message->m_wParam, message->m_lParam);
        }
        return true;
    }
    return QObject::event(event);
}

} // namespace cdx
