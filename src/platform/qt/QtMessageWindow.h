#pragma once

#include <cstdint>
#include <functional>

#include <QObject>

#include "platform/MessageWindow.h"

namespace cdx {

// An invisible message window on the Qt event loop: posted messages arrive as
// events and are passed to the window procedure given at construction.
// Messages still queued when the window is destroyed are dropped.
class QtMessageWindow : public QObject, public MessageWindow {
    Q_OBJECT
public:
    using WindowProcedure =
        std::function<std::int64_t(std::uint32_t message, std::uint64_t wParam, std::int64_t lParam)>;

    explicit QtMessageWindow(WindowProcedure procedure, QObject* parent = nullptr);

    void postMessage(std::uint32_t message, std::uint64_t wParam, std::int64_t lParam) override;

protected:
    bool event(QEvent* event) override;

private:
    WindowProcedure m_procedure;
};

} // namespace cdx
