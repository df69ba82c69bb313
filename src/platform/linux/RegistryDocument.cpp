#include "platform/linux/RegistryDocument.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "sensors/Utf8.h"

namespace cdx {

namespace {

constexpr std::string_view header = "Windows Registry Editor Version 5.00";
constexpr std::size_t hexLineWidth = 77;

bool isControl(unsigned char c)
{
    return c < 0x20 || c == 0x7F;
}

bool hasControl(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char c) { return isControl(static_cast<unsigned char>(c)); });
}

std::string_view trimRight(std::string_view s)
{
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) {
        s.remove_suffix(1);
    }
    return s;
}

std::string_view trimLeft(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) {
        s.remove_prefix(1);
    }
    return s;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

bool startsWithFolded(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && RegistryDocument::fold(text.substr(0, prefix.size())) == prefix;
}

// UTF-8 text to UTF-16LE bytes with the terminating zero, as the registry
// stores string types.
std::vector<std::uint8_t> toUtf16(std::string_view text)
{
    std::vector<std::uint8_t> bytes = utf8ToUtf16Le(text);
    bytes.push_back(0);
    bytes.push_back(0);
    return bytes;
}

// UTF-16LE bytes (terminating zero optional) to UTF-8; nothing when they are
// not well-formed text or hold a zero inside.
std::optional<std::string> fromUtf16(const std::vector<std::uint8_t>& bytes)
{
    std::size_t size = bytes.size();
    if (size >= 2 && size % 2 == 0 && bytes[size - 2] == 0 && bytes[size - 1] == 0) {
        size -= 2;
    }
    auto text = utf16LeToUtf8(bytes.data(), size);
    if (text && text->find('\0') != std::string::npos) {
        return std::nullopt;
    }
    return text;
}

// The text of a file in UTF-16LE (after its byte-order mark) as UTF-8. A
// unit that is not text (an unpaired surrogate, an odd last byte) becomes a
// byte that is never UTF-8, so that only its line is set aside.
std::string utf16TextToUtf8(std::string_view bytes)
{
    std::string text;
    text.reserve(bytes.size() / 2);
    auto unitAt = [bytes](std::size_t k) {
        return static_cast<char32_t>(static_cast<unsigned char>(bytes[2 * k]) |
                                     (static_cast<unsigned char>(bytes[2 * k + 1]) << 8));
    };
    const std::size_t count = bytes.size() / 2;
    for (std::size_t k = 0; k < count; ++k) {
        const char32_t unit = unitAt(k);
        if (unit >= 0xD800 && unit <= 0xDBFF && k + 1 < count && unitAt(k + 1) >= 0xDC00 && unitAt(k + 1) <= 0xDFFF) {
            appendUtf8(text, 0x10000 + ((unit - 0xD800) << 10) + (unitAt(k + 1) - 0xDC00));
            ++k;
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            text += '\xFF';
        } else {
            appendUtf8(text, unit);
        }
    }
    if (bytes.size() % 2 != 0) {
        text += '\xFF';
    }
    return text;
}

std::string quote(std::string_view text)
{
    std::string out = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"') {
            out += '\\';
        }
        out += c;
    }
    out += '"';
    return out;
}

// Reads a quoted text at the start of `s`; `s` is left after the closing quote.
bool unquote(std::string_view& s, std::string& out, std::string& error)
{
    if (s.empty() || s.front() != '"') {
        error = "a quoted text was expected";
        return false;
    }
    out.clear();
    for (std::size_t i = 1; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '"') {
            s.remove_prefix(i + 1);
            return true;
        }
        if (c == '\\') {
            if (i + 1 >= s.size() || (s[i + 1] != '\\' && s[i + 1] != '"')) {
                error = "a \"\\\" in quotes must be followed by \"\\\" or a double quote";
                return false;
            }
            ++i;
            out += s[i];
        } else {
            out += c;
        }
    }
    error = "the closing double quote is missing";
    return false;
}

