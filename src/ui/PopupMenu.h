#pragma once

#include <array>
#include <functional>
#include <string>

#include <QAction>
#include <QMenu>
#include <QObject>

#include "presentation/QuickCheck.h"

namespace cdx {

class InformationDialog;
class MonitorTimers;
class Shell;
struct Settings;

// The popup menu of the tray icons (`PopupMenu1`): uninstall, the hidden
// joke item, the interval log items, help, the Quick Check readings, the
// window commands, pause and exit. Each time it opens it brings the window
// commands, the pause caption and the Quick Check captions up to date.
class PopupMenu : public QObject {
    Q_OBJECT
public:
    // The interval log operations of the log items.
    struct LogActions {
        std::function<void()> start;   // "Start Interval Log"
        std::function<void()> stop;    // "Stop Interval Log"
        std::function<void()> view;    // "View Log"
        std::function<void()> erase;   // "Erase Log"
        std::function<bool()> logging; // whether the interval log is on
    };

    // What the window commands do.
    struct WindowCommands {
        std::function<bool()> isHidden;
        std::function<void()> showExpand; // "Show & Expand"
        std::function<void()> show;       // "Show"
        std::function<void()> hide;       // "Hide"
    };

    struct Parts {
        const Settings& settings;
        MonitorTimers& timers;
        const QuickCheck& quickCheck;
        std::function<InformationDialog&()> information; // made when first needed
        WindowCommands window;
        LogActions log;
        std::function<void()> exit;
        // Called after polling was suspended (the tray shows the suspended
        // state) and given to the resume to bring the tray icons back.
        std::function<void()> suspendTray;
        std::function<void()> restoreTray;
        // Opens the CD tray; none: the joke item does nothing.
        std::function<void()> openCdTray;
    };

    explicit PopupMenu(Parts parts, QObject* parent = nullptr);
    ~PopupMenu() override;

    // The menu the tray icons open.
    QMenu* menu() { return m_menu; }
    QAction* item(const char* objectName) const;
    QAction* quickCheckItem(QuickCheckItem item) const { return m_quickCheck[static_cast<std::size_t>(item)]; }

    // Brings the items up to date; runs each time the menu opens.
    void refresh();

    // CheckBox42Click: the log items and their separator show exactly when
    // "Show Log On Pop Up" is on.
    void setLogItemsVisible(bool visible);

    // "Suspend" / "Resume": stops or restarts polling.
    void toggleSuspend(); // pause1Click
    // The joke item: opens the CD tray.
    void openCdTray(); // ZunoBeer1Click
    // A Quick Check item: shows its reading in the information dialog.
    void showQuickCheck(QuickCheckItem item); // QuickCheckClick

    // The items whose work is done elsewhere (uninstall, help, about, web
    // page, e-mail): nothing is bound until then.
    void setOnUnInstall(std::function<void()> f) { m_onUnInstall = std::move(f); }
    void setOnHelp(std::function<void()> f) { m_onHelp = std::move(f); }
    void setOnAbout(std::function<void()> f) { m_onAbout = std::move(f); }
    void setOnWebPage(std::function<void()> f) { m_onWebPage = std::move(f); }
    void setOnEMailAuthor(std::function<void()> f) { m_onEMailAuthor = std::move(f); }

private:
    QAction* addItem(QMenu* menu, const char* name, const char* caption, std::function<void()> action);

    Parts m_parts;
    QMenu* m_menu = nullptr;
    QAction* m_logSeparator = nullptr;
    std::array<QAction*, 4> m_logItems{};
    std::array<QAction*, 13> m_quickCheck{};
    std::function<void()> m_onUnInstall;
    std::function<void()> m_onHelp;
    std::function<void()> m_onAbout;
    std::function<void()> m_onWebPage;
    std::function<void()> m_onEMailAuthor;
};

} // namespace cdx
