#include "platform/fake/FakeRegistryKey.h"

#include "platform/RegistryError.h"
#include "platform/fake/FakeRegistry.h"

namespace cdx {

std::optional<RegistryValue> FakeRegistryKey::readValue(std::string_view name) const
{
    const auto pending = m_pending.find(FakeRegistry::fold(name));
    if (pending != m_pending.end()) {
        return pending->second.second;
    }
    auto key = m_registry.m_keys.find(m_id);
    if (key == m_registry.m_keys.end()) {
        return std::nullopt;
    }
    auto it = key->second.values.find(FakeRegistry::fold(name));
    if (it == key->second.values.end()) {
        return std::nullopt;
    }
    return it->second.second;
}

void FakeRegistryKey::writeDword(std::string_view name, std::uint32_t value)
{
    write(name, RegistryValue::fromDword(value));
}

void FakeRegistryKey::writeBinary(std::string_view name, const std::vector<std::uint8_t>& bytes)
{
    write(name, RegistryValue::fromBinary(bytes));
}

void FakeRegistryKey::writeString(std::string_view name, std::string_view text)
{
    write(name, RegistryValue::fromString(std::string(text)));
}

bool FakeRegistryKey::deleteValue(std::string_view name)
{
    if (!readValue(name)) {
        return false;
    }
    m_pending[FakeRegistry::fold(name)] = {std::string(name), std::nullopt};
    return true;
}

void FakeRegistryKey::close()
{
    for (auto& [folded, change] : m_pending) {
        auto& values = m_registry.m_keys[m_id].values;
        if (change.second) {
            values[folded] = {change.first, std::move(*change.second)};
        } else {
            values.erase(folded);
        }
    }
    m_pending.clear();
}

void FakeRegistryKey::write(std::string_view name, RegistryValue value)
{
    if (m_registry.m_failingNames.count(FakeRegistry::fold(name)) != 0) {
        throw RegistryError("Failed to set data for '" + std::string(name) + "'");
    }
    m_pending[FakeRegistry::fold(name)] = {std::string(name), std::move(value)};
}

} // namespace cdx
