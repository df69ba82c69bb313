#pragma once

#include <functional>
#include <optional>
#include <string>

namespace cdx {

// The per-user base folders of the XDG base directory rules: a variable that
// is unset, empty or not an absolute path gives the default below $HOME.
class XdgDirectories {
public:
    using Environment = std::function<std::optional<std::string>(const char* name)>;

    // Reads the process environment.
    XdgDirectories();
    explicit XdgDirectories(Environment environment);

    // $XDG_CONFIG_HOME, by default ~/.config.
    std::string configHome() const;
    // $XDG_DATA_HOME, by default ~/.local/share.
    std::string dataHome() const;
    // $XDG_STATE_HOME, by default ~/.local/state.
    std::string stateHome() const;
    // $HOME, or the home folder of the user's account.
    std::string home() const;

    static std::optional<std::string> processVariable(const char* name);

private:
    std::string base(const char* variable, const char* fallbackBelowHome) const;

    Environment m_environment;
};

} // namespace cdx
