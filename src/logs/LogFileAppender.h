#pragma once

#include <cstddef>
#include <ios>
#include <string>
#include <string_view>

#include "platform/FileLockProbe.h"

namespace cdx {

// Writes the text logs. Every log is appended the same way: the file must
// exist, and the last bytes of it are searched for the byte 26 (Ctrl-Z); the
// new text replaces the file from the first such byte on, or goes at the end
// when there is none. That is how an HTML log keeps its closing trailer: each
// row is written over the previous trailer and brings a new one. Only the tail
// is read, so appending costs the same on a small and a large file.
class LogFileAppender {
public:
    // How many bytes at the end of a file are searched for the byte 26.
    static constexpr std::size_t TailLength = 128;

    explicit LogFileAppender(const FileLockProbe& locks) : m_locks(locks) {}

    // Appends `text` to the existing file at `path` by the rule above. Throws
    // LogFileError when the file is missing, locked by another program or
    // cannot be read and written; the file's earlier content stays intact.
    void append(const std::string& path, std::string_view text) const;

    // Creates the file at `path` anew (emptying an existing one) with `text`
    // as its whole content. Throws LogFileError when that fails or another
    // program holds the file locked.
    void create(const std::string& path, std::string_view text) const;

private:
    // Puts back the file's size and last bytes after a failed write.
    static void restoreTail(const std::string& path, std::streamoff size, std::streamoff tailStart,
                            const std::string& tail);

    const FileLockProbe& m_locks;
};

} // namespace cdx
