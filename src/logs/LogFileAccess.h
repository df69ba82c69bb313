#pragma once

#include <fstream>
#include <string>

namespace cdx {

class FileLockProbe;

// Opens an existing log for reading and writing, as every log operation does.
// Throws LogFileError when the file is missing, is not a regular file (a
// folder, or a symbolic link, which is never followed), is locked by another
// program or cannot be opened; the message names the cause.
std::fstream openExistingLog(const std::string& path, const FileLockProbe& locks);

// Throws LogFileError when `path` is a symbolic link: a log is never written
// through one, so that a link placed beside the logs cannot make the program
// write to a file elsewhere.
void refuseLink(const std::string& path);

// The reason of the last failed system call, as the user reads it.
std::string lastSystemError();

// The size of an open log in bytes. Throws LogFileError when it cannot be read.
std::streamoff logSize(std::fstream& file, const std::string& path);

} // namespace cdx
