#include "platform/linux/CpufreqPresence.h"

#include <filesystem>

namespace cdx {

bool processorScalesFrequency(const std::string& root)
{
    std::error_code error;
    for (std::filesystem::directory_iterator it(root, error), end; !error && it != end; it.increment(error)) {
        if (it->path().filename().string().rfind("policy", 0) == 0) {
            return true;
        }
    }
    return false;
}

} // namespace cdx
