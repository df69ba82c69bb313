#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/FileOpener.h"

namespace cdx {

// The file node_exporter's textfile collector reads, often in a folder other
// users may write to. Each write goes to a temporary file of a name of its
// own, made exclusively beside it (so that nothing planted there is followed
// or waited on), which is then renamed over it: a reader sees the old text or
// the new one, never a part, and a write that fails leaves the old file as it
// was and removes the temporary one. The temporary name does not end in
// ".prom", which is all the collector reads.
class MetricsTextfile {
public:
    MetricsTextfile(std::filesystem::path path, const FileOpener& files);

    // Replaces the file's text; false when that failed (see lastError()).
    bool write(std::string_view text);

    const std::filesystem::path& path() const { return m_path; }

    // Why the last write failed; empty after a write that worked.
    const std::string& lastError() const { return m_lastError; }

private:
    std::filesystem::path m_path;
    const FileOpener& m_files;
    std::string m_lastError;
};

} // namespace cdx
