#pragma once

#include <cstdint>
#include <string>

#include "platform/FileOpener.h"

namespace cdx {

class FileLockProbe;

// Opens an existing log for reading and writing, as every log operation does.
// Throws LogFileError when the file is missing, is not a regular file (a
// folder, or a symbolic link, which is never followed), is locked by another
// program or cannot be opened; the message names the cause.
FileOpener::File openExistingLog(const std::string& path, const FileLockProbe& locks, const FileOpener& opener);

// The reason of the last failed system call, as the user reads it.
std::string lastSystemError();

// The reason an open by the file opener failed, as the user reads it.
std::string openError(int error);

// The size of an open log in bytes. Throws LogFileError when it cannot be read.
std::uintmax_t logSize(std::FILE* file, const std::string& path);

} // namespace cdx
