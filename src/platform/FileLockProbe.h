#pragma once

#include <string>

namespace cdx {

// Tells whether another program holds a file locked, so that this program
// leaves it alone instead of writing under the other's feet.
class FileLockProbe {
public:
    virtual ~FileLockProbe() = default;

    // True when another process holds a lock on the file at `path`, or a
    // program that locks files by a lock file beside them has it open. A
    // missing file is not locked.
    virtual bool isLocked(const std::string& path) const = 0;
};

} // namespace cdx
