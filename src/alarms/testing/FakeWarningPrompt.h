#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "alarms/WarningPrompt.h"

namespace cdx {

class FakeTimerQueue;
class WarningDialogControl;

// A Warning dialog answered by a chosen button after a chosen wait in virtual
// time, during which the queue's timers fire as they would under a modal loop.
class FakeWarningPrompt : public WarningPrompt {
public:
    enum class Answer { DisableAlarm, EnableAlarm, CloseBox };

    FakeWarningPrompt(WarningDialogControl& control, FakeTimerQueue* queue = nullptr)
        : m_control(control), m_queue(queue)
    {
    }

    void showModal(const std::string& text) override;

    Answer answer = Answer::DisableAlarm;
    std::int64_t waitMs = 0;
    // Every text shown, in order, and the number of the alarm each was shown for.
    std::vector<std::string> texts;
    std::vector<int> sources;
    std::vector<std::string>* journal = nullptr;

private:
    WarningDialogControl& m_control;
    FakeTimerQueue* m_queue;
};

} // namespace cdx
