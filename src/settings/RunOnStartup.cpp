#include "settings/RunOnStartup.h"

#include <memory>
#include <stdexcept>

#include "platform/AutostartEntry.h"
#include "platform/ProgramLocation.h"
#include "platform/Registry.h"
#include "platform/RegistryError.h"
#include "settings/SettingsSchema.h"

namespace cdx {

RunOnStartup::RunOnStartup(Registry& registry, const ProgramLocation& location, AutostartEntry& autostart)
    : m_registry(registry), m_location(location), m_autostart(autostart)
{
}

std::string RunOnStartup::programPath() const
{
    return m_location.shortPathName(m_location.executablePath());
}

bool RunOnStartup::renewAtStartup()
{
    const bool exists = checkAtStartup();
    if (exists) {
        apply(true, false);
    }
    checkAtStartup();
    return exists;
}

bool RunOnStartup::checkAtStartup()
{
    bool exists = false;
    try {
        auto key = m_registry.openKey(RootKey::LocalMachine, kRunKeyPath, false);
        if (key) {
            exists = key->readValue(kRunValueName).has_value();
            for (std::string_view old : kOldRunValueNames) {
                key->deleteValue(old);
            }
            key->close();
        }
    } catch (const std::exception&) {
        // A Run key that cannot be read or changed leaves autorun as it is.
    }
    if (!exists) {
        try {
            m_autostart.remove();
        } catch (const AutostartError&) {
            // Retried at the next start and by the next uncheck.
        }
    }
    return exists;
}

std::string RunOnStartup::launchMessage() const
{
    return "Windows will try to launch this program from it's current path next time it starts up.\n\r\n\r" +
           programPath();
}

bool RunOnStartup::apply(bool checked, bool windowVisible, const ShowMessage& showMessage)
{
    std::unique_ptr<RegistryKey> key;
    try {
        // The key is created when absent: a fresh system has no Run key, and
        // without one the setting could never take effect.
        key = m_registry.openKey(RootKey::LocalMachine, kRunKeyPath, checked);
    } catch (const RegistryError&) {
        return false;
    }
    if (!key) {
        // No Run key: nothing runs at login, so an unchecked box matches.
        if (!checked) {
            try {
                m_autostart.remove();
            } catch (const AutostartError&) {
                return false;
            }
        }
        return !checked;
    }
    bool inStep = false;
    try {
        if (checked) {
            if (windowVisible && showMessage) {
                showMessage(launchMessage());
            }
            const std::string path = programPath();
            key->writeString(kRunValueName, path);
            try {
                m_autostart.install(path);
            } catch (const AutostartError&) {
                key->deleteValue(kRunValueName);
                throw;
            }
        } else {
            m_autostart.remove();
            key->deleteValue(kRunValueName);
        }
        inStep = true;
    } catch (const std::exception&) {
        inStep = false;
    }
    try {
        key->close();
    } catch (const RegistryError&) {
        inStep = false;
    }
    return inStep;
}

} // namespace cdx
