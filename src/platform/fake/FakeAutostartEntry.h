#pragma once

#include <optional>
#include <string>

#include "platform/AutostartEntry.h"

namespace cdx {

// An entry kept in memory; installing or removing can be made to fail.
class FakeAutostartEntry : public AutostartEntry {
public:
    void install(const std::string& path) override
    {
        if (m_failing) {
            throw AutostartError("cannot write the autostart entry");
        }
        m_path = path;
    }
    void remove() override
    {
        if (m_failing) {
            throw AutostartError("cannot remove the autostart entry");
        }
        m_path.reset();
    }
    bool installed() const override { return m_path.has_value(); }

    // The path the entry starts, or nothing.
    const std::optional<std::string>& path() const { return m_path; }
    void setFailing(bool failing) { m_failing = failing; }

private:
    std::optional<std::string> m_path;
    bool m_failing = false;
};

} // namespace cdx
