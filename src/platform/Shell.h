#pragma once

#include <string>
#include <vector>

#include "platform/ShowCommand.h"

namespace cdx {

// Opens programs and documents the way the desktop does, with no command
// interpreter in between: every argument reaches the program as it is.
class Shell {
public:
    virtual ~Shell() = default;

    // Runs `file` with its default action: a program is started with
    // `arguments` in `directory` (empty: the current one); any other file is
    // opened in the program the desktop associates with its type (the
    // arguments and directory then do not apply). `show` is a wish for the
    // new window; a desktop may ignore it. Returns whether the request was
    // handed over; what the started program does afterwards is not followed.
    virtual bool execute(const std::string& file, const std::vector<std::string>& arguments,
                         const std::string& directory, ShowCommand show) = 0;
};

} // namespace cdx
