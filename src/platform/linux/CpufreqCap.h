#pragma once

#include <string>
#include <vector>

#include "platform/FrequencyCap.h"

namespace cdx {

// The processor's clock limit through cpufreq: every policy's
// scaling_max_freq is lowered to its cpuinfo_min_freq and put back later.
//
// Before the first write the previous limits go to a journal file, removed
// once they are put back; a run that was killed before it could put them
// back leaves the journal, and recoverJournal() restores from it on the next
// start. The destructor puts back what is still lowered.
//
// Only files of real policy folders (never reached through a link) are read
// or written, and only their scaling_max_freq is written. The journal lives
// in a folder only its user may write; it is never read or written through a
// link, and one that is not a small regular file of this user's, names a
// policy that is not there or a limit outside the policy's own range is not
// used at all.
class CpufreqCap : public FrequencyCap {
public:
    // `root` holds the policy folders (policy0, policy1, ...). `journalPath`
    // empty: no journal.
    explicit CpufreqCap(std::string root = DefaultRoot, std::string journalPath = {});
    ~CpufreqCap() override;

    CpufreqCap(const CpufreqCap&) = delete;
    CpufreqCap& operator=(const CpufreqCap&) = delete;

    Outcome apply() override;
    std::string restore() override;

    // Puts back the limits a journal left by an earlier run holds, then
    // removes it. Returns what could not be put back, or why the journal was
    // not used; empty when there was no journal or all went back.
    std::string recoverJournal();
    std::string recoverEarlierRun() override { return recoverJournal(); }

    static constexpr const char* DefaultRoot = "/sys/devices/system/cpu/cpufreq";

private:
    struct Policy {
        std::string name;     // "policy0"
        std::string folder;   // <root>/policy0
        std::string previous; // the limit found, as the file held it
        std::string lowest;
    };

    std::vector<Policy> findPolicies(std::string& problem) const;
    // Each returns why it failed, empty on success.
    std::string writeJournal(const std::vector<Policy>& policies) const;
    std::string readJournal(std::vector<Policy>& policies) const;
    std::string putBack(const std::vector<Policy>& policies) const;

    std::string m_root;
    std::string m_journalPath;
    std::vector<Policy> m_lowered;
};

} // namespace cdx
