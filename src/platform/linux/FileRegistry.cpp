#include "platform/linux/FileRegistry.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <iostream>
#include <memory>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include "platform/RegistryError.h"
#include "platform/linux/Descriptor.h"
#include "platform/linux/FileRegistryKey.h"
#include "platform/linux/WriteAll.h"

namespace cdx {

namespace {

std::string systemError(const std::string& what, const std::string& path, int error)
{
    return what + " " + path + ": " + std::strerror(error);
}

// Holds an exclusive flock on the lock file beside a root's file.
class FileLock {
public:
    explicit FileLock(const std::string& path)
        : m_fd(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600))
    {
        if (m_fd.get() < 0) {
            throw RegistryError(systemError("Cannot open the lock file", path, errno));
        }
        while (::flock(m_fd.get(), LOCK_EX) != 0) {
            if (errno != EINTR) {
                throw RegistryError(systemError("Cannot lock", path, errno));
            }
        }
    }

private:
    Descriptor m_fd; // closing it releases the lock
};

} // namespace

FileRegistry::FileRegistry(std::string directory, std::ostream& notices)
    : m_directory(std::move(directory)), m_notices(notices)
{
    while (m_directory.size() > 1 && m_directory.back() == '/') {
        m_directory.pop_back();
    }
    m_roots[0].document = RegistryDocument(rootName(RootKey::CurrentUser));
    m_roots[1].document = RegistryDocument(rootName(RootKey::LocalMachine));
    for (RootKey root : {RootKey::CurrentUser, RootKey::LocalMachine}) {
        try {
            removeStaleTemporaries(root);
        } catch (const RegistryError& failure) {
            notice(std::string("old temporary files were left in place: ") + failure.what());
        }
    }
}

void FileRegistry::removeStaleTemporaries(RootKey root) const
{
    // The names mkostemp gives beside the root's file.
    const std::string prefix = filePath(root) + ".";
    auto isOurs = [&prefix](const std::string& path) {
        return path.size() == prefix.size() + 6 && path.compare(0, prefix.size(), prefix) == 0 &&
               std::all_of(path.begin() + static_cast<std::ptrdiff_t>(prefix.size()), path.end(), [](char c) {
                   return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
               });
    };
    std::vector<std::string> candidates;
    {
        std::unique_ptr<DIR, int (*)(DIR*)> entries(::opendir(m_directory.c_str()), &::closedir);
        if (!entries) {
            return; // no folder yet: nothing was ever saved
        }
        while (const dirent* entry = ::readdir(entries.get())) {
            const std::string path = m_directory + "/" + entry->d_name;
            if (isOurs(path)) {
                candidates.push_back(path);
            }
        }
    }
    if (candidates.empty()) {
        return;
    }
    // Every save writes its temporary under the lock and renames it before
    // letting go: with the lock held, one made before is left by a save that
    // was killed.
    FileLock lock(filePath(root) + ".lock");
    timespec lockedAt{};
    ::clock_gettime(CLOCK_REALTIME, &lockedAt);
    for (const std::string& candidate : candidates) {
        struct stat info {};
        if (::lstat(candidate.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::getuid()) {
            continue;
        }
        const bool older = info.st_mtim.tv_sec < lockedAt.tv_sec ||
                           (info.st_mtim.tv_sec == lockedAt.tv_sec && info.st_mtim.tv_nsec < lockedAt.tv_nsec);
        if (older && ::unlink(candidate.c_str()) == 0) {
            notice("removed " + candidate + ", left by a save that did not finish");
        }
    }
}

FileRegistry::FileRegistry(std::string directory) : FileRegistry(std::move(directory), std::cerr)
{
}

const char* FileRegistry::rootName(RootKey root)
{
    return root == RootKey::CurrentUser ? "HKEY_CURRENT_USER" : "HKEY_LOCAL_MACHINE";
}

std::string FileRegistry::filePath(RootKey root) const
{
    return m_directory + "/" + rootName(root) + ".reg";
}

void FileRegistry::notice(const std::string& line) const
{
    m_notices << "Caldrix: " << line << std::endl;
}

FileRegistry::FileIdentity FileRegistry::identityOf(const std::string& path) const
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        if (errno == ENOENT) {
            return {};
        }
        throw RegistryError(systemError("Cannot examine", path, errno));
    }
    return FileIdentity{true,
                        static_cast<std::uint64_t>(info.st_dev),
                        static_cast<std::uint64_t>(info.st_ino),
                        static_cast<std::int64_t>(info.st_size),
                        static_cast<std::int64_t>(info.st_mtim.tv_sec),
                        static_cast<std::int64_t>(info.st_mtim.tv_nsec)};
}

