#include "logs/LogFileMeter.h"

#include "logs/LogFileAccess.h"

namespace cdx {

std::uintmax_t LogFileMeter::measure(const std::string& path) const
{
    std::fstream file = openExistingLog(path, m_locks);
    return static_cast<std::uintmax_t>(logSize(file, path));
}

} // namespace cdx
