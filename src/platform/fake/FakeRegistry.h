#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>

#include "platform/Registry.h"

namespace cdx {

// An in-memory registry. Writes land at once. A value name or key path can be
// made to fail on writing, to test error paths.
class FakeRegistry : public Registry {
public:
    struct Key {
        // Lower-case value name -> (name as written, value).
        std::map<std::string, std::pair<std::string, RegistryValue>> values;
    };

    std::unique_ptr<RegistryKey> openKey(RootKey root, std::string_view path, bool create,
                                         bool* existed = nullptr) override;
    bool deleteKey(RootKey root, std::string_view path) override;

    // Direct access for tests. Paths and names compare without regard to case.
    bool hasKey(RootKey root, std::string_view path) const;
    const RegistryValue* value(RootKey root, std::string_view path, std::string_view name) const;
    void setValue(RootKey root, std::string_view path, std::string_view name, RegistryValue value);
    // The names of the values in the key, as written.
    std::set<std::string> valueNames(RootKey root, std::string_view path) const;

    // Writing a value of this name (any key) throws RegistryError.
    void failWritesOf(std::string_view name);

private:
    friend class FakeRegistryKey;
    static std::string fold(std::string_view text);
    static std::string keyId(RootKey root, std::string_view path);

    std::map<std::string, Key> m_keys;
    std::set<std::string> m_failingNames;
};

} // namespace cdx
