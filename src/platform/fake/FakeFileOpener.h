#pragma once

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <map>
#include <system_error>

#include "platform/FileOpener.h"

namespace cdx {

// The file opener on the standard library alone, for the core's tests over
// temporary folders: links, folders and special files are refused by a look
// before the open (the real opener makes that check on the open file).
class FakeFileOpener : public FileOpener {
public:
    File openExisting(const std::string& path) const override
    {
        if (!refuseOddFile(path, ENOENT)) {
            return none();
        }
        return remember(path, std::fopen(path.c_str(), "r+b"));
    }
    File create(const std::string& path) const override
    {
        if (!refuseOddFile(path, 0)) {
            return none();
        }
        return remember(path, std::fopen(path.c_str(), "wb"));
    }
    bool resize(std::FILE* file, std::uintmax_t size) const override
    {
        std::error_code error;
        std::fflush(file);
        std::filesystem::resize_file(m_paths.at(file), size, error);
        return !error;
    }
    std::string replace(const std::string& path, std::string_view text) const override
    {
        const std::string temporary = path + ".tmp-fake";
        {
            std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
            out.write(text.data(), static_cast<std::streamsize>(text.size()));
            if (!out.flush()) {
                std::filesystem::remove(temporary);
                return "the text could not be written";
            }
        }
        std::error_code error;
        std::filesystem::rename(temporary, path, error);
        if (error) {
            std::filesystem::remove(temporary, error);
            return "the file cannot be replaced";
        }
        return {};
    }

private:
    // False with errno set when `path` is a link, a folder or a special
    // file; a missing file is refused when `missing` is an error number.
    static bool refuseOddFile(const std::string& path, int missing)
    {
        std::error_code error;
        const auto status = std::filesystem::symlink_status(path, error);
        if (!std::filesystem::exists(status)) {
            errno = missing;
            return missing == 0;
        }
        errno = std::filesystem::is_symlink(status) ? ELOOP : std::filesystem::is_directory(status) ? EISDIR : EINVAL;
        return std::filesystem::is_regular_file(status);
    }
    File remember(const std::string& path, std::FILE* file) const
    {
        if (file != nullptr) {
            m_paths[file] = path;
        }
        return File(file, &std::fclose);
    }

    mutable std::map<std::FILE*, std::string> m_paths;
};

} // namespace cdx
