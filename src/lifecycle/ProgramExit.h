#pragma once

#include <functional>

#include "lifecycle/ExitQuestion.h"

namespace cdx {

// Every way the program ends on request: the "Exit" item, a close of the
// window from its frame, and the end of the desktop session (or a
// termination signal). The first two ask the exit question when it is armed
// and enabled and end only when the settings were saved; a session end asks
// nothing, saves and ends even when saving fails.
class ProgramExit {
public:
    struct Actions {
        std::function<bool()> questionEnabled;                  // "Enable Exit Question"
        std::function<ExitAnswer(const ExitButtonLayout&)> ask; // the exit question dialog
        std::function<bool()> save;                             // false when the settings could not be saved
        std::function<void()> hideToTray;
        std::function<void()> quit;
    };

    explicit ProgramExit(Actions actions);

    void exitItem() { request(ExitQuestion::Origin::ExitItem); }
    void closeBox() { request(ExitQuestion::Origin::CloseBox); }
    void sessionEnd();

    // The settings were saved on the way out (the shutdown need not save
    // them again).
    bool saved() const { return m_saved; }
    // The program is on its way out.
    bool ending() const { return m_ending; }
    const ExitQuestion& question() const { return m_question; }

private:
    void request(ExitQuestion::Origin origin);

    Actions m_actions;
    ExitQuestion m_question;
    bool m_saved = false;
    bool m_ending = false;
};

} // namespace cdx