void appendHex(std::string& out, std::string prefix, const std::vector<std::uint8_t>& bytes)
{
    static constexpr char digits[] = "0123456789abcdef";
    std::string line = std::move(prefix);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        line += digits[bytes[i] >> 4];
        line += digits[bytes[i] & 0x0F];
        if (i + 1 < bytes.size()) {
            line += ',';
            if (line.size() >= hexLineWidth) {
                out += line;
                out += "\\\n";
                line = "  ";
            }
        }
    }
    out += line;
    out += '\n';
}

bool parseHexBytes(std::string_view data, std::vector<std::uint8_t>& bytes, std::string& error)
{
    bytes.clear();
    data = trimLeft(trimRight(data));
    if (data.empty()) {
        return true;
    }
    bytes.reserve(data.size() / 3 + 1);
    while (true) {
        const std::size_t comma = data.find(',');
        const std::string_view token = trimLeft(trimRight(data.substr(0, comma)));
        if (token.size() != 2 || hexDigit(token[0]) < 0 || hexDigit(token[1]) < 0) {
            error = "hex data must be two-digit bytes separated by commas";
            return false;
        }
        bytes.push_back(static_cast<std::uint8_t>(hexDigit(token[0]) * 16 + hexDigit(token[1])));
        if (comma == std::string_view::npos) {
            return true;
        }
        data.remove_prefix(comma + 1);
    }
}

// The value data after the "=".
bool parseData(std::string_view data, RegistryDocument::Value& value, std::string& error)
{
    value.otherType = 0;
    if (!data.empty() && data.front() == '"') {
        std::string text;
        if (!unquote(data, text, error)) {
            return false;
        }
        if (!data.empty()) {
            error = "unexpected text after the closing double quote";
            return false;
        }
        value.value = RegistryValue::fromString(std::move(text));
        return true;
    }
    if (startsWithFolded(data, "dword:")) {
        const std::string_view digits = data.substr(6);
        if (digits.size() != 8 || std::any_of(digits.begin(), digits.end(), [](char c) { return hexDigit(c) < 0; })) {
            error = "a dword must have exactly eight hex digits";
            return false;
        }
        std::uint32_t number = 0;
        for (char c : digits) {
            number = number * 16 + static_cast<std::uint32_t>(hexDigit(c));
        }
        value.value = RegistryValue::fromDword(number);
        return true;
    }
    if (startsWithFolded(data, "hex:")) {
        std::vector<std::uint8_t> bytes;
        if (!parseHexBytes(data.substr(4), bytes, error)) {
            return false;
        }
        value.value = RegistryValue::fromBinary(std::move(bytes));
        return true;
    }
    if (startsWithFolded(data, "hex(")) {
        const std::size_t close = data.find("):");
        if (close == std::string_view::npos || close < 5 || close > 12) {
            error = "a hex(type) prefix is malformed";
            return false;
        }
        unsigned long type = 0;
        for (char c : data.substr(4, close - 4)) {
            if (hexDigit(c) < 0) {
                error = "a hex(type) number must be hexadecimal";
                return false;
            }
            type = type * 16 + static_cast<unsigned long>(hexDigit(c));
        }
        std::vector<std::uint8_t> bytes;
        if (!parseHexBytes(data.substr(close + 2), bytes, error)) {
            return false;
        }
        if (type == 1 || type == 2) {
            if (auto text = fromUtf16(bytes)) {
                value.value = type == 1 ? RegistryValue::fromString(std::move(*text))
                                        : RegistryValue::fromExpandString(std::move(*text));
                return true;
            }
        } else if (type == 3) {
            value.value = RegistryValue::fromBinary(std::move(bytes));
            return true;
        } else if (type == 4 && bytes.size() == 4) {
            value.value = RegistryValue::fromDword(
                static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
                (static_cast<std::uint32_t>(bytes[2]) << 16) | (static_cast<std::uint32_t>(bytes[3]) << 24));
            return true;
        }
        value.value = RegistryValue{};
        value.value.type = RegistryType::Other;
        value.value.bytes = std::move(bytes);
        value.otherType = static_cast<unsigned>(type);
        return true;
    }
    if (data == "-") {
        error = "value deletions (\"=-\") are not stored settings";
        return false;
    }
    error = "the value data is neither a quoted text, dword: nor hex";
    return false;
}

} // namespace

