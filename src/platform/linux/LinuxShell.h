#pragma once

#include <string>
#include <vector>

#include "platform/Shell.h"

namespace cdx {

// Starts programs directly and opens documents with the desktop's opener
// (xdg-open), never through a command interpreter. A file that is an
// executable program is started with the arguments; any other file is handed
// to the opener, which chooses the program by the file's type. Started
// processes are reaped in the background. The desktop decides the window
// state, so the show command is not passed on.
class LinuxShell : public Shell {
public:
    // `opener` is the program that opens documents; it is looked up on PATH
    // when it has no slash.
    explicit LinuxShell(std::string opener = "xdg-open") : m_opener(std::move(opener)) {}

    bool execute(const std::string& file, const std::vector<std::string>& arguments, const std::string& directory,
                 ShowCommand show) override;

private:
    std::string m_opener;
};

} // namespace cdx
