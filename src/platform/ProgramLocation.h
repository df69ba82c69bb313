#pragma once

#include <string>

namespace cdx {

// Where the program is and where its files go.
class ProgramLocation {
public:
    virtual ~ProgramLocation() = default;

    // The full path of the running executable.
    virtual std::string executablePath() const = 0;

    // The folder every log file lives in, ending without a separator. It exists
    // when this returns (it is created on demand).
    virtual std::string programDirectory() const = 0;

    // The short form of `path`. Where the file system has no short names, a
    // path is its own short form.
    virtual std::string shortPathName(const std::string& path) const = 0;
};

} // namespace cdx
