#include "logs/LogFileAppender.h"

#include <filesystem>
#include <fstream>
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
    file.read(tail.data(), static_cast<std::streamsize>(tail.size()));
    if (!file) {
        throw LogFileError(path, "the file cannot be read");
    }
    const std::size_t mark = tail.find('\x1a');
    const std::streamoff writeAt = mark == std::string::npos ? size : tailStart + static_cast<std::streamoff>(mark);

    // The new text is written over the old tail before the file is cut. When
    // the write fails half way (a full disk), the file gets its old size and
    // tail back, so an HTML log never loses its trailer.
    file.seekp(writeAt);
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    file.flush();
    if (!file) {
        file.close();
        restoreTail(path, size, tailStart, tail);
        throw LogFileError(path, "writing to the file failed");
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
    if (m_locks.isLocked(path)) {
        throw LogFileError(path, "another program holds the file locked");
    }
    std::ofstream file(path, std::ios::out | std::ios::trunc | std::ios::binary);
    if (!file) {
        throw LogFileError(path, "the file cannot be created");
    }
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    file.flush();
    if (!file) {
        throw LogFileError(path, "writing to the file failed");
    }
}

} // namespace cdx
