#include "app/AlarmStack.h"

#include <utility>

#include "app/PlatformServices.h"
#include "monitor/MonitorTimers.h"
#include "monitor/PollCycle.h"

namespace cdx {

AlarmStack::AlarmStack(Parts parts)
    : dialogControl(WarningDialogControl::Parts{parts.settings, parts.timers.pollTimer(), parts.timers.toneTimer(),
                                                parts.sound, std::move(parts.redrawTray),
                                                [&timers = parts.timers] { return timers.suspended(); }}),
      dialog(dialogControl), texts(parts.settings, parts.platform.formats),
      actions(AlarmActions::Parts{parts.settings, window, parts.platform.shell, parts.sound, parts.timers.toneTimer(),
                                  dialog, dialogControl, std::move(parts.writeWarning)}),
      evaluator(parts.settings, texts, actions, [&timers = parts.timers] { return timers.pollingActive(); }),
      counter(parts.recorder)
{
    evaluator.addAlarmListener(counter);
}

void AlarmStack::listenTo(PollCycle& poll)
{
    poll.addReadingsListener(evaluator);
}

} // namespace cdx
