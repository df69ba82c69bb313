#include "platform/linux/FreedesktopTrash.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace cdx {
namespace {

namespace fs = std::filesystem;

bool isUnreserved(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
           c == '.' || c == '!' || c == '~' || c == '*' || c == '\'' || c == '(' || c == ')' || c == '/';
}

std::string deletionDate(const LocalDateTime& t)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
                  t.second);
    return text;
}

bool writeAll(int fd, const std::string& text)
{
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Moves `from` to `to`; across file systems by copying and removing.
bool moveFile(const fs::path& from, const fs::path& to)
{
    std::error_code error;
    fs::rename(from, to, error);
    if (!error) {
        return true;
    }
    if (error != std::errc::cross_device_link) {
        return false;
    }
    if (!fs::copy_file(from, to, fs::copy_options::none, error)) {
        fs::remove(to, error);
        return false;
    }
    if (!fs::remove(from, error)) {
        fs::remove(to, error);
        return false;
    }
    return true;
}

} // namespace

std::string FreedesktopTrash::homeTrashDirectory()
{
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome != nullptr && *dataHome == '/') {
        return std::string(dataHome) + "/Trash";
    }
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr ? home : "") + "/.local/share/Trash";
}

std::string FreedesktopTrash::escapePath(const std::string& path)
{
    static const char* const Hex = "0123456789ABCDEF";
    std::string out;
    for (const char ch : path) {
        const auto c = static_cast<unsigned char>(ch);
        if (isUnreserved(c)) {
            out += ch;
        } else {
            out += '%';
            out += Hex[c >> 4];
            out += Hex[c & 0x0F];
        }
    }
    return out;
}

bool FreedesktopTrash::moveToTrash(const std::string& path)
{
    std::error_code error;
    const fs::path source = fs::absolute(path, error);
    if (error || !fs::is_regular_file(source, error)) {
        return false;
    }
    const fs::path filesDir = fs::path(m_trash) / "files";
    const fs::path infoDir = fs::path(m_trash) / "info";
    fs::create_directories(filesDir, error);
    fs::create_directories(infoDir, error);
    if (!fs::is_directory(filesDir, error) || !fs::is_directory(infoDir, error)) {
        return false;
    }
    fs::permissions(m_trash, fs::perms::owner_all, fs::perm_options::replace, error);

    const std::string name = source.filename().string();
    const std::string info = "[Trash Info]\nPath=" + escapePath(source.lexically_normal().string()) +
                             "\nDeletionDate=" + deletionDate(m_clock.now()) + "\n";
    for (int number = 1; number < 10000; ++number) {
        const std::string trashName = number == 1 ? name : name + "." + std::to_string(number);
        const fs::path infoPath = infoDir / (trashName + ".trashinfo");
        // Creating the information file exclusively reserves the name.
        const int fd = ::open(infoPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST) {
                continue;
            }
            return false;
        }
        const bool written = writeAll(fd, info);
        const bool closed = ::close(fd) == 0;
        const fs::path target = filesDir / trashName;
        if (written && closed && fs::exists(target, error)) {
            fs::remove(infoPath, error); // a left-over file without its information
            continue;
        }
        if (written && closed && moveFile(source, target)) {
            return true;
        }
        fs::remove(infoPath, error);
        return false;
    }
    return false;
}

} // namespace cdx
