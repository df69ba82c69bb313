#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace cdx {

class AutostartEntry;
class ProgramLocation;
class Registry;
class Shell;

// The uninstall command: removes the settings, the autorun entry and the log
// files, then starts the uninstaller registered under the uninstall key.
class Uninstaller {
public:
    // The four steps whose lines the dialog checks off.
    enum class Step { Settings, Autorun, LogFiles, Launch };

    // How the dialog follows the steps.
    class Progress {
    public:
        virtual ~Progress() = default;
        // The step is done: its check mark shows.
        virtual void stepDone(Step step) = 0;
        // Waits `milliseconds`, keeping the window drawn.
        virtual void pause(int milliseconds) = 0;
    };

    // The program and arguments an "UninstallString" stands for.
    struct Command {
        std::string program;
        std::vector<std::string> arguments;
        bool operator==(const Command&) const = default;
    };

    Uninstaller(Registry& registry, AutostartEntry& autostart, const ProgramLocation& location, Shell& shell);

    // Runs every step, each whatever became of the one before; missing keys,
    // values and files are passed over. Returns whether an uninstaller was
    // started. The caller ends the program afterwards, without saving.
    bool run(Progress& progress);

    // Splits an "UninstallString" into the program and its arguments. The
    // program is a double-quoted path, else the text up to the first blank,
    // else (no blank) the whole text; the rest splits at blanks, a
    // double-quoted part staying one argument.
    static Command splitCommand(std::string_view text);

    // Registers `uninstallerPath` as the "UninstallString" unless one is
    // there already, quoting a path with blanks. Returns whether it wrote it;
    // errors count as not written.
    static bool registerUninstaller(Registry& registry, const std::string& uninstallerPath);

    // The uninstall key below HKEY_LOCAL_MACHINE and its value.
    static constexpr std::string_view kUninstallKeyPath =
        "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Caldrix";
    static constexpr std::string_view kUninstallValueName = "UninstallString";

private:
    void removeSettings();
    void removeAutorun();
    void removeLogFiles();
    std::string readUninstallString();
    bool launch(const std::string& uninstallString);

    Registry& m_registry;
    AutostartEntry& m_autostart;
    const ProgramLocation& m_location;
    Shell& m_shell;
};

} // namespace cdx
