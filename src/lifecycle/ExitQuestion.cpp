#include "lifecycle/ExitQuestion.h"

namespace cdx {

ExitQuestion::Decision ExitQuestion::closeQuery(bool questionEnabled, Origin origin,
                                                const std::function<ExitAnswer(const ExitButtonLayout&)>& ask)
{
    if (!questionEnabled) {
        m_armed = false;
    }
    if (!m_armed || !ask) {
        return {true, false};
    }
    const ExitAnswer answer =
        ask(origin == Origin::ExitItem ? ExitButtonLayout::fromExitItem() : ExitButtonLayout::fromCloseBox());
    switch (answer) {
    case ExitAnswer::Yes:
        return {true, false};
    case ExitAnswer::Minimize:
        return {false, true};
    default:
        return {false, false};
    }
}

} // namespace cdx
