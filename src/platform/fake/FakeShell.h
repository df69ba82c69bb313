#pragma once

#include <string>
#include <vector>

#include "platform/Shell.h"

namespace cdx {

// A shell that only records what it was asked to open.
class FakeShell : public Shell {
public:
    struct Request {
        std::string file;
        std::vector<std::string> arguments;
        std::string directory;
        ShowCommand show = ShowCommand::Show;

        bool operator==(const Request&) const = default;
    };

    bool execute(const std::string& file, const std::vector<std::string>& arguments, const std::string& directory,
                 ShowCommand show) override
    {
        m_requests.push_back({file, arguments, directory, show});
        return m_succeeds;
    }

    const std::vector<Request>& requests() const { return m_requests; }
    void setSucceeds(bool succeeds) { m_succeeds = succeeds; }

private:
    std::vector<Request> m_requests;
    bool m_succeeds = true;
};

} // namespace cdx
