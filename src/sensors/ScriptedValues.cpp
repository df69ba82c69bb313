#include "sensors/ScriptedValues.h"

namespace cdx {

void ScriptedValues::set(std::string_view exportName, std::vector<double> values)
{
    if (values.empty()) {
        if (auto it = m_entries.find(exportName); it != m_entries.end()) {
            m_entries.erase(it);
        }
        return;
    }
    m_entries.insert_or_assign(std::string(exportName), Entry{std::move(values), 0});
}

bool ScriptedValues::contains(std::string_view exportName) const
{
    return m_entries.find(exportName) != m_entries.end();
}

std::optional<double> ScriptedValues::next(std::string_view exportName)
{
    auto it = m_entries.find(exportName);
    if (it == m_entries.end()) {
        return std::nullopt;
    }
    Entry& entry = it->second;
    const double value = entry.values[entry.position];
    if (entry.position + 1 < entry.values.size()) {
        ++entry.position;
    }
    return value;
}

std::vector<double> ScriptedValues::values(std::string_view exportName) const
{
    auto it = m_entries.find(exportName);
    return it == m_entries.end() ? std::vector<double>{} : it->second.values;
}

} // namespace cdx
