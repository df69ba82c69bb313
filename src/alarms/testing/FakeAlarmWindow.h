#pragma once

#include <string>
#include <vector>

#include "alarms/AlarmWindow.h"

namespace cdx {

// A main window of a chosen width and visibility that records the style and
// taskbar changes, into `journal` when one is given.
class FakeAlarmWindow : public AlarmWindow {
public:
    int width() const override { return windowWidth; }
    bool isHidden() const override { return hidden; }
    void setStayOnTop(bool onTop) override
    {
        stayOnTop = onTop;
        note(onTop ? "stay on top" : "not on top");
    }
    void showTaskbarButton(bool shown) override
    {
        taskbarButton = shown;
        note(shown ? "taskbar button shown" : "taskbar button hidden");
    }
    void processPendingMessages() override { note("messages processed"); }

    int windowWidth = 112;
    bool hidden = false;
    bool stayOnTop = true;
    bool taskbarButton = false;
    std::vector<std::string>* journal = nullptr;

private:
    void note(const std::string& event)
    {
        if (journal) {
            journal->push_back(event);
        }
    }
};

} // namespace cdx
