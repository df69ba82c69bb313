#include "logs/LogPaths.h"

namespace cdx {

LogPaths LogPaths::inDirectory(const std::string& directory)
{
    const std::string base = directory.empty() || directory.back() == '/' ? directory : directory + "/";
    return LogPaths{base + "cdxlog.txt",     base + "cdxlog.htm", base + "cdxlog.csv", base + "cdxwarnlog.txt",
                    base + "cdxwarnlog.htm", base + "updown.txt", base + "updown.htm"};
}

} // namespace cdx
