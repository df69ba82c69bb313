#include "platform/linux/LinuxProgramLocation.h"

#include <cerrno>
#include <limits.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace cdx {

namespace {

// Creates `path` and its missing parents, readable by the owner only.
void makeDirectories(const std::string& path)
{
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string partial = path.substr(0, slash);
        if (!partial.empty()) {
            ::mkdir(partial.c_str(), 0700);
        }
        if (slash == std::string::npos) {
            break;
        }
    }
}

// The system's program folders (/usr, /bin, /sbin, /opt and below) hold
// installed files only: even where the user may write there (root), logs
// written beside an installed program would outlive its package.
bool isSystemFolder(const std::string& directory)
{
    for (const std::string_view root : {"/usr", "/bin", "/sbin", "/opt"}) {
        if (directory.compare(0, root.size(), root) == 0 &&
            (directory.size() == root.size() || directory[root.size()] == '/')) {
            return true;
        }
    }
    return false;
}

} // namespace

LinuxProgramLocation::LinuxProgramLocation(std::string executablePath, std::string fallbackDirectory)
    : m_executablePath(std::move(executablePath)), m_fallbackDirectory(std::move(fallbackDirectory))
{
    while (m_fallbackDirectory.size() > 1 && m_fallbackDirectory.back() == '/') {
        m_fallbackDirectory.pop_back();
    }
}

std::string LinuxProgramLocation::runningExecutable()
{
    char buffer[PATH_MAX + 1];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, PATH_MAX);
    if (n <= 0) {
        return {};
    }
    std::string path(buffer, static_cast<std::size_t>(n));
    constexpr std::string_view deleted = " (deleted)";
    if (path.size() > deleted.size() && path.compare(path.size() - deleted.size(), deleted.size(), deleted) == 0) {
        path.erase(path.size() - deleted.size());
    }
    return path;
}

std::string LinuxProgramLocation::programDirectory() const
{
    const std::size_t slash = m_executablePath.rfind('/');
    if (slash != std::string::npos) {
        const std::string directory = slash == 0 ? std::string("/") : m_executablePath.substr(0, slash);
        if (!isSystemFolder(directory) && ::access(directory.c_str(), W_OK | X_OK) == 0) {
            return directory;
        }
    }
    makeDirectories(m_fallbackDirectory);
    return m_fallbackDirectory;
}

} // namespace cdx
