#pragma once

#include <string>
#include <string_view>

namespace cdx {

// The text of the label beside a program or wave path: the file name (what
// follows the last "\", "/" or ":"), or "[none]" for an empty path.
std::string pathLabel(std::string_view path);

} // namespace cdx
