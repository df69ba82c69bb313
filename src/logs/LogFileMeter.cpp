#include "logs/LogFileMeter.h"

#include "logs/LogFileAccess.h"

namespace cdx {

std::uintmax_t LogFileMeter::measure(const std::string& path) const
{
    const FileOpener::File file = openExistingLog(path, m_locks, m_opener);
    return logSize(file.get(), path);
}

} // namespace cdx
