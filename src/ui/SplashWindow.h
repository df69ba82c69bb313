#pragma once

#include <QWidget>

namespace cdx {

// The start-up splash (`TSplash1`): a borderless black window with the
// program's picture and its version, centred on the screen.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);

    // Shows the window and draws it at once, before the event loop runs.
    void showNow();
};

} // namespace cdx
