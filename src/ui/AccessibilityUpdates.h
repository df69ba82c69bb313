#pragma once

class QAccessibleEvent;

namespace cdx {

// Where the program's own accessibility events go: to Qt and on to assistive
// technology, or, once a test installs one, to a recorder. (Qt drops every
// event while no platform bridge is active, as on the offscreen platform, so
// its own update handler never sees them there.)
class AccessibilityUpdates {
public:
    using Recorder = void (*)(QAccessibleEvent* event);

    static void send(QAccessibleEvent& event);
    // Sends every event to `recorder` instead (none: to Qt); returns the
    // previous one.
    static Recorder installRecorder(Recorder recorder);
};

} // namespace cdx
