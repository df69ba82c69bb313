#include "alarms/testing/FakeWarningPrompt.h"

#include "alarms/WarningDialogControl.h"
#include "platform/fake/FakeTimerQueue.h"

namespace cdx {

void FakeWarningPrompt::showModal(const std::string& text)
{
    texts.push_back(text);
    sources.push_back(m_control.alarm() ? static_cast<int>(*m_control.alarm()) : 0);
    if (journal) {
        journal->push_back("dialog: " + text);
    }
    m_control.dialogShown();
    if (m_queue && waitMs > 0) {
        m_queue->advance(waitMs);
    }
    if (answer == Answer::EnableAlarm) {
        m_control.enableAlarm();
    }
    m_control.dialogClosed();
    if (journal) {
        journal->push_back("dialog closed");
    }
}

} // namespace cdx
