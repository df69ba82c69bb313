#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "platform/Registry.h"
#include "platform/linux/RegistryDocument.h"

namespace cdx {

// The registry kept as text files a user can read and edit: each root key is
// one file in the registry export format, HKEY_CURRENT_USER.reg and
// HKEY_LOCAL_MACHINE.reg, in the folder given to the constructor (created on
// demand, readable by its owner only).
//
// A store locks the root's file (flock on "<file>.lock"), reads it again,
// applies only the changes of this one step, writes a temporary file with
// mode 0600, flushes it to disk and renames it over the old one. A write is
// thus never half done, and two processes writing one after the other lose
// none of each other's values. A file with faulty lines (a syntax error, text
// that is not UTF-8, a value over the size limit) is never overwritten: it is
// renamed to "<file>.corrupt-YYYYMMDD-HHMMSS", each faulty line is reported by
// its number on the notice stream, and the values that could be read are
// written to a new file, the count of them reported. A file that is not an
// export at all (no header, larger than 16 MiB) is moved aside the same way
// and the root key starts empty. UTF-16LE files with a byte-order mark, as
// the Windows registry editor writes them, are read too and stored as UTF-8.
//
// Temporary files of a save that was killed half way ("<file>.XXXXXX") are
// removed when the registry is made, under the root's lock: only regular
// files of that exact name, owned by the user and older than the lock.
//
// Keys opened from it must not outlive it.
class FileRegistry : public Registry {
public:
    explicit FileRegistry(std::string directory, std::ostream& notices);
    explicit FileRegistry(std::string directory);

    std::unique_ptr<RegistryKey> openKey(RootKey root, std::string_view path, bool create,
                                         bool* existed = nullptr) override;
    bool deleteKey(RootKey root, std::string_view path) override;

    // The file that holds `root`.
    std::string filePath(RootKey root) const;

private:
    friend class FileRegistryKey;

    struct FileIdentity {
        bool exists = false;
        std::uint64_t device = 0;
        std::uint64_t inode = 0;
        std::int64_t size = 0;
        std::int64_t modifiedSeconds = 0;
        std::int64_t modifiedNanoseconds = 0;
        bool operator==(const FileIdentity&) const = default;
    };
    struct FileText {
        FileIdentity identity;
        std::string text;
        bool tooLarge = false;
    };
    struct Root {
        RegistryDocument document{""};
        FileIdentity identity;
        bool loaded = false;
    };

    static const char* rootName(RootKey root);
    // The root as last stored, read again when its file has changed.
    const RegistryDocument& current(RootKey root);
    // Locks the file, reads it again, applies `change` and, when that returns
    // true, writes the result. Throws RegistryError when it cannot.
    void store(RootKey root, const std::function<bool(RegistryDocument&)>& change);

    FileText readFile(const std::string& path) const;
    std::optional<RegistryDocument> parse(RootKey root, const FileText& file,
                                          std::vector<RegistryDocument::Fault>& faults, std::string& error) const;
    // Under the lock: moves a damaged file aside; gives the new name.
    std::string moveAside(RootKey root);
    // Under the lock: reports each faulty line, moves the file aside and
    // writes what could be read in its place.
    void keepReadableValues(RootKey root, RegistryDocument& document,
                            const std::vector<RegistryDocument::Fault>& faults);
    // Removes temporary copies left by a save that never finished.
    void removeStaleTemporaries(RootKey root) const;
    void ensureDirectory() const;
    void writeAtomically(const std::string& path, const std::string& text) const;
    FileIdentity identityOf(const std::string& path) const;
    void notice(const std::string& line) const;

    std::string m_directory;
    std::ostream& m_notices;
    std::array<Root, 2> m_roots;
};

} // namespace cdx
