#include "metrics/MetricsTextfile.h"

#include <utility>

namespace cdx {

MetricsTextfile::MetricsTextfile(std::filesystem::path path, const FileOpener& files)
    : m_path(std::move(path)), m_files(files)
{
}

bool MetricsTextfile::write(std::string_view text)
{
    const std::string failed = m_files.replace(m_path.string(), text);
    if (!failed.empty()) {
        m_lastError = "Cannot write " + m_path.string() + ": " + failed;
        return false;
    }
    m_lastError.clear();
    return true;
}

} // namespace cdx
