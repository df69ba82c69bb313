#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/RegistryValue.h"

namespace cdx {

// An open registry key. Value names compare without regard to case.
//
// Writes are gathered and stored together, in one step, by close() (or when
// the key is destroyed); discard() drops them instead. A write that fails
// throws and leaves the gathered ones as they are, so that the caller can
// choose to store all or nothing.
class RegistryKey {
public:
    virtual ~RegistryKey() = default;

    // The value with its type, or nothing when the key has no such value.
    virtual std::optional<RegistryValue> readValue(std::string_view name) const = 0;

    // Each throws RegistryError when the value cannot be written.
    virtual void writeDword(std::string_view name, std::uint32_t value) = 0;
    virtual void writeBinary(std::string_view name, const std::vector<std::uint8_t>& bytes) = 0;
    virtual void writeString(std::string_view name, std::string_view text) = 0;

    // Returns false when the value did not exist.
    virtual bool deleteValue(std::string_view name) = 0;

    // Stores what was written. Throws RegistryError when that fails; calling it
    // again after success does nothing.
    virtual void close() = 0;

    // Drops what was written since the last close(); nothing of it is stored.
    virtual void discard() = 0;
};

} // namespace cdx
