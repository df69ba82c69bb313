#include "logs/LogFileAppender.h"

#include <cerrno>
#include <cstdio>

#include "logs/LogFileAccess.h"
#include "logs/LogFileError.h"

namespace cdx {

void LogFileAppender::append(const std::string& path, std::string_view text) const
{
    const FileOpener::File file = openExistingLog(path, m_locks, m_opener);
    const std::uintmax_t size = logSize(file.get(), path);
    const std::uintmax_t tailStart = size > TailLength ? size - TailLength : 0;
    std::string tail(static_cast<std::size_t>(size - tailStart), '\0');
    errno = 0;
    if (std::fseek(file.get(), static_cast<long>(tailStart), SEEK_SET) != 0 ||
        std::fread(tail.data(), 1, tail.size(), file.get()) != tail.size()) {
        throw LogFileError(path, "the file cannot be read: " + lastSystemError());
    }
    const std::size_t mark = tail.find('\x1a');
    const std::uintmax_t writeAt = mark == std::string::npos ? size : tailStart + mark;

    // The new text is written over the old tail before the file is cut. When
    // the write fails half way (a full disk), the file gets its old size and
    // tail back, so an HTML log never loses its trailer.
    errno = 0;
    const bool written = std::fseek(file.get(), static_cast<long>(writeAt), SEEK_SET) == 0 &&
                         std::fwrite(text.data(), 1, text.size(), file.get()) == text.size() &&
                         std::fflush(file.get()) == 0;
    if (!written) {
        const std::string reason = lastSystemError();
        restoreTail(file.get(), size, tailStart, tail);
        throw LogFileError(path, "writing to the file failed: " + reason);
    }
    const std::uintmax_t end = writeAt + text.size();
    if (end < size && !m_opener.resize(file.get(), end)) {
        throw LogFileError(path, "the file cannot be cut: " + lastSystemError());
    }
}

void LogFileAppender::restoreTail(std::FILE* file, std::uintmax_t size, std::uintmax_t tailStart,
                                  const std::string& tail) const
{
    // What could not be written is dropped first, so that the old bytes fit.
    std::clearerr(file);
    std::fflush(file);
    std::clearerr(file);
    m_opener.resize(file, size);
    std::fseek(file, static_cast<long>(tailStart), SEEK_SET);
    std::fwrite(tail.data(), 1, tail.size(), file);
    std::fflush(file);
}

void LogFileAppender::create(const std::string& path, std::string_view text) const
{
    if (m_locks.isLocked(path)) {
        throw LogFileError(path, "another program holds the file locked");
    }
    // A new file is made exclusively; an existing regular file is emptied in
    // place; neither is ever reached through a link.
    errno = 0;
    FileOpener::File file = m_opener.create(path);
    if (!file) {
        const int error = errno;
        throw LogFileError(path, error == ELOOP || error == EISDIR || error == EINVAL
                                     ? openError(error)
                                     : "the file cannot be created: " + openError(error));
    }
    errno = 0;
    const bool written =
        std::fwrite(text.data(), 1, text.size(), file.get()) == text.size() && std::fflush(file.get()) == 0;
    if (!written) {
        throw LogFileError(path, "writing to the file failed: " + lastSystemError());
    }
    if (std::fclose(file.release()) != 0) {
        throw LogFileError(path, "writing to the file failed: " + lastSystemError());
    }
}

} // namespace cdx
