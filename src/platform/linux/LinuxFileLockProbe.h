#pragma once

#include "platform/FileLockProbe.h"

namespace cdx {

// Linux has no share modes; a file counts as locked when another process
// holds a POSIX record lock (fcntl, also open-file-description locks) or a
// BSD lock (flock) on it, or when a lock file of an office suite sits beside
// it (".~lock.NAME#", kept while LibreOffice has NAME open).
//
// The probe opens the file briefly. A process loses its own fcntl locks on a
// file whenever it closes any descriptor of it, so this program must not use
// fcntl locks on the files it probes.
class LinuxFileLockProbe : public FileLockProbe {
public:
    bool isLocked(const std::string& path) const override;

    // ".~lock.NAME#" in the folder of `path`.
    static std::string officeLockFile(const std::string& path);
};

} // namespace cdx
