#include "platform/RegistryValue.h"

#include <utility>

namespace cdx {

RegistryValue RegistryValue::fromString(std::string s)
{
    RegistryValue v;
    v.type = RegistryType::String;
    v.text = std::move(s);
    return v;
}

RegistryValue RegistryValue::fromExpandString(std::string s)
{
    RegistryValue v;
    v.type = RegistryType::ExpandString;
    v.text = std::move(s);
    return v;
}

RegistryValue RegistryValue::fromBinary(std::vector<std::uint8_t> b)
{
    RegistryValue v;
    v.type = RegistryType::Binary;
    v.bytes = std::move(b);
    return v;
}

RegistryValue RegistryValue::fromDword(std::uint32_t d)
{
    RegistryValue v;
    v.type = RegistryType::Dword;
    v.dword = d;
    return v;
}

} // namespace cdx
