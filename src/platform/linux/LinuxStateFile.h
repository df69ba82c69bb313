#pragma once

#include <cstddef>
#include <string>

#include "platform/StateFile.h"

namespace cdx {

// A state file in a folder of the user's own. The folder (and any missing
// parent) is made with mode 0700; it must be a real folder, not a link,
// owned by the user and writable by nobody else, or nothing is read from or
// written to it. The file is never opened through a link. A write goes to a
// new temporary file of a unique name beside it (made exclusively), is
// flushed to the disk and renamed over the file.
class LinuxStateFile : public StateFile {
public:
    LinuxStateFile(std::string directory, std::string name, std::size_t maxBytes);

    std::string path() const override { return m_directory + "/" + m_name; }
    std::optional<std::string> read() override;
    void write(std::string_view text) override;
    std::string setAside() override;
    void remove() override;

private:
    // Makes the folder when missing; throws Error when it cannot be trusted.
    void checkDirectory(bool create) const;

    std::string m_directory;
    std::string m_name;
    std::size_t m_maxBytes;
};

} // namespace cdx
