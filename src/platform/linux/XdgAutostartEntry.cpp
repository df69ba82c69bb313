#include "platform/linux/XdgAutostartEntry.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <utility>

namespace cdx {
namespace {

namespace fs = std::filesystem;

// One argument of an Exec line: quoted, with the characters that are special
// inside quotes escaped, then the escapes of a string value applied, so a
// backslash becomes four. A percent sign is doubled for the field codes.
std::string execArgument(const std::string& path)
{
    std::string quoted;
    for (char c : path) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') {
            quoted += '\\';
        }
        quoted += c;
    }
    std::string value = "\"";
    for (char c : quoted) {
        if (c == '\\') {
            value += "\\\\";
        } else if (c == '%') {
            value += "%%";
        } else {
            value += c;
        }
    }
    return value + "\"";
}

} // namespace

XdgAutostartEntry::XdgAutostartEntry(std::string autostartDirectory) : m_directory(std::move(autostartDirectory))
{
}

std::string XdgAutostartEntry::defaultDirectory()
{
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config != nullptr && config[0] == '/') {
        return std::string(config) + "/autostart";
    }
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/') {
        return std::string(home) + "/.config/autostart";
    }
    return {};
}

std::string XdgAutostartEntry::desktopFileText(const std::string& path)
{
    if (path.empty()) {
        throw AutostartError("no program path for the autostart entry");
    }
    for (unsigned char c : path) {
        if (c < 0x20 || c == 0x7F) {
            throw AutostartError("the program path holds a control character: " + path);
        }
    }
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Caldrix\n"
           "Comment=Watch motherboard temperatures, voltages and fan speeds\n"
           "Exec=" +
           execArgument(path) +
           "\n"
           "Icon=caldrix\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}

std::string XdgAutostartEntry::filePath() const
{
    return m_directory + "/caldrix.desktop";
}

void XdgAutostartEntry::install(const std::string& path)
{
    if (m_directory.empty()) {
        throw AutostartError("no autostart folder is known");
    }
    const std::string text = desktopFileText(path);
    std::error_code error;
    fs::create_directories(m_directory, error);
    if (error) {
        throw AutostartError("cannot create " + m_directory + ": " + error.message());
    }
    // Written beside the entry and renamed over it, so a desktop never reads
    // half a file and a failed write leaves the old entry whole.
    const std::string target = filePath();
    const std::string temporary = target + ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text;
        out.close();
        if (!out) {
            fs::remove(temporary, error);
            throw AutostartError("cannot write " + temporary);
        }
    }
    fs::rename(temporary, target, error);
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        throw AutostartError("cannot write " + target + ": " + error.message());
    }
}

void XdgAutostartEntry::remove()
{
    if (m_directory.empty()) {
        return;
    }
    std::error_code error;
    fs::remove(filePath(), error);
    if (error) {
        throw AutostartError("cannot remove " + filePath() + ": " + error.message());
    }
}

bool XdgAutostartEntry::installed() const
{
    std::error_code error;
    return !m_directory.empty() && fs::is_regular_file(filePath(), error);
}

} // namespace cdx
