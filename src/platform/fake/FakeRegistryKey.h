#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>

#include "platform/RegistryKey.h"

namespace cdx {

class FakeRegistry;

// An open key of a FakeRegistry; it stays valid as long as the registry does.
// Writes are gathered and land in the registry on close() or destruction.
class FakeRegistryKey : public RegistryKey {
public:
    FakeRegistryKey(FakeRegistry& registry, std::string id) : m_registry(registry), m_id(std::move(id)) {}
    ~FakeRegistryKey() override { close(); }
    FakeRegistryKey(const FakeRegistryKey&) = delete;
    FakeRegistryKey& operator=(const FakeRegistryKey&) = delete;

    std::optional<RegistryValue> readValue(std::string_view name) const override;
    void writeDword(std::string_view name, std::uint32_t value) override;
    void writeBinary(std::string_view name, const std::vector<std::uint8_t>& bytes) override;
    void writeString(std::string_view name, std::string_view text) override;
    bool deleteValue(std::string_view name) override;
    void close() override;
    void discard() override { m_pending.clear(); }

private:
    void write(std::string_view name, RegistryValue value);

    FakeRegistry& m_registry;
    std::string m_id;
    // Folded name -> (name as written, value; nothing: deleted).
    std::map<std::string, std::pair<std::string, std::optional<RegistryValue>>> m_pending;
};

} // namespace cdx
