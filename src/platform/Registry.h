#pragma once

#include <memory>
#include <string_view>

#include "platform/RegistryKey.h"

namespace cdx {

enum class RootKey { CurrentUser, LocalMachine };

// The settings store: root keys holding keys (paths separated by "\") holding
// named values. Key paths compare without regard to case.
class Registry {
public:
    virtual ~Registry() = default;

    // Opens `path` below `root`. With `create` a missing key is created;
    // without it a missing key gives nullptr. `existed`, when given, is set to
    // whether the key was there before. Throws RegistryError when the key
    // cannot be created. The caller owns the returned key.
    virtual std::unique_ptr<RegistryKey> openKey(RootKey root, std::string_view path, bool create,
                                                 bool* existed = nullptr) = 0;

    // Deletes the key with all its subkeys and values. Returns false when it
    // did not exist; throws RegistryError when it cannot be deleted.
    virtual bool deleteKey(RootKey root, std::string_view path) = 0;
};

} // namespace cdx
