#include "platform/linux/LinuxRegionalFormats.h"

#include <clocale>
#include <cstdlib>
#include <iostream>
#include <langinfo.h>
#include <locale.h>
#include <memory>
#include <set>
#include <utility>

#include "platform/linux/XdgDirectories.h"
#include "sensors/Utf8.h"

namespace cdx {

namespace {

// Owns a locale object made by newlocale.
class LocaleHandle {
public:
    LocaleHandle(int mask, const std::string& name) : m_locale(::newlocale(mask, name.c_str(), nullptr)) {}
    ~LocaleHandle()
    {
        if (m_locale != nullptr) {
            ::freelocale(m_locale);
        }
    }
    LocaleHandle(const LocaleHandle&) = delete;
    LocaleHandle& operator=(const LocaleHandle&) = delete;
    locale_t get() const { return m_locale; }

private:
    locale_t m_locale;
};

// An item of the locale when it is usable text in UTF-8 (a locale in another
// character set may give bytes that are not); else nothing.
std::optional<std::string> item(locale_t locale, nl_item what)
{
    const char* text = ::nl_langinfo_l(what, locale);
    if (text == nullptr || *text == '\0' || !isValidUtf8(text)) {
        return std::nullopt;
    }
    return std::string(text);
}

} // namespace

LinuxRegionalFormats::LinuxRegionalFormats() : LinuxRegionalFormats(&XdgDirectories::processVariable, std::cerr)
{
}

LinuxRegionalFormats::LinuxRegionalFormats(Environment environment, std::ostream& notices)
    : m_environment(std::move(environment)), m_notices(notices)
{
}

std::string LinuxRegionalFormats::localeName(const char* category) const
{
    for (const char* variable : {"LC_ALL", category, "LANG"}) {
        if (auto value = m_environment(variable); value && !value->empty()) {
            return *value;
        }
    }
    return "C";
}

RegionalFormats LinuxRegionalFormats::formats() const
{
    RegionalFormats result;
    std::set<std::string> reported;
    auto open = [&](int mask, const std::string& name) {
        auto handle = std::make_unique<LocaleHandle>(mask, name);
        if (handle->get() == nullptr) {
            if (reported.insert(name).second) {
                m_notices << "Caldrix: the locale \"" << name
                          << "\" is not installed on this machine; using the C locale's number, date and time "
                             "formats"
                          << std::endl;
            }
            return std::unique_ptr<LocaleHandle>();
        }
        return handle;
    };

    if (auto numeric = open(LC_NUMERIC_MASK, localeName("LC_NUMERIC"))) {
        if (auto separator = item(numeric->get(), RADIXCHAR)) {
            result.decimalSeparator = *separator;
        }
    }
    if (auto time = open(LC_TIME_MASK, localeName("LC_TIME"))) {
        if (auto date = item(time->get(), D_FMT)) {
            result.shortDatePattern = *date;
        }
        if (auto clock = item(time->get(), T_FMT)) {
            // "%r" is the locale's 12-hour form; spell it out so that the
            // pattern means the same whatever locale formats it later.
            std::string pattern = *clock;
            if (pattern == "%r") {
                if (auto ampm = item(time->get(), T_FMT_AMPM)) {
                    pattern = *ampm;
                }
            }
            result.longTimePattern = pattern;
        }
    }
    return result;
}

} // namespace cdx
