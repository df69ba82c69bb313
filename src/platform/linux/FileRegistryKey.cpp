#include "platform/linux/FileRegistryKey.h"

#include <exception>
#include <utility>

#include "platform/RegistryError.h"
#include "platform/linux/FileRegistry.h"
#include "platform/linux/RegistryDocument.h"
#include "sensors/Utf8.h"

namespace cdx {

FileRegistryKey::FileRegistryKey(FileRegistry& registry, RootKey root, std::string path)
    : m_registry(registry), m_root(root), m_path(std::move(path))
{
}

FileRegistryKey::~FileRegistryKey()
{
    try {
        close();
    } catch (const std::exception& failure) {
        m_registry.notice(std::string("settings were not stored: ") + failure.what());
    }
}

std::optional<RegistryValue> FileRegistryKey::readValue(std::string_view name) const
{
    const auto change = m_index.find(RegistryDocument::fold(name));
    if (change != m_index.end()) {
        return m_changes[change->second].value;
    }
    const RegistryDocument::Value* stored = m_registry.current(m_root).findValue(m_path, name);
    if (stored == nullptr) {
        return std::nullopt;
    }
    return stored->value;
}

void FileRegistryKey::checkName(std::string_view name) const
{
    if (!RegistryDocument::isValidName(name)) {
        throw RegistryError("Invalid registry value name \"" + std::string(name) + "\"");
    }
}

void FileRegistryKey::record(std::string_view name, std::optional<RegistryValue> value)
{
    const std::string folded = RegistryDocument::fold(name);
    const auto it = m_index.find(folded);
    if (it != m_index.end()) {
        m_changes[it->second].value = std::move(value);
        return;
    }
    m_index.emplace(folded, m_changes.size());
    m_changes.push_back(Change{std::string(name), std::move(value)});
}

void FileRegistryKey::writeDword(std::string_view name, std::uint32_t value)
{
    checkName(name);
    record(name, RegistryValue::fromDword(value));
}

void FileRegistryKey::writeBinary(std::string_view name, const std::vector<std::uint8_t>& bytes)
{
    checkName(name);
    if (bytes.size() > RegistryDocument::maxValueSize) {
        throw RegistryError("Failed to set data for \"" + std::string(name) + "\": the value is too large");
    }
    record(name, RegistryValue::fromBinary(bytes));
}

void FileRegistryKey::writeString(std::string_view name, std::string_view text)
{
    checkName(name);
    if (!isValidUtf8(text)) {
        throw RegistryError("Failed to set data for \"" + std::string(name) + "\": the text is not UTF-8");
    }
    if (text.size() > RegistryDocument::maxValueSize) {
        throw RegistryError("Failed to set data for \"" + std::string(name) + "\": the text is too long");
    }
    record(name, RegistryValue::fromString(std::string(text)));
}

bool FileRegistryKey::deleteValue(std::string_view name)
{
    if (!readValue(name)) {
        return false;
    }
    record(name, std::nullopt);
    return true;
}

void FileRegistryKey::discard()
{
    m_changes.clear();
    m_index.clear();
}

void FileRegistryKey::close()
{
    if (m_changes.empty()) {
        return;
    }
    m_registry.store(m_root, [this](RegistryDocument& document) {
        // A key deleted meanwhile by someone else comes back with what was
        // written to it: nothing written is dropped.
        document.createKey(m_path);
        for (const Change& change : m_changes) {
            if (change.value) {
                document.setValue(m_path, RegistryDocument::Value{change.name, *change.value, 0});
            } else {
                document.removeValue(m_path, change.name);
            }
        }
        return true;
    });
    m_changes.clear();
    m_index.clear();
}

} // namespace cdx
