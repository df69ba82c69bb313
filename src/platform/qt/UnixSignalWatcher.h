#pragma once

#include <QObject>

class QSocketNotifier;

namespace cdx {

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal delivered on the GUI
// thread, so the program can end the way a desktop session end does.
// Only one watcher may exist at a time.
class UnixSignalWatcher : public QObject {
    Q_OBJECT
public:
    explicit UnixSignalWatcher(QObject* parent = nullptr);
    ~UnixSignalWatcher() override;

signals:
    void terminationRequested(int signalNumber);

private:
    void readSignal();

    QSocketNotifier* m_notifier = nullptr;
};

} // namespace cdx