FileRegistry::FileText FileRegistry::readFile(const std::string& path) const
{
    FileText file;
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        if (errno == ENOENT) {
            return file;
        }
        throw RegistryError(systemError("Cannot open", path, errno));
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        throw RegistryError(systemError("Cannot examine", path, errno));
    }
    if (!S_ISREG(info.st_mode)) {
        throw RegistryError(path + " is not a regular file");
    }
    file.identity = FileIdentity{true,
                                 static_cast<std::uint64_t>(info.st_dev),
                                 static_cast<std::uint64_t>(info.st_ino),
                                 static_cast<std::int64_t>(info.st_size),
                                 static_cast<std::int64_t>(info.st_mtim.tv_sec),
                                 static_cast<std::int64_t>(info.st_mtim.tv_nsec)};
    if (static_cast<std::uint64_t>(info.st_size) > RegistryDocument::maxFileSize) {
        file.tooLarge = true;
        return file;
    }
    char buffer[65536];
    while (true) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw RegistryError(systemError("Cannot read", path, errno));
        }
        if (n == 0) {
            break;
        }
        file.text.append(buffer, static_cast<std::size_t>(n));
        if (file.text.size() > RegistryDocument::maxFileSize) {
            file.tooLarge = true; // it grew while being read
            file.text.clear();
            break;
        }
    }
    return file;
}

std::optional<RegistryDocument> FileRegistry::parse(RootKey root, const FileText& file,
                                                    std::vector<RegistryDocument::Fault>& faults,
                                                    std::string& error) const
{
    faults.clear();
    if (!file.identity.exists) {
        return RegistryDocument(rootName(root));
    }
    if (file.tooLarge) {
        error = "the file is larger than 16 MiB";
        return std::nullopt;
    }
    return RegistryDocument::parseKeeping(file.text, rootName(root), faults, error);
}

void FileRegistry::keepReadableValues(RootKey root, RegistryDocument& document,
                                      const std::vector<RegistryDocument::Fault>& faults)
{
    const std::string path = filePath(root);
    for (const RegistryDocument::Fault& fault : faults) {
        notice(path + " line " + std::to_string(fault.line) + " was set aside: " + fault.reason);
    }
    const std::string target = moveAside(root);
    writeAtomically(path, document.serialize());
    notice(path + " was damaged; the original is kept as " + target + ", and " + std::to_string(document.valueCount()) +
           " values that could be read were kept");
}

const RegistryDocument& FileRegistry::current(RootKey root)
{
    Root& slot = m_roots[root == RootKey::CurrentUser ? 0 : 1];
    const std::string path = filePath(root);
    if (slot.loaded && identityOf(path) == slot.identity) {
        return slot.document;
    }
    const FileText file = readFile(path);
    std::string error;
    std::vector<RegistryDocument::Fault> faults;
    auto readable = parse(root, file, faults, error);
    if (readable && faults.empty()) {
        slot.document = std::move(*readable);
        slot.identity = file.identity;
        slot.loaded = true;
        return slot.document;
    }
    if (error.empty() && !faults.empty()) {
        error = "line " + std::to_string(faults.front().line) + ": " + faults.front().reason;
    }
    // Damaged: look again under the lock (another process may just have
    // replaced it), then keep what can be read and move the original aside.
    try {
        ensureDirectory();
        FileLock lock(path + ".lock");
        const FileText again = readFile(path);
        auto document = parse(root, again, faults, error);
        if (document && faults.empty()) {
            slot.document = std::move(*document);
            slot.identity = again.identity;
        } else if (document) {
            keepReadableValues(root, *document, faults);
            slot.document = std::move(*document);
            slot.identity = identityOf(path);
        } else {
            const std::string target = moveAside(root);
            notice(path + " is damaged (" + error + "); moved it to " + target + " and started " + rootName(root) +
                   " empty");
            slot.document = RegistryDocument(rootName(root));
            slot.identity = identityOf(path);
        }
    } catch (const RegistryError& failure) {
        // It stays where it is, untouched; a store will try again and fail
        // rather than overwrite it.
        notice(path + " cannot be read (" + error + ") and was left in place: " + failure.what() +
               (readable ? "; going on with the values that could be read" : "; going on without its settings"));
        slot.document = readable ? std::move(*readable) : RegistryDocument(rootName(root));
        slot.identity = file.identity;
    }
    slot.loaded = true;
    return slot.document;
}

