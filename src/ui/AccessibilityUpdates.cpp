#include "ui/AccessibilityUpdates.h"

#include <QAccessible>

namespace cdx {

namespace {
AccessibilityUpdates::Recorder g_recorder = nullptr;
} // namespace

void AccessibilityUpdates::send(QAccessibleEvent& event)
{
    if (g_recorder) {
        g_recorder(&event);
    } else {
        QAccessible::updateAccessibility(&event);
    }
}

AccessibilityUpdates::Recorder AccessibilityUpdates::installRecorder(Recorder recorder)
{
    const Recorder previous = g_recorder;
    g_recorder = recorder;
    return previous;
}

} // namespace cdx
