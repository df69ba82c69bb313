#pragma once

#include <string>

namespace cdx {

// A limit on the processor's clock: lowered while the CPU Idle program runs,
// put back when it ends.
class FrequencyCap {
public:
    struct Outcome {
        bool applied = false;
        // What the user should read: how far the clock was lowered, or why
        // nothing was changed.
        std::string message;
    };

    virtual ~FrequencyCap() = default;

    // Lowers the limit as far as it goes. Where it cannot be changed
    // everywhere, nothing is changed.
    virtual Outcome apply() = 0;

    // Puts back every limit apply() changed; does nothing when none was.
    // Returns what could not be put back, empty on success.
    virtual std::string restore() = 0;

    // Puts back limits an earlier run was killed before it could put back.
    // Returns what could not be put back or why nothing was; empty when
    // there was nothing to do or all went back.
    virtual std::string recoverEarlierRun() { return {}; }
};

} // namespace cdx
