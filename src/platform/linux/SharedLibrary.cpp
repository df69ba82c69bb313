#include "platform/linux/SharedLibrary.h"

#include <dlfcn.h>

namespace cdx {

std::shared_ptr<SharedLibrary> SharedLibrary::open(const std::string& path, std::string& error)
{
    dlerror();
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* reason = dlerror();
        error = reason != nullptr ? reason : ("cannot load " + path);
        return nullptr;
    }
    return std::shared_ptr<SharedLibrary>(new SharedLibrary(handle, path));
}

SharedLibrary::SharedLibrary(void* handle, std::string path) : m_handle(handle), m_path(std::move(path))
{
}

SharedLibrary::~SharedLibrary()
{
    dlclose(m_handle);
}

void* SharedLibrary::symbol(const char* name) const
{
    dlerror();
    return dlsym(m_handle, name);
}

} // namespace cdx
