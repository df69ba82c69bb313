#pragma once

#include <string_view>

namespace cdx {

// Writes all of `text` to `fd`, again after an interrupted or short write.
// Returns false on failure with errno set (EIO when the file took nothing).
bool writeAll(int fd, std::string_view text);

} // namespace cdx
