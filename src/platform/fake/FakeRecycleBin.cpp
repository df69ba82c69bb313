#include "platform/fake/FakeRecycleBin.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace cdx {

bool FakeRecycleBin::moveToTrash(const std::string& path)
{
    if (m_failing.count(path) != 0) {
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    std::error_code error;
    if (!std::filesystem::remove(path, error)) {
        return false;
    }
    m_items.push_back({path, std::move(content)});
    return true;
}

} // namespace cdx
