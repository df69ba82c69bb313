#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/RegistryValue.h"

namespace cdx {

// The keys and values of one root key, read from and written to the registry
// export format:
//
//   Windows Registry Editor Version 5.00
//
//   [HKEY_CURRENT_USER\Software\Caldrix]
//   "Name"="text"
//   "Number"=dword:0000000a
//   "Bytes"=hex:00,01,02
//   "Path"=hex(2):25,00,00,00
//
// Texts are UTF-8. Strings escape "\" and the double quote; a string holding
// control characters (a line break, say) is written as hex(1), its UTF-16LE
// form, so every value stays on its own line. Long hex data is continued on
// the next line after a "\". Values of any other type (hex(7), hex(b), ...)
// are kept byte for byte and written back unchanged. Key paths and value
// names compare without regard to case; a key path has no leading or
// trailing "\" and the empty path is the root key itself.
class RegistryDocument {
public:
    // One named value. For a type the program does not know, `value` has the
    // type Other with the raw bytes and `otherType` holds the type's number.
    struct Value {
        std::string name;
        RegistryValue value;
        unsigned otherType = 0;
    };

    // A larger file is not read: it is taken for a damaged one.
    static constexpr std::size_t maxFileSize = 16 * 1024 * 1024;
    // The most data one value holds (bytes of its text or binary data), the
    // same for reading and writing: a value that was read can always be
    // written back, and a longer one is neither.
    static constexpr std::size_t maxValueSize = 1024 * 1024;

    // A line of a file that was set aside, with the reason.
    struct Fault {
        std::size_t line = 0;
        std::string reason;
    };

    explicit RegistryDocument(std::string rootName);

    // Reads a whole file's text. Gives nothing, and the line and the reason in
    // `error`, when the text is not a complete, well-formed export of this
    // root key; nothing of a damaged file is taken half. An empty text is an
    // empty root key.
    static std::optional<RegistryDocument> parse(std::string_view text, const std::string& rootName,
                                                 std::string& error);

    // Reads what can be read of a file's text: every value that parses is
    // kept, and each faulty line (with the values of a faulty key line) is
    // set aside and listed in `faults`. Gives nothing, with the reason in
    // `error`, when the text is not an export at all (no header, too large).
    // Text in UTF-16LE with its byte-order mark, as the Windows registry
    // editor writes it, is read as well as UTF-8.
    static std::optional<RegistryDocument> parseKeeping(std::string_view text, const std::string& rootName,
                                                        std::vector<Fault>& faults, std::string& error);

    // The number of values in all keys.
    std::size_t valueCount() const;

    // The file's text.
    std::string serialize() const;

    const std::string& rootName() const { return m_rootName; }

    // A key exists when it has been created or holds a subkey.
    bool hasKey(std::string_view path) const;
    void createKey(std::string_view path);
    // Removes the key with its subkeys; false when there was none.
    bool deleteKey(std::string_view path);

    const Value* findValue(std::string_view path, std::string_view name) const;
    // Adds or replaces a value (creating its key); a replaced value keeps the
    // spelling of its name.
    void setValue(std::string_view path, Value value);
    bool removeValue(std::string_view path, std::string_view name);

    // The path without leading and trailing "\", or nothing when a part of it
    // is empty, holds a control character or is not UTF-8.
    static std::optional<std::string> normalizePath(std::string_view path);
    // Whether `name` can be a value name: UTF-8 without control characters.
    static bool isValidName(std::string_view name);
    // The form in which names compare.
    static std::string fold(std::string_view text);
    // The bytes of data a value holds, as measured against maxValueSize.
    static std::size_t dataSize(const RegistryValue& value);

private:
    struct Key {
        std::string path;
        std::vector<Value> values;
        std::unordered_map<std::string, std::size_t> index; // folded name -> position
    };

    static std::optional<RegistryDocument> parseText(std::string_view text, const std::string& rootName,
                                                     std::vector<Fault>& faults, std::string& error, bool stopAtFault);
    const Key* findKey(std::string_view path) const;
    Key& ensureKey(std::string_view path);
    void rebuildKeyIndex();
    static void rebuildValueIndex(Key& key);

    std::string m_rootName;
    std::vector<Key> m_keys;
    std::unordered_map<std::string, std::size_t> m_keyIndex; // folded path -> position
};

} // namespace cdx
