#pragma once

#include <string>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>

namespace cdx::test {

// The test desktop (a tray host and notification server) in a process of its
// own on the session bus, read line by line. Waiting for a line runs this
// process's event loop, so its own calls get their answers meanwhile.
class TestDesktopProcess {
public:
    static constexpr int WaitMs = 15000;

    TestDesktopProcess()
    {
        m_process.setProgram(QStringLiteral(CALDRIX_TEST_DESKTOP));
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start();
    }
    ~TestDesktopProcess()
    {
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(WaitMs)) {
            m_process.kill();
            m_process.waitForFinished(WaitMs);
        }
    }
    TestDesktopProcess(const TestDesktopProcess&) = delete;
    TestDesktopProcess& operator=(const TestDesktopProcess&) = delete;

    // The next line it reports, or "(nothing)" when none comes in time.
    std::string nextLine()
    {
        const QDeadlineTimer deadline(WaitMs);
        while (!m_process.canReadLine()) {
            if (deadline.hasExpired() || m_process.state() == QProcess::NotRunning) {
                return "(nothing)";
            }
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            m_process.waitForReadyRead(20);
        }
        return QString::fromUtf8(m_process.readLine()).trimmed().toStdString();
    }

    void send(const std::string& command) { m_process.write(QByteArray::fromStdString(command + "\n")); }

private:
    QProcess m_process;
};

} // namespace cdx::test
