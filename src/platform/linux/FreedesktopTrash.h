#pragma once

#include <string>

#include "platform/Clock.h"
#include "platform/RecycleBin.h"

namespace cdx {

// The desktop's trash can as freedesktop.org defines it: the file goes to
// TRASH/files/NAME and TRASH/info/NAME.trashinfo records its original path
// and the deletion date, so that file managers can list and restore it. Names
// already in the trash get a number added ("cdxlog.txt.2"). A file on another
// file system is copied into the trash and then removed.
class FreedesktopTrash : public RecycleBin {
public:
    // `trashDirectory` is the trash can's folder (created when missing);
    // `clock` gives the deletion date.
    FreedesktopTrash(std::string trashDirectory, const Clock& clock)
        : m_trash(std::move(trashDirectory)), m_clock(clock)
    {
    }

    // The user's home trash: $XDG_DATA_HOME/Trash, or ~/.local/share/Trash.
    static std::string homeTrashDirectory();

    bool moveToTrash(const std::string& path) override;

    // The path as a trash information file stores it: every byte but the
    // unreserved characters of a URI and "/" as %XX.
    static std::string escapePath(const std::string& path);

private:
    std::string m_trash;
    const Clock& m_clock;
};

} // namespace cdx
