#include "ui/PopupMenu.h"

#include "monitor/MonitorTimers.h"
#include "settings/Settings.h"
#include "ui/InformationDialog.h"

namespace cdx {

namespace {

void call(const std::function<void()>& f)
{
    if (f) {
        f();
    }
}

// A caption built from the user's texts shows every "&" as it is.
QString literalCaption(const std::string& text)
{
    return QString::fromStdString(text).replace('&', "&&");
}

} // namespace

PopupMenu::PopupMenu(Parts parts, QObject* parent) : QObject(parent), m_parts(std::move(parts))
{
    m_menu = new QMenu;
    m_menu->setObjectName("PopupMenu1");

    addItem(m_menu, "UnInstallExit1", "Un-Install", [this] { call(m_onUnInstall); });
    QAction* zuno = addItem(m_menu, "ZunoBeer1", "Zuno Beer Can Holder", [this] { openCdTray(); });
    zuno->setVisible(m_parts.settings.zuno);

    m_logSeparator = m_menu->addSeparator();
    m_logSeparator->setObjectName("N1");
    m_logItems[0] = addItem(m_menu, "Log1", "Start Interval Log", [this] { call(m_parts.log.start); });
    m_logItems[1] = addItem(m_menu, "Log2", "Stop Interval Log", [this] { call(m_parts.log.stop); });
    m_logItems[2] = addItem(m_menu, "Log3", "View Log", [this] { call(m_parts.log.view); });
    m_logItems[3] = addItem(m_menu, "Log4", "Erase Log", [this] { call(m_parts.log.erase); });
    m_menu->addSeparator();

    QMenu* help = m_menu->addMenu("Help");
    help->menuAction()->setObjectName("Help1");
    addItem(help, "Help2", "Help", [this] { call(m_onHelp); });
    addItem(help, "About1", "About", [this] { call(m_onAbout); });
    help->addSeparator();
    addItem(help, "WebPage1", "Web Page", [this] { call(m_onWebPage); });
    addItem(help, "EMailAuthor1", "E-Mail Author", [this] { call(m_onEMailAuthor); });
    m_menu->addSeparator();

    QMenu* quick = m_menu->addMenu("Quick Check");
    quick->menuAction()->setObjectName("QuickCheck1");
    for (QuickCheckItem which : kQuickCheckItems) {
        m_quickCheck[static_cast<std::size_t>(which)] =
            addItem(quick, quickCheckName(which), quickCheckName(which), [this, which] { showQuickCheck(which); });
    }
    addItem(m_menu, "History1", "History", [this] { call(m_onHistory); });

    addItem(m_menu, "Show1", "Show && Expand", [this] { call(m_parts.window.showExpand); });
    addItem(m_menu, "Show2", "Show", [this] { call(m_parts.window.show); });
    addItem(m_menu, "Hide1", "Hide", [this] { call(m_parts.window.hide); });
    m_menu->addSeparator();
    addItem(m_menu, "pause1", "pause", [this] { toggleSuspend(); });
    m_menu->addSeparator();
    addItem(m_menu, "Exit1", "Exit", [this] { call(m_parts.exit); });

    setLogItemsVisible(m_parts.settings.showLogOnPopup);
    connect(m_menu, &QMenu::aboutToShow, this, &PopupMenu::refresh);
}

PopupMenu::~PopupMenu()
{
    delete m_menu;
}

QAction* PopupMenu::addItem(QMenu* menu, const char* name, const char* caption, std::function<void()> action)
{
    QAction* item = menu->addAction(QString::fromUtf8(caption));
    item->setObjectName(name);
    connect(item, &QAction::triggered, this, [action = std::move(action)] { action(); });
    return item;
}

QAction* PopupMenu::item(const char* objectName) const
{
    return m_menu->findChild<QAction*>(objectName);
}

void PopupMenu::setLogItemsVisible(bool visible)
{
    m_logSeparator->setVisible(visible);
    for (QAction* log : m_logItems) {
        log->setVisible(visible);
    }
}

void PopupMenu::refresh()
{
    const bool hidden = m_parts.window.isHidden && m_parts.window.isHidden();
    item("Show1")->setEnabled(hidden);
    item("Show2")->setEnabled(hidden);
    item("Hide1")->setEnabled(!hidden);

    item("pause1")->setText(m_parts.timers.suspended() ? "Resume" : "Suspend");

    if (m_parts.log.logging) {
        const bool on = m_parts.log.logging();
        m_logItems[0]->setEnabled(!on);
        m_logItems[1]->setEnabled(on);
    }

    for (QuickCheckItem which : kQuickCheckItems) {
        quickCheckItem(which)->setText(literalCaption(m_parts.quickCheck.caption(which)));
    }
}

void PopupMenu::toggleSuspend()
{
    if (m_parts.timers.suspended()) {
        m_parts.timers.resume(m_parts.restoreTray);
    } else {
        m_parts.timers.suspend();
        call(m_parts.suspendTray);
    }
}

void PopupMenu::openCdTray()
{
    call(m_parts.openCdTray);
}

void PopupMenu::showQuickCheck(QuickCheckItem which)
{
    m_parts.information().showInfo(m_parts.quickCheck.info(which));
}

} // namespace cdx
