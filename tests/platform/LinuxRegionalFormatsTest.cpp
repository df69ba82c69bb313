#include "platform/linux/LinuxRegionalFormats.h"

#include <algorithm>
#include <clocale>
#include <locale.h>
#include <map>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "sensors/Formats.h"

namespace cdx {
namespace {

LinuxRegionalFormats::Environment environment(std::map<std::string, std::string> variables)
{
    return [variables](const char* name) -> std::optional<std::string> {
        const auto it = variables.find(name);
        return it == variables.end() ? std::nullopt : std::optional<std::string>(it->second);
    };
}

bool installed(const char* name)
{
    locale_t locale = ::newlocale(LC_ALL_MASK, name, nullptr);
    if (locale != nullptr) {
        ::freelocale(locale);
    }
    return locale != nullptr;
}

TEST(LinuxRegionalFormatsTest, TheCLocaleWhenNothingIsSetOrTheLocaleIsMissing)
{
    const char* const missing = "xx_YY.UTF-8";
    ASSERT_FALSE(installed(missing));
    const struct {
        std::map<std::string, std::string> variables;
        long notices; // a missing locale is told once
    } cases[] = {{{}, 0}, {{{"LANG", "C.UTF-8"}}, 0}, {{{"LC_ALL", missing}}, 1}};
    for (const auto& c : cases) {
        const std::string name = c.variables.empty() ? "nothing" : c.variables.begin()->second;
        std::ostringstream notices;
        const RegionalFormats formats = LinuxRegionalFormats(environment(c.variables), notices).formats();
        EXPECT_EQ(formats.decimalSeparator, ".") << name;
        EXPECT_EQ(formats.shortDatePattern, "%m/%d/%y") << name;
        EXPECT_EQ(formats.longTimePattern, "%H:%M:%S") << name;
        const std::string text = notices.str();
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), c.notices) << name << ": " << text;
        EXPECT_EQ(text.find(missing) != std::string::npos, c.notices == 1) << name << ": " << text;
    }
}

TEST(LinuxRegionalFormatsTest, CategoriesFollowTheCLibrarysPrecedence)
{
    std::ostringstream notices;
    const LinuxRegionalFormats byCategory(environment({{"LANG", "de_DE.UTF-8"}, {"LC_TIME", "en_GB.UTF-8"}}), notices);
    EXPECT_EQ(byCategory.localeName("LC_TIME"), "en_GB.UTF-8");
    EXPECT_EQ(byCategory.localeName("LC_NUMERIC"), "de_DE.UTF-8");
    const LinuxRegionalFormats all(environment({{"LC_ALL", "fr_FR.UTF-8"}, {"LC_NUMERIC", "de_DE.UTF-8"}}), notices);
    EXPECT_EQ(all.localeName("LC_NUMERIC"), "fr_FR.UTF-8");
    const LinuxRegionalFormats emptyAll(environment({{"LC_ALL", ""}, {"LC_NUMERIC", "de_DE.UTF-8"}}), notices);
    EXPECT_EQ(emptyAll.localeName("LC_NUMERIC"), "de_DE.UTF-8");
}

TEST(LinuxRegionalFormatsTest, AnInstalledLocaleGivesItsFormatsWithoutTouchingTheProcess)
{
    if (!installed("de_DE.UTF-8")) {
        GTEST_SKIP() << "de_DE.UTF-8 is not installed";
    }
    const std::string before = std::setlocale(LC_ALL, nullptr);
    std::ostringstream notices;
    const RegionalFormats formats = LinuxRegionalFormats(environment({{"LANG", "de_DE.UTF-8"}}), notices).formats();
    EXPECT_EQ(formats.decimalSeparator, ",");
    EXPECT_EQ(formatShortDate(LocalDateTime{2024, 3, 9, 14, 5, 7, 0}, formats), "09.03.2024");
    EXPECT_EQ(formatLongTime(LocalDateTime{2024, 3, 9, 14, 5, 7, 0}, formats), "14:05:07");
    EXPECT_EQ(std::setlocale(LC_ALL, nullptr), before);
}

} // namespace
} // namespace cdx
