#pragma once

#include <set>
#include <string>

#include "platform/FileLockProbe.h"

namespace cdx {

// Reports as locked exactly the paths a test has locked.
class FakeFileLockProbe : public FileLockProbe {
public:
    bool isLocked(const std::string& path) const override { return m_locked.count(path) != 0; }

    void lock(const std::string& path) { m_locked.insert(path); }
    void unlock(const std::string& path) { m_locked.erase(path); }

private:
    std::set<std::string> m_locked;
};

} // namespace cdx
