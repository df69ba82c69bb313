#include "settings/PathLabel.h"

namespace cdx {

std::string pathLabel(std::string_view path)
{
    if (path.empty()) {
        return "[none]";
    }
    const auto separator = path.find_last_of("\\/:");
    return std::string(separator == std::string_view::npos ? path : path.substr(separator + 1));
}

} // namespace cdx