std::string FileRegistry::moveAside(RootKey root)
{
    const std::string path = filePath(root);
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    std::string target = path + ".corrupt-" + stamp;
    for (int n = 2; ::access(target.c_str(), F_OK) == 0; ++n) {
        target = path + ".corrupt-" + stamp + "-" + std::to_string(n);
    }
    if (::rename(path.c_str(), target.c_str()) != 0) {
        throw RegistryError(systemError("Cannot move aside the damaged", path, errno));
    }
    return target;
}

void FileRegistry::ensureDirectory() const
{
    std::string partial;
    std::size_t start = 0;
    while (start <= m_directory.size()) {
        const std::size_t slash = m_directory.find('/', start);
        const std::size_t end = slash == std::string::npos ? m_directory.size() : slash;
        partial = m_directory.substr(0, end);
        start = end + 1;
        if (partial.empty()) {
            continue;
        }
        if (::mkdir(partial.c_str(), 0700) != 0 && errno != EEXIST) {
            throw RegistryError(systemError("Cannot create the folder", partial, errno));
        }
    }
    struct stat info {};
    if (::stat(m_directory.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        throw RegistryError(m_directory + " is not a folder");
    }
}

void FileRegistry::writeAtomically(const std::string& path, const std::string& text) const
{
    std::string temporary = path + ".XXXXXX";
    Descriptor fd(::mkostemp(temporary.data(), O_CLOEXEC));
    if (fd.get() < 0) {
        throw RegistryError(systemError("Cannot create a temporary file beside", path, errno));
    }
    auto fail = [&](const std::string& what) {
        const int error = errno;
        ::unlink(temporary.c_str());
        throw RegistryError(systemError(what, temporary, error));
    };
    if (::fchmod(fd.get(), 0600) != 0) {
        fail("Cannot set the mode of");
    }
    if (!writeAll(fd.get(), text)) {
        fail("Cannot write");
    }
    if (::fsync(fd.get()) != 0) {
        fail("Cannot flush");
    }
    if (::close(fd.release()) != 0) {
        fail("Cannot close");
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        fail("Cannot rename");
    }
    Descriptor directory(::open(m_directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.get() >= 0) {
        ::fsync(directory.get()); // the rename is done; a failure here cannot undo it
    }
}

void FileRegistry::store(RootKey root, const std::function<bool(RegistryDocument&)>& change)
{
    Root& slot = m_roots[root == RootKey::CurrentUser ? 0 : 1];
    const std::string path = filePath(root);
    ensureDirectory();
    FileLock lock(path + ".lock");
    const FileText file = readFile(path);
    std::string error;
    std::vector<RegistryDocument::Fault> faults;
    auto parsed = parse(root, file, faults, error);
    if (!parsed) {
        const std::string target = moveAside(root);
        notice(path + " is damaged (" + error + "); moved it to " + target + " and started " + rootName(root) +
               " empty");
        parsed = RegistryDocument(rootName(root));
    } else if (!faults.empty()) {
        keepReadableValues(root, *parsed, faults);
    }
    RegistryDocument document = std::move(*parsed);
    if (!change(document)) {
        slot.document = std::move(document);
        slot.identity = file.identity;
        slot.loaded = true;
        return;
    }
    const std::string text = document.serialize();
    if (text.size() > RegistryDocument::maxFileSize) {
        throw RegistryError("Cannot store the settings: " + path + " would grow beyond 16 MiB");
    }
    writeAtomically(path, text);
    slot.document = std::move(document);
    slot.identity = identityOf(path);
    slot.loaded = true;
}

std::unique_ptr<RegistryKey> FileRegistry::openKey(RootKey root, std::string_view path, bool create, bool* existed)
{
    const auto normalized = RegistryDocument::normalizePath(path);
    if (!normalized) {
        throw RegistryError("Invalid registry key path \"" + std::string(path) + "\"");
    }
    const bool found = current(root).hasKey(*normalized);
    if (existed != nullptr) {
        *existed = found;
    }
    if (!found) {
        if (!create) {
            return nullptr;
        }
        store(root, [&](RegistryDocument& document) {
            if (document.hasKey(*normalized)) {
                return false;
            }
            document.createKey(*normalized);
            return true;
        });
    }
    return std::make_unique<FileRegistryKey>(*this, root, *normalized);
}

bool FileRegistry::deleteKey(RootKey root, std::string_view path)
{
    const auto normalized = RegistryDocument::normalizePath(path);
    if (!normalized || normalized->empty()) {
        throw RegistryError("Cannot delete the registry key \"" + std::string(path) + "\"");
    }
    if (!current(root).hasKey(*normalized)) {
        return false;
    }
    bool deleted = false;
    store(root, [&](RegistryDocument& document) {
        deleted = document.deleteKey(*normalized);
        return deleted;
    });
    return deleted;
}

} // namespace cdx
