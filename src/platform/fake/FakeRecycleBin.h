#pragma once

#include <set>
#include <string>
#include <vector>

#include "platform/RecycleBin.h"

namespace cdx {

// A wastebasket that keeps the moved files' contents in memory. Paths set
// to fail stay where they are.
class FakeRecycleBin : public RecycleBin {
public:
    struct Item {
        std::string path;
        std::string content;
    };

    bool moveToTrash(const std::string& path) override;

    void failFor(const std::string& path) { m_failing.insert(path); }
    const std::vector<Item>& items() const { return m_items; }

private:
    std::set<std::string> m_failing;
    std::vector<Item> m_items;
};

} // namespace cdx
