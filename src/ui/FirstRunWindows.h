#pragma once

#include <functional>
#include <iosfwd>

#include "lifecycle/FirstRunDialogs.h"

class QDialog;
class QWidget;

namespace cdx {

// The first-run dialogs as modal windows. Unattended (no display), nobody
// could answer them: one line on the notice stream says so, and the answers
// are "I Agree" and "OK" with the values the dialogs start with.
class FirstRunWindows : public FirstRunDialogs {
public:
    // Runs a dialog modally and returns its result; tests answer here.
    using ModalRunner = std::function<int(QDialog&)>;

    FirstRunWindows(bool unattended, std::ostream& notices, QWidget* parent = nullptr);

    void setModalRunner(ModalRunner runner) { m_run = std::move(runner); }

    void showStartupInfo() override;
    bool askAgreement() override;
    StartupChoices askStartupSettings(const StartupQuestions& questions) override;
    void showFirstTimeInformation(const std::string& chipText) override;

private:
    bool m_unattended;
    std::ostream& m_notices;
    QWidget* m_parent;
    ModalRunner m_run;
};

} // namespace cdx
