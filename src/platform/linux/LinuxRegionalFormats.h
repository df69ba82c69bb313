#pragma once

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>

#include "platform/RegionalFormats.h"

namespace cdx {

// The user's regional formats from the locale the environment names: the
// decimal separator from LC_NUMERIC, the short date (D_FMT) and long time
// (T_FMT) patterns from LC_TIME, each overridden by LC_ALL and defaulting to
// LANG, as the C library does. The process locale is left alone. A locale the
// machine lacks gives the C locale's formats and one notice line, never an
// exception.
class LinuxRegionalFormats {
public:
    using Environment = std::function<std::optional<std::string>(const char* name)>;

    // Reads the process environment; notices go to standard error.
    LinuxRegionalFormats();
    LinuxRegionalFormats(Environment environment, std::ostream& notices);

    RegionalFormats formats() const;

    // The locale name the C library would use for `category` ("LC_NUMERIC"
    // or "LC_TIME"); "C" when nothing is set.
    std::string localeName(const char* category) const;

private:
    Environment m_environment;
    std::ostream& m_notices;
};

} // namespace cdx
