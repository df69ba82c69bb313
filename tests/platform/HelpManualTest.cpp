#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "lifecycle/HelpLinks.h"
#include "platform/fake/FakeShell.h"
#include "platform/linux/LinuxProgramLocation.h"

namespace cdx {
namespace {

namespace fs = std::filesystem;

// The program in the build tree sits beside this test; "Help" must find the
// manual from there, and every page and picture the manual links must be in it.
TEST(HelpManualTest, TheBuildTreesProgramOpensAWholeManual)
{
    const fs::path program = fs::path(LinuxProgramLocation::runningExecutable()).parent_path() / "caldrix";
    FakeShell shell;
    HelpLinks links(shell, program.string());
    ASSERT_TRUE(links.openHelp()) << "no manual found for " << program;
    ASSERT_EQ(shell.requests().size(), 1u);
    const fs::path index = shell.requests()[0].file;
    EXPECT_EQ(index.filename(), "Index.html");

    const fs::path folder = index.parent_path();
    std::set<fs::path> pages{index};
    const std::regex link(R"((?:href|src)="([^"#:]+)[^"]*")");
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().extension() != ".html") {
            continue;
        }
        std::ifstream in(entry.path());
        const std::string text((std::istreambuf_iterator<char>(in)), {});
        for (std::sregex_iterator it(text.begin(), text.end(), link), end; it != end; ++it) {
            const fs::path target = folder / (*it)[1].str();
            EXPECT_TRUE(fs::exists(target)) << entry.path().filename() << " links the missing " << target;
            pages.insert(target);
        }
    }
    EXPECT_GE(pages.size(), 8u) << "the contents lead to every chapter";
}

} // namespace
} // namespace cdx
