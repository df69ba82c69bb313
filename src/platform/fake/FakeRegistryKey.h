#pragma once

#include <string>
#include <utility>

#include "platform/RegistryKey.h"

namespace cdx {

class FakeRegistry;

// An open key of a FakeRegistry; it stays valid as long as the registry does.
class FakeRegistryKey : public RegistryKey {
public:
    FakeRegistryKey(FakeRegistry& registry, std::string id) : m_registry(registry), m_id(std::move(id)) {}

    std::optional<RegistryValue> readValue(std::string_view name) const override;
    void writeDword(std::string_view name, std::uint32_t value) override;
    void writeBinary(std::string_view name, const std::vector<std::uint8_t>& bytes) override;
    void writeString(std::string_view name, std::string_view text) override;
    bool deleteValue(std::string_view name) override;
    void close() override {}

private:
    void write(std::string_view name, RegistryValue value);

    FakeRegistry& m_registry;
    std::string m_id;
};

} // namespace cdx
