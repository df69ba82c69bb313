#pragma once

#include <cstdint>
#include <string>

#include "platform/FileLockProbe.h"
#include "platform/FileOpener.h"

namespace cdx {

// Measures a log file the way the size labels and the size limit need it:
// the file must exist and be free to read and write.
class LogFileMeter {
public:
    LogFileMeter(const FileLockProbe& locks, const FileOpener& opener) : m_locks(locks), m_opener(opener) {}

    // The length of the file in bytes. Throws LogFileError when the file is
    // missing, locked by another program or cannot be opened for reading and
    // writing.
    std::uintmax_t measure(const std::string& path) const;

private:
    const FileLockProbe& m_locks;
    const FileOpener& m_opener;
};

} // namespace cdx
