#include "app/PlatformServices.h"

#include <iostream>

#include "platform/linux/LinuxRegionalFormats.h"
#include "platform/qt/QtReadWatch.h"

namespace cdx {

PlatformServices::PlatformServices(const std::string& programFile)
    : location(programFile, directories.dataHome() + "/caldrix"), registry(directories.configHome() + "/caldrix"),
      formats(LinuxRegionalFormats().formats()),
      messaging(UnixLocalMessaging::defaultDirectory(), std::cerr, qtReadWatch),
      trash(FreedesktopTrash::homeTrashDirectory(), clock), autostart(XdgAutostartEntry::defaultDirectory()),
      systemTray(std::cerr)
{
}

} // namespace cdx
