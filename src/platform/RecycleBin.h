#pragma once

#include <string>

namespace cdx {

// The desktop's wastebasket: files moved there can be restored by the user.
class RecycleBin {
public:
    virtual ~RecycleBin() = default;

    // Moves the file at `path` into the wastebasket. Returns false, leaving
    // the file where it is, when it does not exist or cannot be moved.
    virtual bool moveToTrash(const std::string& path) = 0;
};

} // namespace cdx
