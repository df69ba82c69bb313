// Round trip of the scenario format: a scenario that is accepted, written out
// with every value at full precision and read again, scripts the same values.
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "sensors/DriverExport.h"
#include "sensors/ScenarioError.h"
#include "sensors/ScenarioFile.h"

namespace {

void check(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

std::string write(const cdx::ScriptedValues& values)
{
    std::string text = "# written again\n";
    for (const cdx::DriverExport& entry : cdx::driverExports()) {
        if (!values.contains(entry.name)) {
            continue;
        }
        text += entry.name;
        for (const double value : values.values(entry.name)) {
            char buffer[64];
            const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
            text += ' ';
            text.append(buffer, result.ptr);
        }
        text += '\n';
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    cdx::ScriptedValues first;
    try {
        first = cdx::ScenarioFile::parse(text, "fuzz");
    } catch (const cdx::ScenarioError&) {
        return 0;
    }
    const cdx::ScriptedValues second = cdx::ScenarioFile::parse(write(first), "again");
    check(second.size() == first.size());
    for (const cdx::DriverExport& entry : cdx::driverExports()) {
        check(second.values(entry.name) == first.values(entry.name));
    }
    return 0;
}