RegistryDocument::RegistryDocument(std::string rootName) : m_rootName(std::move(rootName))
{
}

std::string RegistryDocument::fold(std::string_view text)
{
    std::string result(text);
    for (char& c : result) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return result;
}

bool RegistryDocument::isValidName(std::string_view name)
{
    return isValidUtf8(name) && !hasControl(name);
}

std::optional<std::string> RegistryDocument::normalizePath(std::string_view path)
{
    while (!path.empty() && path.front() == '\\') {
        path.remove_prefix(1);
    }
    while (!path.empty() && path.back() == '\\') {
        path.remove_suffix(1);
    }
    if (!isValidName(path) || path.find("\\\\") != std::string_view::npos) {
        return std::nullopt;
    }
    return std::string(path);
}

const RegistryDocument::Key* RegistryDocument::findKey(std::string_view path) const
{
    const auto it = m_keyIndex.find(fold(path));
    return it == m_keyIndex.end() ? nullptr : &m_keys[it->second];
}

RegistryDocument::Key& RegistryDocument::ensureKey(std::string_view path)
{
    const std::string folded = fold(path);
    const auto it = m_keyIndex.find(folded);
    if (it != m_keyIndex.end()) {
        return m_keys[it->second];
    }
    m_keyIndex.emplace(folded, m_keys.size());
    m_keys.push_back(Key{std::string(path), {}, {}});
    return m_keys.back();
}

void RegistryDocument::rebuildKeyIndex()
{
    m_keyIndex.clear();
    for (std::size_t i = 0; i < m_keys.size(); ++i) {
        m_keyIndex.emplace(fold(m_keys[i].path), i);
    }
}

void RegistryDocument::rebuildValueIndex(Key& key)
{
    key.index.clear();
    for (std::size_t i = 0; i < key.values.size(); ++i) {
        key.index.emplace(fold(key.values[i].name), i);
    }
}

bool RegistryDocument::hasKey(std::string_view path) const
{
    if (path.empty() || findKey(path) != nullptr) {
        return true;
    }
    const std::string prefix = fold(path) + "\\";
    return std::any_of(m_keys.begin(), m_keys.end(),
                       [&prefix](const Key& key) { return fold(key.path).rfind(prefix, 0) == 0; });
}

void RegistryDocument::createKey(std::string_view path)
{
    ensureKey(path);
}

bool RegistryDocument::deleteKey(std::string_view path)
{
    const std::string folded = fold(path);
    const std::string prefix = folded + "\\";
    const auto removed = std::remove_if(m_keys.begin(), m_keys.end(), [&](const Key& key) {
        const std::string name = fold(key.path);
        return folded.empty() || name == folded || name.rfind(prefix, 0) == 0;
    });
    const bool any = removed != m_keys.end();
    m_keys.erase(removed, m_keys.end());
    rebuildKeyIndex();
    return any;
}

const RegistryDocument::Value* RegistryDocument::findValue(std::string_view path, std::string_view name) const
{
    const Key* key = findKey(path);
    if (key == nullptr) {
        return nullptr;
    }
    const auto it = key->index.find(fold(name));
    return it == key->index.end() ? nullptr : &key->values[it->second];
}

void RegistryDocument::setValue(std::string_view path, Value value)
{
    Key& key = ensureKey(path);
    const std::string folded = fold(value.name);
    const auto it = key.index.find(folded);
    if (it != key.index.end()) {
        Value& slot = key.values[it->second];
        slot.value = std::move(value.value);
        slot.otherType = value.otherType;
        return;
    }
    key.index.emplace(folded, key.values.size());
    key.values.push_back(std::move(value));
}

bool RegistryDocument::removeValue(std::string_view path, std::string_view name)
{
    const auto keyIt = m_keyIndex.find(fold(path));
    if (keyIt == m_keyIndex.end()) {
        return false;
    }
    Key& key = m_keys[keyIt->second];
    const auto it = key.index.find(fold(name));
    if (it == key.index.end()) {
        return false;
    }
    key.values.erase(key.values.begin() + static_cast<std::ptrdiff_t>(it->second));
    rebuildValueIndex(key);
    return true;
}

