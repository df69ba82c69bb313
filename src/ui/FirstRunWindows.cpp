#include "ui/FirstRunWindows.h"

#include <ostream>

#include <QDialog>

#include "ui/AgreementDialog.h"
#include "ui/FirstRunInfoDialog.h"
#include "ui/StartupInfoDialog.h"
#include "ui/StartupSettingsDialog.h"

namespace cdx {

FirstRunWindows::FirstRunWindows(bool unattended, std::ostream& notices, QWidget* parent)
    : m_unattended(unattended), m_notices(notices), m_parent(parent),
      m_run([](QDialog& dialog) { return dialog.exec(); })
{
}

void FirstRunWindows::showStartupInfo()
{
    if (m_unattended) {
        m_notices << "Caldrix: first start without a display: nobody can answer the first-run questions, so Caldrix "
                     "starts as if \"I Agree\" and \"OK\" were pressed, with the default settings\n";
        return;
    }
    StartupInfoDialog dialog(m_parent);
    m_run(dialog);
}

bool FirstRunWindows::askAgreement()
{
    if (m_unattended) {
        return true;
    }
    AgreementDialog dialog(m_parent);
    return m_run(dialog) == QDialog::Accepted;
}

StartupChoices FirstRunWindows::askStartupSettings(const StartupQuestions& questions)
{
    StartupSettingsDialog dialog(questions, m_parent);
    if (!m_unattended) {
        m_run(dialog);
    }
    return dialog.choices();
}

void FirstRunWindows::showFirstTimeInformation(const std::string& chipText)
{
    if (m_unattended) {
        m_notices << "Caldrix: " << chipText << '\n';
        return;
    }
    FirstRunInfoDialog dialog(chipText, m_parent);
    m_run(dialog);
}

} // namespace cdx
