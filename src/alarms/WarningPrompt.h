#pragma once

#include <string>

namespace cdx {

// The Warning dialog as the alarm actions see it: shown modally with the alarm's
// text, it returns once closed. Timers keep firing while it is up. What showing
// and closing do (the poll timer, the tone, the wave, switching the alarm on
// again) is WarningDialogControl's, which the dialog calls.
class WarningPrompt {
public:
    virtual ~WarningPrompt() = default;

    virtual void showModal(const std::string& text) = 0;
};

} // namespace cdx