std::optional<RegistryDocument> RegistryDocument::parse(std::string_view text, const std::string& rootName,
                                                        std::string& error)
{
    std::vector<Fault> faults;
    auto document = parseText(text, rootName, faults, error, true);
    if (document && !faults.empty()) {
        error = "line " + std::to_string(faults.front().line) + ": " + faults.front().reason;
        return std::nullopt;
    }
    return document;
}

std::optional<RegistryDocument> RegistryDocument::parseKeeping(std::string_view text, const std::string& rootName,
                                                               std::vector<Fault>& faults, std::string& error)
{
    return parseText(text, rootName, faults, error, false);
}

std::size_t RegistryDocument::valueCount() const
{
    std::size_t count = 0;
    for (const Key& key : m_keys) {
        count += key.values.size();
    }
    return count;
}

std::optional<RegistryDocument> RegistryDocument::parseText(std::string_view input, const std::string& rootName,
                                                            std::vector<Fault>& faults, std::string& error,
                                                            bool stopAtFault)
{
    RegistryDocument document(rootName);
    if (input.size() > maxFileSize) {
        error = "the file is larger than 16 MiB";
        return std::nullopt;
    }
    std::string converted;
    std::string_view text = input;
    if (text.substr(0, 2) == "\xFF\xFE") {
        converted = utf16TextToUtf8(text.substr(2));
        text = converted;
    } else if (text.substr(0, 3) == "\xEF\xBB\xBF") {
        text.remove_prefix(3);
    }
    std::size_t lineNumber = 0;
    std::size_t position = 0;
    auto nextLine = [&](std::string_view& line) {
        if (position >= text.size()) {
            return false;
        }
        const std::size_t end = text.find('\n', position);
        const std::size_t stop = end == std::string_view::npos ? text.size() : end;
        line = text.substr(position, stop - position);
        position = end == std::string_view::npos ? text.size() : end + 1;
        ++lineNumber;
        return true;
    };
    auto fault = [&](std::size_t line, const std::string& reason) { faults.push_back(Fault{line, reason}); };

    bool sawHeader = false;
    bool keySetAside = false;
    std::optional<std::string> current; // the path of the key being read
    std::string_view line;
    while (nextLine(line)) {
        if (stopAtFault && !faults.empty()) {
            break;
        }
        const std::size_t first = lineNumber;
        if (!isValidUtf8(line) || line.find('\0') != std::string_view::npos) {
            if (!sawHeader) {
                error = "line " + std::to_string(first) + ": not UTF-8 text";
                return std::nullopt;
            }
            fault(first, "not UTF-8 text");
            continue;
        }
        line = trimRight(line);
        if (line.empty()) {
            continue;
        }
        if (!sawHeader) {
            if (line != header) {
                error = "line " + std::to_string(first) + ": the first line must be \"" + std::string(header) + "\"";
                return std::nullopt;
            }
            sawHeader = true;
            continue;
        }
        if (line.front() == ';') {
            continue;
        }
        if (line.front() == '[') {
            current.reset();
            keySetAside = true;
            if (line.back() != ']' || line.size() < 3) {
                fault(first, "a key line must end with \"]\"");
                continue;
            }
            std::string_view full = line.substr(1, line.size() - 2);
            const std::size_t slash = full.find('\\');
            const std::string_view root = full.substr(0, slash);
            if (fold(root) != fold(rootName)) {
                fault(first, "the key is not below " + rootName);
                continue;
            }
            const std::string_view rest = slash == std::string_view::npos ? std::string_view{} : full.substr(slash + 1);
            if (slash != std::string_view::npos && (rest.empty() || rest.front() == '\\' || rest.back() == '\\')) {
                fault(first, "the key path has an empty part");
                continue;
            }
            const auto path = normalizePath(rest);
            if (!path) {
                fault(first, "the key path has an empty part or a control character");
                continue;
            }
            document.ensureKey(*path);
            current = *path;
            keySetAside = false;
            continue;
        }
        if (line.front() != '"' && line.front() != '@') {
            fault(first, "neither a key, a value nor a comment");
            continue;
        }
        Value value;
        std::string_view rest = line;
        if (rest.front() == '@') {
            rest.remove_prefix(1);
        } else {
            std::string reason;
            if (!unquote(rest, value.name, reason)) {
                fault(first, reason);
                continue;
            }
        }
        rest = trimLeft(rest);
        if (rest.empty() || rest.front() != '=') {
            fault(first, "\"=\" is missing after the value name");
            continue;
        }
        rest = trimLeft(rest.substr(1));
        // Hex data may go on over continuation lines; they belong to the
        // value and are set aside with it.
        std::string joined;
        if (startsWithFolded(rest, "hex") && rest.back() == '\\') {
            joined.assign(rest.substr(0, rest.size() - 1));
            bool complete = false;
            bool wellFormed = true;
            std::string_view more;
            while (nextLine(more)) {
                wellFormed = wellFormed && isValidUtf8(more) && more.find('\0') == std::string_view::npos;
                more = trimLeft(trimRight(more));
                if (!more.empty() && more.back() == '\\') {
                    joined.append(more.substr(0, more.size() - 1));
                    continue;
                }
                joined.append(more);
                complete = true;
                break;
            }
            if (!complete) {
                fault(first, "the file ends inside continued hex data");
                continue;
            }
            if (!wellFormed) {
                fault(first, "not UTF-8 text");
                continue;
            }
            rest = joined;
        }
        if (!current) {
            fault(first,
                  keySetAside ? "the value belongs to a key line that was set aside" : "a value before the first key");
            continue;
        }
        if (hasControl(value.name)) {
            fault(first, "a value name holds a control character");
            continue;
        }
        std::string reason;
        if (!parseData(rest, value, reason)) {
            fault(first, reason);
            continue;
        }
        if (dataSize(value.value) > maxValueSize) {
            fault(first, "the value holds more than " + std::to_string(maxValueSize) + " bytes");
            continue;
        }
        document.setValue(*current, std::move(value));
    }
    return document;
}

