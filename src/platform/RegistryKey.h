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
// Writes are durable once close() returns (or the key is destroyed): the
// implementation may gather them and store them in one step. Values written
// before a failing write stay written.
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
};

} // namespace cdx
