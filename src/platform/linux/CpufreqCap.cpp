#include "platform/linux/CpufreqCap.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace cdx {

namespace {

// The first line of a small sysfs file, without its line break; nothing when
// it cannot be read or is not a frequency.
std::string readNumber(const std::string& path)
{
    std::ifstream in(path);
    std::string line;
    if (!in || !std::getline(in, line)) {
        return {};
    }
    while (!line.empty() && (line.back() == '\n' || line.back() == ' ' || line.back() == '\r')) {
        line.pop_back();
    }
    if (line.empty() || line.size() > 12 ||
        !std::all_of(line.begin(), line.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return {};
    }
    return line;
}

// Writes the whole value with one write, as sysfs wants it; returns why not.
std::string writeNumber(const std::string& path, const std::string& value)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) {
        return path + ": " + std::strerror(errno);
    }
    const std::string text = value + "\n";
    ssize_t written = -1;
    do {
        written = ::write(fd, text.data(), text.size());
    } while (written < 0 && errno == EINTR);
    const int writeError = errno;
    const bool closed = ::close(fd) == 0;
    if (written != static_cast<ssize_t>(text.size())) {
        return path + ": " + std::strerror(written < 0 ? writeError : EIO);
    }
    if (!closed) {
        return path + ": " + std::strerror(errno);
    }
    return {};
}

} // namespace

CpufreqCap::CpufreqCap(std::string root, std::string journalPath)
    : m_root(std::move(root)), m_journalPath(std::move(journalPath))
{
}

CpufreqCap::~CpufreqCap()
{
    restore();
}

std::vector<CpufreqCap::Policy> CpufreqCap::findPolicies(std::string& problem) const
{
    std::vector<Policy> policies;
    std::error_code error;
    std::filesystem::directory_iterator entries(m_root, error);
    if (error) {
        problem = "This computer offers no processor frequency control (" + m_root + ": " + error.message() + ").";
        return {};
    }
    for (const auto& entry : entries) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("policy", 0) != 0) {
            continue;
        }
        Policy policy;
        policy.name = name;
        policy.maxPath = entry.path().string() + "/scaling_max_freq";
        policy.previous = readNumber(policy.maxPath);
        policy.lowest = readNumber(entry.path().string() + "/cpuinfo_min_freq");
        if (policy.previous.empty() || policy.lowest.empty()) {
            problem = "The frequency limits of " + name + " cannot be read.";
            return {};
        }
        if (::access(policy.maxPath.c_str(), W_OK) != 0) {
            problem = "You may not change the processor's frequency limit (" + policy.maxPath + ": " +
                      std::strerror(errno) + ").";
            return {};
        }
        policies.push_back(std::move(policy));
    }
    if (policies.empty()) {
        problem = "This computer offers no processor frequency control (no policy in " + m_root + ").";
    }
    std::sort(policies.begin(), policies.end(), [](const Policy& a, const Policy& b) { return a.name < b.name; });
    return policies;
}

FrequencyCap::Outcome CpufreqCap::apply()
{
    if (!m_lowered.empty()) {
        return {true, "The processor's clock is already lowered."};
    }
    std::string problem;
    std::vector<Policy> policies = findPolicies(problem);
    if (policies.empty()) {
        return {false, problem + " Nothing was changed."};
    }
    if (!m_journalPath.empty() && !writeJournal(policies)) {
        return {false, "The previous limits cannot be kept in " + m_journalPath + ". Nothing was changed."};
    }
    for (std::size_t i = 0; i < policies.size(); ++i) {
        const std::string failed = writeNumber(policies[i].maxPath, policies[i].lowest);
        if (!failed.empty()) {
            // All or nothing: what was lowered goes back at once.
            policies.resize(i);
            m_lowered = std::move(policies);
            if (restore().empty() && !m_journalPath.empty()) {
                ::unlink(m_journalPath.c_str());
            }
            return {false, "The frequency limit cannot be changed (" + failed + "). Nothing was changed."};
        }
    }
    m_lowered = std::move(policies);
    std::ostringstream message;
    message << "The processor's clock is limited to ";
    for (std::size_t i = 0; i < m_lowered.size(); ++i) {
        message << (i == 0 ? "" : ", ") << std::stoll(m_lowered[i].lowest) / 1000 << " MHz";
    }
    message << " while CPU Idle runs.";
    return {true, message.str()};
}

std::string CpufreqCap::putBack(const std::vector<Policy>& policies) const
{
    std::string failures;
    for (const Policy& policy : policies) {
        const std::string failed = writeNumber(policy.maxPath, policy.previous);
        if (!failed.empty()) {
            failures += (failures.empty() ? "" : "; ") + failed;
        }
    }
    return failures;
}

std::string CpufreqCap::restore()
{
    if (m_lowered.empty()) {
        return {};
    }
    const std::string failures = putBack(m_lowered);
    m_lowered.clear();
    if (failures.empty() && !m_journalPath.empty()) {
        ::unlink(m_journalPath.c_str());
    }
    return failures;
}

bool CpufreqCap::writeJournal(const std::vector<Policy>& policies) const
{
    const std::string temporary = m_journalPath + ".new";
    {
        std::ofstream out(temporary, std::ios::trunc);
        for (const Policy& policy : policies) {
            out << policy.name << ' ' << policy.previous << '\n';
        }
        out.flush();
        if (!out) {
            ::unlink(temporary.c_str());
            return false;
        }
    }
    return ::rename(temporary.c_str(), m_journalPath.c_str()) == 0;
}

std::string CpufreqCap::recoverJournal()
{
    if (m_journalPath.empty()) {
        return {};
    }
    std::ifstream in(m_journalPath);
    if (!in) {
        return {};
    }
    std::vector<Policy> policies;
    std::string name;
    std::string previous;
    while (in >> name >> previous) {
        // Only names and numbers this class writes; anything else is ignored.
        const bool validName =
            name.rfind("policy", 0) == 0 && name.find('/') == std::string::npos && name.find("..") == std::string::npos;
        const bool validValue =
            !previous.empty() && previous.size() <= 12 &&
            std::all_of(previous.begin(), previous.end(), [](char c) { return c >= '0' && c <= '9'; });
        if (validName && validValue) {
            policies.push_back({name, m_root + "/" + name + "/scaling_max_freq", previous, {}});
        }
    }
    const std::string failures = putBack(policies);
    if (failures.empty()) {
        ::unlink(m_journalPath.c_str());
    }
    return failures;
}

} // namespace cdx
