#include "platform/linux/XdgDirectories.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace cdx {

XdgDirectories::XdgDirectories() : XdgDirectories(&XdgDirectories::processVariable)
{
}

XdgDirectories::XdgDirectories(Environment environment) : m_environment(std::move(environment))
{
}

std::optional<std::string> XdgDirectories::processVariable(const char* name)
{
    const char* value = std::getenv(name);
    if (value == nullptr) {
        return std::nullopt;
    }
    return std::string(value);
}

std::string XdgDirectories::home() const
{
    if (auto value = m_environment("HOME"); value && !value->empty() && value->front() == '/') {
        return *value;
    }
    std::vector<char> buffer(16384);
    struct passwd entry {};
    struct passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr &&
        found->pw_dir != nullptr) {
        return found->pw_dir;
    }
    return "/tmp";
}

std::string XdgDirectories::base(const char* variable, const char* fallbackBelowHome) const
{
    if (auto value = m_environment(variable); value && !value->empty() && value->front() == '/') {
        return *value;
    }
    std::string path = home();
    if (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    return path + "/" + fallbackBelowHome;
}

std::string XdgDirectories::configHome() const
{
    return base("XDG_CONFIG_HOME", ".config");
}

std::string XdgDirectories::stateHome() const
{
    return base("XDG_STATE_HOME", ".local/state");
}

std::string XdgDirectories::dataHome() const
{
    return base("XDG_DATA_HOME", ".local/share");
}

} // namespace cdx
