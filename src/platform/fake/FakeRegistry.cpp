#include "platform/fake/FakeRegistry.h"

#include <algorithm>
#include <cctype>

#include "platform/fake/FakeRegistryKey.h"

namespace cdx {

std::string FakeRegistry::fold(std::string_view text)
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return result;
}

std::string FakeRegistry::keyId(RootKey root, std::string_view path)
{
    std::string id = root == RootKey::CurrentUser ? "hkcu\\" : "hklm\\";
    std::string folded = fold(path);
    while (!folded.empty() && folded.front() == '\\') {
        folded.erase(0, 1);
    }
    while (!folded.empty() && folded.back() == '\\') {
        folded.pop_back();
    }
    return id + folded;
}

std::unique_ptr<RegistryKey> FakeRegistry::openKey(RootKey root, std::string_view path, bool create, bool* existed)
{
    const std::string id = keyId(root, path);
    const bool found = m_keys.count(id) != 0;
    if (existed != nullptr) {
        *existed = found;
    }
    if (!found) {
        if (!create) {
            return nullptr;
        }
        m_keys[id];
    }
    return std::make_unique<FakeRegistryKey>(*this, id);
}

bool FakeRegistry::deleteKey(RootKey root, std::string_view path)
{
    const std::string id = keyId(root, path);
    bool any = false;
    for (auto it = m_keys.begin(); it != m_keys.end();) {
        if (it->first == id || it->first.rfind(id + "\\", 0) == 0) {
            it = m_keys.erase(it);
            any = true;
        } else {
            ++it;
        }
    }
    return any;
}

bool FakeRegistry::hasKey(RootKey root, std::string_view path) const
{
    return m_keys.count(keyId(root, path)) != 0;
}

const RegistryValue* FakeRegistry::value(RootKey root, std::string_view path, std::string_view name) const
{
    auto key = m_keys.find(keyId(root, path));
    if (key == m_keys.end()) {
        return nullptr;
    }
    auto it = key->second.values.find(fold(name));
    return it == key->second.values.end() ? nullptr : &it->second.second;
}

void FakeRegistry::setValue(RootKey root, std::string_view path, std::string_view name, RegistryValue value)
{
    m_keys[keyId(root, path)].values[fold(name)] = {std::string(name), std::move(value)};
}

std::set<std::string> FakeRegistry::valueNames(RootKey root, std::string_view path) const
{
    std::set<std::string> names;
    auto key = m_keys.find(keyId(root, path));
    if (key != m_keys.end()) {
        for (const auto& [folded, entry] : key->second.values) {
            names.insert(entry.first);
        }
    }
    return names;
}

void FakeRegistry::failWritesOf(std::string_view name)
{
    m_failingNames.insert(fold(name));
}

} // namespace cdx
