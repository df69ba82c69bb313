#include "lifecycle/ProgramExit.h"

namespace cdx {

ProgramExit::ProgramExit(Actions actions) : m_actions(std::move(actions))
{
}

void ProgramExit::request(ExitQuestion::Origin origin)
{
    if (m_ending) {
        return;
    }
    const bool enabled = !m_actions.questionEnabled || m_actions.questionEnabled();
    const ExitQuestion::Decision decision = m_question.closeQuery(enabled, origin, m_actions.ask);
    if (decision.hideToTray && m_actions.hideToTray) {
        m_actions.hideToTray();
    }
    if (!decision.canClose) {
        return;
    }
    // When the settings cannot be saved the program stays, so that nothing
    // is lost and the user can try again.
    if (m_actions.save && !m_actions.save()) {
        return;
    }
    m_saved = true;
    m_ending = true;
    m_actions.quit();
}

void ProgramExit::sessionEnd()
{
    m_question.sessionEnding();
    if (m_ending) {
        return;
    }
    m_ending = true;
    // A session end cannot be refused: one try at saving, then on.
    m_saved = m_actions.save && m_actions.save();
    m_actions.quit();
}

} // namespace cdx
