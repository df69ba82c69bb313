#pragma once

#include <stdexcept>
#include <string>

namespace cdx {

// Raised when a key cannot be opened or created, or a value cannot be written.
class RegistryError : public std::runtime_error {
public:
    explicit RegistryError(const std::string& what) : std::runtime_error(what) {}
};

} // namespace cdx
