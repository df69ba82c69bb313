#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/FileLockProbe.h"
#include "platform/FileOpener.h"

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

    // Every file is opened through `opener`, so never through a link.
    LogFileAppender(const FileLockProbe& locks, const FileOpener& opener) : m_locks(locks), m_opener(opener) {}

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
    void restoreTail(std::FILE* file, std::uintmax_t size, std::uintmax_t tailStart, const std::string& tail) const;

    const FileLockProbe& m_locks;
    const FileOpener& m_opener;
};

} // namespace cdx
