#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace cdx {

// The file node_exporter's textfile collector reads. Each write goes to a
// temporary file beside it that is then renamed over it, so a reader sees the
// old text or the new one, never a part; a write that fails leaves the old
// file as it was and removes the temporary one.
class MetricsTextfile {
public:
    explicit MetricsTextfile(std::filesystem::path path);

    // Replaces the file's text; false when that failed (see lastError()).
    bool write(std::string_view text);

    const std::filesystem::path& path() const { return m_path; }
    // The temporary file: the name with ".tmp" added, which the collector
    // does not read (it reads "*.prom" only).
    std::filesystem::path temporaryPath() const;

    // Why the last write failed; empty after a write that worked.
    const std::string& lastError() const { return m_lastError; }

private:
    bool fail(std::string reason);

    std::filesystem::path m_path;
    std::string m_lastError;
};

} // namespace cdx
