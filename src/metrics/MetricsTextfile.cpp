#include "metrics/MetricsTextfile.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>
#include <utility>

namespace cdx {

MetricsTextfile::MetricsTextfile(std::filesystem::path path) : m_path(std::move(path))
{
}

std::filesystem::path MetricsTextfile::temporaryPath() const
{
    std::filesystem::path temporary = m_path;
    temporary += ".tmp";
    return temporary;
}

bool MetricsTextfile::fail(std::string reason)
{
    std::error_code ignored;
    std::filesystem::remove(temporaryPath(), ignored);
    m_lastError = "Cannot write " + m_path.string() + ": " + reason;
    return false;
}

bool MetricsTextfile::write(std::string_view text)
{
    const std::filesystem::path temporary = temporaryPath();
    {
        errno = 0;
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            return fail(errno != 0 ? std::strerror(errno) : "the file cannot be opened");
        }
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.flush();
        if (!out) {
            return fail(errno != 0 ? std::strerror(errno) : "the text could not be written");
        }
        out.close();
        if (!out) {
            return fail(errno != 0 ? std::strerror(errno) : "the file could not be closed");
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, m_path, error);
    if (error) {
        return fail(error.message());
    }
    m_lastError.clear();
    return true;
}

} // namespace cdx
