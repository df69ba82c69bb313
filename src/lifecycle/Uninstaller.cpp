#include "lifecycle/Uninstaller.h"

#include <filesystem>
#include <stdexcept>

#include "logs/LogPaths.h"
#include "platform/AutostartEntry.h"
#include "platform/ProgramLocation.h"
#include "platform/Registry.h"
#include "platform/RegistryError.h"
#include "platform/Shell.h"
#include "settings/SettingsSchema.h"

namespace cdx {

namespace {

constexpr int kStepPause = 1000;

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Splits at blanks; a double-quoted part stays one word (without its quotes).
std::vector<std::string> words(std::string_view text)
{
    std::vector<std::string> result;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    for (char c : text) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if (isBlank(c) && !quoted) {
            if (inWord) {
                result.push_back(word);
                word.clear();
                inWord = false;
            }
        } else {
            word.push_back(c);
            inWord = true;
        }
    }
    if (inWord) {
        result.push_back(word);
    }
    return result;
}

} // namespace

Uninstaller::Uninstaller(Registry& registry, AutostartEntry& autostart, const ProgramLocation& location, Shell& shell)
    : m_registry(registry), m_autostart(autostart), m_location(location), m_shell(shell)
{
}

bool Uninstaller::run(Progress& progress)
{
    removeSettings();
    progress.stepDone(Step::Settings);
    progress.pause(kStepPause);

    removeAutorun();
    progress.stepDone(Step::Autorun);
    progress.pause(kStepPause);

    removeLogFiles();
    progress.stepDone(Step::LogFiles);
    progress.pause(kStepPause);

    const std::string uninstallString = readUninstallString();
    progress.pause(kStepPause);
    const bool launched = launch(uninstallString);
    progress.stepDone(Step::Launch);
    progress.pause(kStepPause);
    return launched;
}

void Uninstaller::removeSettings()
{
    try {
        m_registry.deleteKey(RootKey::CurrentUser, kSettingsKeyPath);
    } catch (const RegistryError&) {
        // Passed over: the remaining steps still run.
    }
}

void Uninstaller::removeAutorun()
{
    try {
        if (auto key = m_registry.openKey(RootKey::LocalMachine, kRunKeyPath, false)) {
            key->deleteValue(kRunValueName);
            key->close();
        }
    } catch (const RegistryError&) {
    }
    try {
        m_autostart.remove();
    } catch (const AutostartError&) {
    }
}

void Uninstaller::removeLogFiles()
{
    const LogPaths paths = LogPaths::of(m_location);
    for (const std::string* file : {&paths.intervalTxt, &paths.intervalHtm, &paths.intervalCsv, &paths.warningTxt,
                                    &paths.warningHtm, &paths.upDownTxt, &paths.upDownHtm}) {
        std::error_code ignored;
        // Deleted for good, not moved to the Trash; a link named like a log
        // goes, not what it points to, and a folder is never touched.
        if (!std::filesystem::is_directory(std::filesystem::symlink_status(*file, ignored))) {
            std::filesystem::remove(*file, ignored);
        }
    }
}

std::string Uninstaller::readUninstallString()
{
    try {
        // Opened without creating it: an uninstall leaves no key behind.
        auto key = m_registry.openKey(RootKey::LocalMachine, kUninstallKeyPath, false);
        if (!key) {
            return {};
        }
        const auto value = key->readValue(kUninstallValueName);
        if (!value || (value->type != RegistryType::String && value->type != RegistryType::ExpandString)) {
            return {};
        }
        return value->text;
    } catch (const RegistryError&) {
        return {};
    }
}

bool Uninstaller::launch(const std::string& uninstallString)
{
    const Command command = splitCommand(uninstallString);
    if (command.program.empty() || !m_shell.execute(command.program, command.arguments, {}, ShowCommand::Show)) {
        return false;
    }
    // The uninstaller is on its way; its registration goes with the program.
    try {
        m_registry.deleteKey(RootKey::LocalMachine, kUninstallKeyPath);
    } catch (const RegistryError&) {
    }
    return true;
}

Uninstaller::Command Uninstaller::splitCommand(std::string_view text)
{
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    Command command;
    std::string_view rest;
    if (!text.empty() && text.front() == '"') {
        const std::size_t close = text.find('"', 1);
        command.program = std::string(text.substr(1, close == std::string_view::npos ? close : close - 1));
        rest = close == std::string_view::npos ? std::string_view() : text.substr(close + 1);
    } else {
        std::size_t blank = 0;
        while (blank < text.size() && !isBlank(text[blank])) {
            ++blank;
        }
        command.program = std::string(text.substr(0, blank));
        rest = text.substr(blank);
    }
    command.arguments = words(rest);
    return command;
}

bool Uninstaller::registerUninstaller(Registry& registry, const std::string& uninstallerPath)
{
    try {
        auto key = registry.openKey(RootKey::LocalMachine, kUninstallKeyPath, true);
        if (!key || key->readValue(kUninstallValueName)) {
            return false;
        }
        const bool blanks = uninstallerPath.find_first_of(" \t") != std::string::npos;
        key->writeString(kUninstallValueName, blanks ? "\"" + uninstallerPath + "\"" : uninstallerPath);
        key->close();
        return true;
    } catch (const RegistryError&) {
        return false;
    }
}

} // namespace cdx
