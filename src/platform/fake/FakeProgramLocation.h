#pragma once

#include <string>
#include <utility>

#include "platform/ProgramLocation.h"

namespace cdx {

// A program living in a folder the test chooses.
class FakeProgramLocation : public ProgramLocation {
public:
    explicit FakeProgramLocation(std::string directory) : m_directory(std::move(directory)) {}

    std::string executablePath() const override { return m_directory + "/caldrix"; }
    std::string programDirectory() const override { return m_directory; }
    std::string shortPathName(const std::string& path) const override { return path; }

private:
    std::string m_directory;
};

} // namespace cdx
