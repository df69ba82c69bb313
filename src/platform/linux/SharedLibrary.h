#pragma once

#include <memory>
#include <string>

namespace cdx {

// A shared library loaded with dlopen, closed when the last owner lets go.
class SharedLibrary {
public:
    // Loads the library at `path`; empty with `error` set when it cannot be loaded.
    static std::shared_ptr<SharedLibrary> open(const std::string& path, std::string& error);

    ~SharedLibrary();
    SharedLibrary(const SharedLibrary&) = delete;
    SharedLibrary& operator=(const SharedLibrary&) = delete;

    const std::string& path() const { return m_path; }

    // The address of an exported symbol, or nullptr when the library lacks it.
    void* symbol(const char* name) const;

private:
    SharedLibrary(void* handle, std::string path);

    void* m_handle;
    std::string m_path;
};

} // namespace cdx
