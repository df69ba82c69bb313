#pragma once

#include <string>

#include "platform/ProgramLocation.h"

namespace cdx {

// Where the program is on Linux. The program directory is the executable's
// folder when the user may write there (a build tree, a copy in the home
// folder), else the per-user data folder given to the constructor
// ($XDG_DATA_HOME/caldrix), which is created on demand. Linux has no short
// names: a path is its own short form.
class LinuxProgramLocation : public ProgramLocation {
public:
    LinuxProgramLocation(std::string executablePath, std::string fallbackDirectory);

    std::string executablePath() const override { return m_executablePath; }
    std::string programDirectory() const override;
    std::string shortPathName(const std::string& path) const override { return path; }

    // The running executable's full path, from /proc/self/exe.
    static std::string runningExecutable();

private:
    std::string m_executablePath;
    std::string m_fallbackDirectory;
};

} // namespace cdx