std::size_t RegistryDocument::dataSize(const RegistryValue& value)
{
    switch (value.type) {
    case RegistryType::String:
    case RegistryType::ExpandString:
        return value.text.size();
    case RegistryType::Dword:
        return 4;
    case RegistryType::Binary:
    case RegistryType::Other:
        return value.bytes.size();
    }
    return 0;
}

std::string RegistryDocument::serialize() const
{
    std::string out(header);
    out += "\n\n";
    for (const Key& key : m_keys) {
        out += '[';
        out += m_rootName;
        if (!key.path.empty()) {
            out += '\\';
            out += key.path;
        }
        out += "]\n";
        for (const Value& entry : key.values) {
            const std::string name = entry.name.empty() ? std::string("@") : quote(entry.name);
            const RegistryValue& v = entry.value;
            switch (v.type) {
            case RegistryType::String:
                if (hasControl(v.text)) {
                    appendHex(out, name + "=hex(1):", toUtf16(v.text));
                } else {
                    out += name + "=" + quote(v.text) + "\n";
                }
                break;
            case RegistryType::ExpandString:
                appendHex(out, name + "=hex(2):", toUtf16(v.text));
                break;
            case RegistryType::Binary:
                appendHex(out, name + "=hex:", v.bytes);
                break;
            case RegistryType::Dword: {
                static constexpr char digits[] = "0123456789abcdef";
                std::string hex(8, '0');
                for (int i = 7, shift = 0; i >= 0; --i, shift += 4) {
                    hex[static_cast<std::size_t>(i)] = digits[(v.dword >> shift) & 0x0F];
                }
                out += name + "=dword:" + hex + "\n";
                break;
            }
            case RegistryType::Other: {
                static constexpr char digits[] = "0123456789abcdef";
                std::string type;
                unsigned number = entry.otherType;
                do {
                    type.insert(type.begin(), digits[number & 0x0F]);
                    number >>= 4;
                } while (number != 0);
                appendHex(out, name + "=hex(" + type + "):", v.bytes);
                break;
            }
            }
        }
        out += '\n';
    }
    return out;
}

} // namespace cdx
