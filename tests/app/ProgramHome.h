#pragma once

#include <fstream>
#include <sstream>
#include <string>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QToolButton>
#include <QWidget>

#include "platform/fake/FakeProgramLocation.h"
#include "platform/linux/FileRegistry.h"
#include "settings/SettingsStore.h"

namespace cdx::test {

// The program's own folders, all inside one temporary home.
class TemporaryHome {
public:
    TemporaryHome()
    {
        const QByteArray home = m_folder.path().toUtf8();
        qputenv("HOME", home);
        qputenv("XDG_CONFIG_HOME", home + "/config");
        qputenv("XDG_DATA_HOME", home + "/data");
        qputenv("XDG_STATE_HOME", home + "/state");
        qputenv("XDG_RUNTIME_DIR", home);
        qputenv("CALDRIX_DRIVER", "sim");
    }

    bool valid() const { return m_folder.isValid() && QDir(m_folder.path()).mkpath("bin"); }
    // Where the program under test counts itself as lying: its logs go there,
    // not beside the test program.
    std::string programFile() const { return m_folder.filePath("bin/caldrix").toStdString(); }
    std::string programFolder() const { return m_folder.filePath("bin").toStdString(); }
    std::string settingsFolder() const { return m_folder.filePath("config/caldrix").toStdString(); }
    std::string settingsFile() const { return settingsFolder() + "/HKEY_CURRENT_USER.reg"; }
    QString historyFile() const { return m_folder.filePath("state/caldrix/history"); }

private:
    QTemporaryDir m_folder;
};

// The settings an earlier start left, written as the program writes them.
inline void storeSettings(const TemporaryHome& home, Settings settings)
{
    FileRegistry registry(home.settingsFolder());
    FakeProgramLocation location(home.settingsFolder());
    SettingsStore(registry, location).writeRegistry(settings, 0, 0);
}

inline QWidget* topLevel(const char* name)
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name) {
            return widget;
        }
    }
    return nullptr;
}

inline QWidget* mainWindow()
{
    return topLevel("Form1");
}

// Show & Expand, as the popup menu gives it: the settings pages exist from
// then on.
inline QWidget* expandedWindow()
{
    QWidget* window = mainWindow();
    if (window != nullptr) {
        auto* modeButton = window->findChild<QToolButton*>("SpeedButton1");
        if (modeButton != nullptr) {
            modeButton->click();
        }
    }
    return window;
}

inline QString gaugeCaption(QWidget* window, const char* panel)
{
    const auto* box = window->findChild<QWidget*>(panel);
    const auto* caption = box != nullptr ? box->findChild<QLabel*>() : nullptr;
    return caption != nullptr ? caption->text() : QString();
}

inline std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace cdx::test
