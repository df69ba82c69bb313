#pragma once

#include <string>
#include <string_view>

namespace cdx {

// Field texts as the logs store them. Every log is UTF-8 text with CR LF line
// ends, and the byte 26 marks the place the next HTML row is written to; a
// field must therefore never bring its own line break or byte 26.

// The field with every control character (line breaks, tabs, the byte 26)
// replaced by a blank and every invalid UTF-8 sequence by U+FFFD.
std::string cleanLogField(std::string_view text);

// The cleaned field for an HTML cell: &, <, >, " and ' as entities and every
// character outside ASCII as a numeric character reference (° is &#176;), so
// that a name cannot add markup and the page reads the same in any encoding.
std::string htmlLogField(std::string_view text);

} // namespace cdx
