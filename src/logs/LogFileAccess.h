#pragma once

#include <fstream>
#include <string>

namespace cdx {

class FileLockProbe;

// Opens an existing log for reading and writing, as every log operation does.
// Throws LogFileError when the file is missing, locked by another program or
// cannot be opened.
std::fstream openExistingLog(const std::string& path, const FileLockProbe& locks);

// The size of an open log in bytes. Throws LogFileError when it cannot be read.
std::streamoff logSize(std::fstream& file, const std::string& path);

} // namespace cdx
