#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace cdx {

// A file the program keeps its own state in (below $XDG_STATE_HOME/caldrix),
// replaced whole on every write so that a reader finds the old text or the
// new one, never a mixture.
class StateFile {
public:
    // A read, write or set-aside that failed; the message names the file and
    // the cause.
    class Error : public std::runtime_error {
    public:
        using std::runtime_error::runtime_error;
    };

    virtual ~StateFile() = default;

    virtual std::string path() const = 0;
    // The file's text; nothing when there is no file. Throws Error when it
    // exists but cannot be read (or is no regular file of the user's).
    virtual std::optional<std::string> read() = 0;
    // Replaces the file's text. Throws Error; the old file then stays.
    virtual void write(std::string_view text) = 0;
    // Moves a damaged file aside and returns where it went. Throws Error.
    virtual std::string setAside() = 0;
    // Removes the file, and its folder when that is then empty; a file that
    // is not there is no error. Throws Error.
    virtual void remove() = 0;
};

} // namespace cdx
