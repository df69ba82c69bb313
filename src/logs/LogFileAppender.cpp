#include "logs/LogFileAppender.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <system_error>

#include "logs/LogFileAccess.h"
#include "logs/LogFileError.h"

namespace cdx {

void LogFileAppender::append(const std::string& path, std::string_view text) const
{
    std::fstream file = openExistingLog(path, m_locks);
    const std::streamoff size = logSize(file, path);
    const std::streamoff tailStart = size > static_cast<std::streamoff>(TailLength) ? size - TailLength : 0;
    std::string tail(static_cast<std::size_t>(size - tailStart), '\0');
    file.seekg(tailStart);
    errno = 0;
    file.read(tail.data(), static_cast<std::streamsize>(tail.size()));
    if (!file) {
        throw LogFileError(path, "the file cannot be read: " + lastSystemError());
    }
    const std::size_t mark = tail.find('\x1a');
    const std::streamoff writeAt = mark == std::string::npos ? size : tailStart + static_cast<std::streamoff>(mark);

    // The new text is written over the old tail before the file is cut. When
    // the write fails half way (a full disk), the file gets its old size and
    // tail back, so an HTML log never loses its trailer.
    file.seekp(writeAt);
    errno = 0;
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    file.flush();
    if (!file) {
        const std::string reason = lastSystemError();
        file.close();
        restoreTail(path, size, tailStart, tail);
        throw LogFileError(path, "writing to the file failed: " + reason);
    }
    file.close();
    const auto end = static_cast<std::uintmax_t>(writeAt) + text.size();
    if (end < static_cast<std::uintmax_t>(size)) {
        std::error_code error;
        std::filesystem::resize_file(path, end, error);
        if (error) {
            throw LogFileError(path, "the file cannot be cut: " + error.message());
        }
    }
}

void LogFileAppender::restoreTail(const std::string& path, std::streamoff size, std::streamoff tailStart,
                                  const std::string& tail)
{
    std::error_code error;
    std::filesystem::resize_file(path, static_cast<std::uintmax_t>(size), error);
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    file.seekp(tailStart);
    file.write(tail.data(), static_cast<std::streamsize>(tail.size()));
}

void LogFileAppender::create(const std::string& path, std::string_view text) const
{
    refuseLink(path);
    if (m_locks.isLocked(path)) {
        throw LogFileError(path, "another program holds the file locked");
    }
    // A new file is made exclusively, which never follows a link; an existing
    // regular file is emptied in place.
    errno = 0;
    std::FILE* raw = std::fopen(path.c_str(), "wbx");
    if (raw == nullptr && errno == EEXIST) {
        refuseLink(path);
        if (std::filesystem::is_directory(path)) {
            throw LogFileError(path, std::strerror(EISDIR));
        }
        errno = 0;
        raw = std::fopen(path.c_str(), "wb");
    }
    if (raw == nullptr) {
        throw LogFileError(path, "the file cannot be created: " + lastSystemError());
    }
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(raw, &std::fclose);
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
