#pragma once

#include "platform/FileOpener.h"

namespace cdx {

// The file opener over open(2): O_NOFOLLOW and O_NONBLOCK on every open,
// O_CREAT|O_EXCL for every new file, the kind of file checked with fstat on
// the open descriptor.
class LinuxFileOpener : public FileOpener {
public:
    File openExisting(const std::string& path) const override;
    File create(const std::string& path) const override;
    bool resize(std::FILE* file, std::uintmax_t size) const override;
    std::string replace(const std::string& path, std::string_view text) const override;
};

} // namespace cdx
