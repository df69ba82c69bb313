#pragma once

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/Registry.h"
#include "platform/RegistryKey.h"

namespace cdx {

class FileRegistry;

// An open key of a FileRegistry. Writes and deletions are gathered and stored
// in one step by close(), or by the destructor (which reports a failure on the
// registry's notice stream instead of throwing). Reads see the file as last
// stored together with this key's gathered changes.
class FileRegistryKey : public RegistryKey {
public:
    FileRegistryKey(FileRegistry& registry, RootKey root, std::string path);
    ~FileRegistryKey() override;
    FileRegistryKey(const FileRegistryKey&) = delete;
    FileRegistryKey& operator=(const FileRegistryKey&) = delete;

    std::optional<RegistryValue> readValue(std::string_view name) const override;
    void writeDword(std::string_view name, std::uint32_t value) override;
    void writeBinary(std::string_view name, const std::vector<std::uint8_t>& bytes) override;
    void writeString(std::string_view name, std::string_view text) override;
    bool deleteValue(std::string_view name) override;
    void close() override;
    void discard() override;

private:
    struct Change {
        std::string name;
        std::optional<RegistryValue> value; // nothing: deleted
    };

    void record(std::string_view name, std::optional<RegistryValue> value);
    void checkName(std::string_view name) const;

    FileRegistry& m_registry;
    RootKey m_root;
    std::string m_path;
    std::vector<Change> m_changes;                        // in the order made
    std::unordered_map<std::string, std::size_t> m_index; // folded name -> change
};

} // namespace cdx
