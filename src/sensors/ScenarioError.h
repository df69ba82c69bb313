#pragma once

#include <stdexcept>
#include <string>

namespace cdx {

// A scenario file that cannot be used; the text names the file and the line.
class ScenarioError : public std::runtime_error {
public:
    explicit ScenarioError(const std::string& message) : std::runtime_error(message) {}
};

} // namespace cdx
