#pragma once

#include <stdexcept>
#include <string>

namespace cdx {

// Raised when the start-at-login entry cannot be written or removed.
class AutostartError : public std::runtime_error {
public:
    explicit AutostartError(const std::string& what) : std::runtime_error(what) {}
};

// The desktop's own way of starting a program when the user logs in.
class AutostartEntry {
public:
    virtual ~AutostartEntry() = default;

    // Makes the program at `path` start at the next login, replacing any
    // earlier entry. Throws AutostartError when the entry cannot be written.
    virtual void install(const std::string& path) = 0;

    // Removes the entry; does nothing when there is none. Throws
    // AutostartError when it cannot be removed.
    virtual void remove() = 0;

    // Whether an entry is in place.
    virtual bool installed() const = 0;
};

} // namespace cdx
