#include "platform/linux/CpufreqCap.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/linux/Descriptor.h"
#include "platform/linux/WriteAll.h"

namespace cdx {

namespace {

// A journal is a line per policy; anything much longer was not written here.
constexpr off_t kMaxJournalBytes = 4096;

std::string systemError(const std::string& what)
{
    return what + ": " + std::strerror(errno);
}

// "policy" and a number: the only names of policy folders, never a path.
bool isPolicyName(const std::string& name)
{
    const std::string digits = name.substr(std::min<std::size_t>(name.size(), 6));
    return name.size() > 6 && name.size() <= 16 && name.rfind("policy", 0) == 0 &&
           std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool isNumber(const std::string& text)
{
    return !text.empty() && text.size() <= 12 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A policy's folder, opened only when it is a real folder (not a link).
int openPolicyFolder(const std::string& folder)
{
    return ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

// Opens `name` in the folder `dirFd` when it is a regular file of its own:
// never through a link, never waiting on a FIFO.
int openRegularIn(int dirFd, const char* name, int flags)
{
    Descriptor fd(::openat(dirFd, name, flags | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0) {
        return -1;
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        errno = EINVAL;
        return -1;
    }
    return fd.release();
}

// The first line of a small sysfs file in `dirFd`, without its line break;
// nothing when it cannot be read or is not a frequency.
std::string readNumber(int dirFd, const char* name)
{
    Descriptor fd(openRegularIn(dirFd, name, O_RDONLY));
    if (fd.get() < 0) {
        return {};
    }
    char buffer[32];
    ssize_t length = -1;
    do {
        length = ::read(fd.get(), buffer, sizeof buffer);
    } while (length < 0 && errno == EINTR);
    if (length <= 0) {
        return {};
    }
    std::string line(buffer, static_cast<std::size_t>(length));
    line = line.substr(0, line.find('\n'));
    while (!line.empty() && (line.back() == ' ' || line.back() == '\r')) {
        line.pop_back();
    }
    return isNumber(line) ? line : std::string();
}

// Writes the whole value to the policy's scaling_max_freq with one write, as
// sysfs wants it; returns why not.
std::string writeNumber(const std::string& folder, const std::string& value)
{
    const std::string path = folder + "/scaling_max_freq";
    Descriptor dir(openPolicyFolder(folder));
    if (dir.get() < 0) {
        return systemError(folder);
    }
    Descriptor fd(openRegularIn(dir.get(), "scaling_max_freq", O_WRONLY | O_TRUNC));
    if (fd.get() < 0) {
        return systemError(path);
    }
    const std::string text = value + "\n";
    ssize_t written = -1;
    do {
        written = ::write(fd.get(), text.data(), text.size());
    } while (written < 0 && errno == EINTR);
    const int writeError = errno;
    const bool closed = ::close(fd.release()) == 0;
    if (written != static_cast<ssize_t>(text.size())) {
        return path + ": " + std::strerror(written < 0 ? writeError : EIO);
    }
    if (!closed) {
        return systemError(path);
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
        if (!isPolicyName(name)) {
            continue;
        }
        Policy policy;
        policy.name = name;
        policy.folder = m_root + "/" + name;
        Descriptor dir(openPolicyFolder(policy.folder));
        if (dir.get() < 0) {
            problem = "The frequency limits of " + name + " cannot be read (" + systemError(policy.folder) + ").";
            return {};
        }
        policy.previous = readNumber(dir.get(), "scaling_max_freq");
        policy.lowest = readNumber(dir.get(), "cpuinfo_min_freq");
        if (policy.previous.empty() || policy.lowest.empty()) {
            problem = "The frequency limits of " + name + " cannot be read.";
            return {};
        }
        if (::faccessat(dir.get(), "scaling_max_freq", W_OK, AT_SYMLINK_NOFOLLOW) != 0) {
            problem = "You may not change the processor's frequency limit (" + policy.folder +
                      "/scaling_max_freq: " + std::strerror(errno) + ").";
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
    if (!m_journalPath.empty()) {
        if (const std::string failed = writeJournal(policies); !failed.empty()) {
            return {false, "The previous limits cannot be kept in " + m_journalPath + " (" + failed +
                               "). Nothing was changed."};
        }
    }
    for (std::size_t i = 0; i < policies.size(); ++i) {
        const std::string failed = writeNumber(policies[i].folder, policies[i].lowest);
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
        const std::string failed = writeNumber(policy.folder, policy.previous);
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

std::string CpufreqCap::writeJournal(const std::vector<Policy>& policies) const
{
    std::string text;
    for (const Policy& policy : policies) {
        text += policy.name + ' ' + policy.previous + '\n';
    }
    // Made anew each time, never through a link: one left by a run that
    // ended half way is removed first.
    const std::string temporary = m_journalPath + ".new";
    constexpr int flags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
    int fd = ::open(temporary.c_str(), flags, 0600);
    if (fd < 0 && errno == EEXIST && ::unlink(temporary.c_str()) == 0) {
        fd = ::open(temporary.c_str(), flags, 0600);
    }
    if (fd < 0) {
        return systemError(temporary);
    }
    Descriptor file(fd);
    if (!writeAll(file.get(), text) || ::fsync(file.get()) != 0 || ::close(file.release()) != 0) {
        const std::string failed = systemError(temporary);
        ::unlink(temporary.c_str());
        return failed;
    }
    if (::rename(temporary.c_str(), m_journalPath.c_str()) != 0) {
        const std::string failed = systemError(m_journalPath);
        ::unlink(temporary.c_str());
        return failed;
    }
    return {};
}

std::string CpufreqCap::readJournal(std::vector<Policy>& policies) const
{
    Descriptor fd(::open(m_journalPath.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0) {
        return errno == ENOENT ? std::string() : systemError("it cannot be opened");
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        return systemError("it cannot be examined");
    }
    if (!S_ISREG(info.st_mode)) {
        return "it is not a regular file";
    }
    if (info.st_uid != ::geteuid()) {
        return "it belongs to another user";
    }
    if (info.st_size > kMaxJournalBytes) {
        return "it is larger than " + std::to_string(kMaxJournalBytes) + " bytes";
    }
    std::string text(static_cast<std::size_t>(kMaxJournalBytes) + 1, '\0');
    std::size_t length = 0;
    while (length < text.size()) {
        const ssize_t n = ::read(fd.get(), text.data() + length, text.size() - length);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return systemError("it cannot be read");
        }
        if (n == 0) {
            break;
        }
        length += static_cast<std::size_t>(n);
    }
    if (length > static_cast<std::size_t>(kMaxJournalBytes)) {
        return "it is larger than " + std::to_string(kMaxJournalBytes) + " bytes";
    }
    text.resize(length);

    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string name;
        std::string previous;
        std::string extra;
        if (!(words >> name >> previous) || (words >> extra) || !isPolicyName(name) || !isNumber(previous)) {
            return "the line \"" + line.substr(0, 64) + "\" is not a policy and a frequency";
        }
        Policy policy{name, m_root + "/" + name, previous, {}};
        Descriptor dir(openPolicyFolder(policy.folder));
        if (dir.get() < 0) {
            return systemError(policy.folder + " is not a policy folder");
        }
        const std::string lowest = readNumber(dir.get(), "cpuinfo_min_freq");
        const std::string highest = readNumber(dir.get(), "cpuinfo_max_freq");
        if (lowest.empty() || highest.empty()) {
            return "the frequency range of " + name + " cannot be read";
        }
        const long long value = std::stoll(previous);
        if (value < std::stoll(lowest) || value > std::stoll(highest)) {
            return previous + " is outside the range of " + name + " (" + lowest + " to " + highest + ")";
        }
        policies.push_back(std::move(policy));
    }
    return {};
}

std::string CpufreqCap::recoverJournal()
{
    if (m_journalPath.empty()) {
        return {};
    }
    std::vector<Policy> policies;
    if (const std::string refused = readJournal(policies); !refused.empty()) {
        // All or nothing: a journal this class did not write changes no limit.
        return "the journal " + m_journalPath + " was not used, and no limit was changed: " + refused;
    }
    const std::string failures = putBack(policies);
    if (failures.empty()) {
        ::unlink(m_journalPath.c_str());
    }
    return failures;
}

} // namespace cdx
