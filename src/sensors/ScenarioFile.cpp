#include "sensors/ScenarioFile.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <limits>
#include <map>
#include <sstream>
#include <vector>

#include "sensors/DriverExport.h"
#include "sensors/ScenarioError.h"

namespace cdx {

namespace {

std::vector<std::string_view> splitWords(std::string_view line)
{
    std::vector<std::string_view> words;
    std::size_t pos = 0;
    while (pos < line.size()) {
        const std::size_t start = line.find_first_not_of(" \t\r\v\f", pos);
        if (start == std::string_view::npos) {
            break;
        }
        std::size_t end = line.find_first_of(" \t\r\v\f", start);
        if (end == std::string_view::npos) {
            end = line.size();
        }
        words.push_back(line.substr(start, end - start));
        pos = end;
    }
    return words;
}

// The value of one word for an export of the given result type, or empty.
std::optional<double> parseValue(std::string_view word, ExportResult result)
{
    std::string_view digits = word;
    if (!digits.empty() && digits.front() == '+') {
        digits.remove_prefix(1);
        if (!digits.empty() && digits.front() == '-') {
            return std::nullopt; // "+-1"
        }
    }
    const char* first = digits.data();
    const char* last = digits.data() + digits.size();
    if (result == ExportResult::Double) {
        double value = 0.0;
        const auto [end, ec] = std::from_chars(first, last, value, std::chars_format::general);
        if (ec != std::errc{} || end != last || !std::isfinite(value)) {
            return std::nullopt;
        }
        return value;
    }
    std::int64_t value = 0;
    const auto [end, ec] = std::from_chars(first, last, value);
    if (ec != std::errc{} || end != last) {
        return std::nullopt;
    }
    if (result == ExportResult::Boolean) {
        if (value != 0 && value != 1) {
            return std::nullopt;
        }
    } else if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<double>(value);
}

std::string typeName(ExportResult result)
{
    switch (result) {
    case ExportResult::Boolean:
        return "0 or 1";
    case ExportResult::Int32:
        return "a whole number in 32 bits";
    case ExportResult::Double:
        return "a decimal number";
    case ExportResult::None:
        break;
    }
    return "no value";
}

[[noreturn]] void fail(const std::string& fileName, int line, const std::string& what)
{
    throw ScenarioError("scenario file " + fileName + ", line " + std::to_string(line) + ": " + what);
}

} // namespace

ScriptedValues ScenarioFile::read(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw ScenarioError("scenario file " + path + ": cannot be opened");
    }
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) {
        throw ScenarioError("scenario file " + path + ": cannot be read");
    }
    return parse(text.str(), path);
}

ScriptedValues ScenarioFile::parse(std::string_view text, const std::string& fileName)
{
    ScriptedValues script;
    std::map<std::string_view, int> firstLine;
    int lineNumber = 0;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        const std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        ++lineNumber;

        const auto words = splitWords(line);
        if (words.empty() || words.front().front() == '#') {
            continue;
        }
        const std::string_view name = words.front();
        const DriverExport* driverExport = findDriverExport(name);
        if (driverExport == nullptr) {
            fail(fileName, lineNumber,
                 std::string("\"").append(name).append("\" is not an export of the sensor driver"));
        }
        if (driverExport->result == ExportResult::None) {
            fail(fileName, lineNumber, std::string(name) + " returns no value and cannot be scripted");
        }
        if (auto it = firstLine.find(name); it != firstLine.end()) {
            fail(fileName, lineNumber,
                 std::string(name) + " is already scripted on line " + std::to_string(it->second));
        }
        if (words.size() < 2) {
            fail(fileName, lineNumber, std::string(name) + " has no values");
        }
        std::vector<double> values;
        for (std::size_t i = 1; i < words.size(); ++i) {
            const auto value = parseValue(words[i], driverExport->result);
            if (!value) {
                fail(fileName, lineNumber,
                     std::string("\"")
                         .append(words[i])
                         .append("\" is not a valid value for ")
                         .append(name)
                         .append(" (")
                         .append(typeName(driverExport->result))
                         .append(")"));
            }
            values.push_back(*value);
        }
        firstLine.emplace(driverExport->name, lineNumber);
        script.set(name, std::move(values));
    }
    return script;
}

} // namespace cdx
