// The floor Caldrix's footprint is measured against: the least a Qt Widgets
// program with a window, a tray icon and a one-second timer costs.
#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <QTime>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    QLabel label;
    label.setText(QTime::currentTime().toString());
    label.show();

    QPixmap picture(32, 32);
    picture.fill(Qt::darkBlue);
    QPainter(&picture).fillRect(8, 8, 16, 16, Qt::green);
    QSystemTrayIcon tray{QIcon(picture)};
    tray.show();

    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, &label, [&label, &tray] {
        const QString now = QTime::currentTime().toString();
        label.setText(now);
        tray.setToolTip(now);
    });
    tick.start(1000);
    return app.exec();
}
