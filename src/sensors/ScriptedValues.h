#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cdx {

// Scripted results per export: each call takes the next value, the last value
// repeats. Used by the scenario of the simulated driver and by the fake driver.
class ScriptedValues {
public:
    // Replaces the script of an export; an empty list removes it.
    void set(std::string_view exportName, std::vector<double> values);

    bool contains(std::string_view exportName) const;

    // The next value of an export, or empty when it is not scripted.
    std::optional<double> next(std::string_view exportName);

    // The scripted values of an export (empty when not scripted).
    std::vector<double> values(std::string_view exportName) const;

    std::size_t size() const { return m_entries.size(); }

private:
    struct Entry {
        std::vector<double> values;
        std::size_t position = 0;
    };
    std::map<std::string, Entry, std::less<>> m_entries;
};

} // namespace cdx
