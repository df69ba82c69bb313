#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace cdx {

// Opens the files the program writes where others may have put something
// first (the logs beside the program, the metrics textfile in a shared
// folder): never through a symbolic link, never waiting on a FIFO or a
// device, each check made on the open file itself so that nothing can be
// swapped in between a check and the open.
class FileOpener {
public:
    using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

    virtual ~FileOpener() = default;

    // The existing regular file at `path`, open for reading and writing at
    // its start. Null with errno set when it is missing (ENOENT), a link
    // (ELOOP), a folder (EISDIR), any other kind of file (EINVAL) or cannot
    // be opened.
    virtual File openExisting(const std::string& path) const = 0;

    // The file at `path`, empty and open for writing: made exclusively when
    // missing, emptied in place when it is a regular file. Null with errno
    // set as above otherwise.
    virtual File create(const std::string& path) const = 0;

    // Cuts or extends an open file to `size` bytes; false with errno set.
    virtual bool resize(std::FILE* file, std::uintmax_t size) const = 0;

    // Replaces the file at `path` by one holding `text`, so that a reader
    // sees the old text or the new, never a part: a temporary file with a
    // name of its own is made exclusively in the same folder, written,
    // flushed to the disk and renamed over `path`. A link at `path` is
    // replaced, never followed. Returns why it failed (the temporary file
    // then is gone), empty on success.
    virtual std::string replace(const std::string& path, std::string_view text) const = 0;

    static File none() { return File(nullptr, &std::fclose); }
};

} // namespace cdx
