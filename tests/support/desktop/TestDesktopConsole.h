#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QSocketNotifier>
#include <QStringList>

class TestNotificationServer;
class TestStatusNotifierWatcher;

// A desktop's tray host and notification server on the session bus, driven
// line by line on standard input and reporting on standard output:
//
//   layout N         the top menu items of tray item N as its host shows them
//                    on opening: "layout: A|~B|-|C" (~ disabled, - separator)
//   click N CAPTION  the host's click on the top menu item CAPTION
//   sizes N          the picture sizes of item N: "sizes: 16x16 22x22 ..."
//   menu N           the menu object path of item N: "menu: /MenuBar"
//   tooltip N        the tooltip of item N: "tooltip: TEXT"
//   invoke ID ACTION the user chooses ACTION on notification ID
//
// Reported by themselves: "item N NAME|PATH" when an item registers,
// "notify ..." and "close id=ID" when a notification is posted or withdrawn.
class TestDesktopConsole : public QObject {
    Q_OBJECT
public:
    explicit TestDesktopConsole(QDBusConnection bus);
    // Whether both services were taken on the bus.
    bool ready() const { return m_ready; }

    // An item of a menu's layout.
    struct MenuNode {
        int id = 0;
        QVariantMap properties;
        QList<MenuNode> children;
    };

private:
    void readCommand();
    void run(const QString& line);
    void say(const QString& line);
    QString readMenu(int item, bool opening, MenuNode& root);
    QString layout(int item);
    QString click(int item, const QString& caption);
    QString sizes(int item);
    QString toolTip(int item);
    QString menuPath(int item);
    QVariant itemProperty(int item, const QString& name);

    QDBusConnection m_bus;
    QObject m_watcherObject;
    QObject m_notificationsObject;
    TestStatusNotifierWatcher* m_watcher = nullptr;
    TestNotificationServer* m_notifications = nullptr;
    QSocketNotifier m_input;
    QStringList m_items;
    QByteArray m_pending;
    bool m_ready = false;
};
