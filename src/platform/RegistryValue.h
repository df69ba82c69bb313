#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace cdx {

// The registry types the program reads and writes. Other stands for any
// further type (multi-string, big-endian or 64-bit numbers, none): the program
// never writes one, and reading one is reading a value of the wrong type.
enum class RegistryType { String, ExpandString, Binary, Dword, Other };

// One stored value: its type and its raw data. For String and ExpandString
// the text is in `text` (UTF-8); for Binary and Other the bytes are in
// `bytes`; for Dword the number is in `dword`.
struct RegistryValue {
    RegistryType type = RegistryType::String;
    std::string text;
    std::vector<std::uint8_t> bytes;
    std::uint32_t dword = 0;

    static RegistryValue fromString(std::string s);
    static RegistryValue fromExpandString(std::string s);
    static RegistryValue fromBinary(std::vector<std::uint8_t> b);
    static RegistryValue fromDword(std::uint32_t d);

    bool operator==(const RegistryValue&) const = default;
};

} // namespace cdx
