#pragma once

#include <functional>
#include <memory>

#include <QObject>

#include "lifecycle/FirstRunSequence.h"
#include "lifecycle/HelpLinks.h"
#include "lifecycle/ProgramExit.h"
#include "lifecycle/SingleInstance.h"
#include "ui/AboutDialog.h"
#include "ui/ExitQuestionDialog.h"

namespace cdx {

class MainWindow;
class PopupMenu;
class SensorDriver;
class SettingsStore;
class UnixLocalMessaging;
struct PlatformServices;
struct Settings;

// How the program begins and ends around its monitoring: the one-instance
// rule, the first-run questions, the exit question with every way of ending
// (the "Exit" item, the window's close box, the end of the session), the
// uninstall command and the Help submenu.
class ProgramLifecycle : public QObject {
    Q_OBJECT
public:
    struct Parts {
        PlatformServices& platform;
        Settings& settings;
        SettingsStore& store;
        SensorDriver& driver;
        MainWindow& window;
        // Writes the settings; false (after telling the user) when that fails.
        std::function<bool()> save;
        // The program ends without saving (after an uninstall): polling and
        // the log timer stop at once, the close saves nothing.
        std::function<void()> endWithoutSaving;
        // Any other request another program sends to this instance.
        std::function<void(const LocalMessage&)> otherRequest;
    };

    explicit ProgramLifecycle(Parts parts);
    ~ProgramLifecycle() override;

    // True when another Caldrix of this user runs: it was asked to bring its
    // window forward and the user was told. Otherwise this program is the
    // one from now on.
    bool anotherInstanceRuns();

    // Loads the settings and, on a first run, asks the first-run questions.
    FirstRunSequence::StartUp loadSettings(bool chipDetected);

    // An installed copy registers its own uninstaller the first time.
    void registerUninstaller();

    // Binds the popup menu's uninstall and help items.
    void bindMenu(PopupMenu& menu);

    ProgramExit& exit() { return m_exit; }
    // The start is over: from now on an end waits for the event loop.
    void startFinished() { m_starting = false; }
    void uninstall();

    // Whether nobody can answer a dialog (no display).
    static bool unattended();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ExitAnswer askExitQuestion(const ExitButtonLayout& layout);
    void received(const LocalMessage& message);

    Parts m_parts;
    std::unique_ptr<UnixLocalMessaging> m_messaging;
    SingleInstance m_instance;
    HelpLinks m_help;
    bool m_starting = true;
    // Made the first time each is needed.
    std::unique_ptr<ExitQuestionDialog> m_exitQuestion;
    std::unique_ptr<AboutDialog> m_about;
    ProgramExit m_exit;
};

} // namespace cdx
