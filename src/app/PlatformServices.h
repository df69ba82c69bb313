#pragma once

#include <memory>

#include "platform/RegionalFormats.h"
#include "platform/linux/FileRegistry.h"
#include "platform/linux/FreedesktopTrash.h"
#include "platform/linux/LinuxClock.h"
#include "platform/linux/LinuxFileLockProbe.h"
#include "platform/linux/LinuxFileOpener.h"
#include "platform/linux/LinuxProgramLocation.h"
#include "platform/linux/LinuxShell.h"
#include "platform/linux/UnixLocalMessaging.h"
#include "platform/linux/XdgAutostartEntry.h"
#include "platform/linux/XdgDirectories.h"
#include "platform/qt/QtMessageBox.h"
#include "platform/qt/QtTimerFactory.h"
#include "platform/qt/SystemTray.h"

namespace cdx {

// The Linux and Qt implementations of every platform service the program
// uses, made once at start and shared by reference.
struct PlatformServices {
    // programFile: the program's own path, which places its logs.
    explicit PlatformServices(const std::string& programFile);

    XdgDirectories directories;
    LinuxClock clock;
    LinuxProgramLocation location;
    FileRegistry registry;
    RegionalFormats formats;
    LinuxShell shell;
    // The user's local message bus: the single-instance name, the requests
    // of other programs, CPU Idle.
    UnixLocalMessaging messaging;
    FreedesktopTrash trash;
    LinuxFileLockProbe locks;
    LinuxFileOpener files;
    XdgAutostartEntry autostart;
    QtMessageBox messages;
    QtTimerFactory timers;
    SystemTray systemTray;
};

} // namespace cdx
