#include "platform/linux/LinuxShell.h"

#include <thread>

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace cdx {
namespace {

bool isProgram(const std::string& file)
{
    struct stat info {};
    return ::stat(file.c_str(), &info) == 0 && S_ISREG(info.st_mode) && ::access(file.c_str(), X_OK) == 0;
}

// Starts `argv[0]` (searched on PATH when `search`) with `argv` in
// `directory`; returns the child's id or -1.
pid_t spawn(const std::vector<std::string>& argv, const std::string& directory, bool search)
{
    std::vector<char*> args;
    args.reserve(argv.size() + 1);
    for (const std::string& arg : argv) {
        args.push_back(const_cast<char*>(arg.c_str()));
    }
    args.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    if (::posix_spawn_file_actions_init(&actions) != 0) {
        return -1;
    }
    if (!directory.empty() && ::posix_spawn_file_actions_addchdir_np(&actions, directory.c_str()) != 0) {
        ::posix_spawn_file_actions_destroy(&actions);
        return -1;
    }
    pid_t child = -1;
    const int result = search ? ::posix_spawnp(&child, args[0], &actions, nullptr, args.data(), environ)
                              : ::posix_spawn(&child, args[0], &actions, nullptr, args.data(), environ);
    ::posix_spawn_file_actions_destroy(&actions);
    return result == 0 ? child : -1;
}

} // namespace

bool LinuxShell::execute(const std::string& file, const std::vector<std::string>& arguments,
                         const std::string& directory, ShowCommand /*show*/)
{
    if (file.empty()) {
        return false;
    }
    pid_t child = -1;
    if (isProgram(file)) {
        std::vector<std::string> argv{file};
        argv.insert(argv.end(), arguments.begin(), arguments.end());
        child = spawn(argv, directory, false);
    } else {
        child = spawn({m_opener, file}, {}, m_opener.find('/') == std::string::npos);
    }
    if (child <= 0) {
        return false;
    }
    // Nobody waits for the started program; a waiter keeps it from lingering
    // as a zombie once it ends.
    std::thread([child] {
        int status = 0;
        ::waitpid(child, &status, 0);
    }).detach();
    return true;
}

} // namespace cdx
