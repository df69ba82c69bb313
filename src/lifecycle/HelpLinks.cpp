#include "lifecycle/HelpLinks.h"

#include <filesystem>
#include <system_error>

#include "platform/Shell.h"
#include "settings/ProductInfo.h"

namespace cdx {

HelpLinks::HelpLinks(Shell& shell, std::string executablePath)
    : m_shell(shell), m_executablePath(std::move(executablePath))
{
}

std::optional<std::string> HelpLinks::manualPath() const
{
    namespace fs = std::filesystem;
    const fs::path folder = fs::path(m_executablePath).parent_path();
    for (const fs::path& candidate :
         {folder / "Help" / "Index.html", folder.parent_path() / "share" / "caldrix" / "Help" / "Index.html"}) {
        std::error_code ignored;
        if (fs::is_regular_file(candidate, ignored)) {
            const fs::path tidy = fs::weakly_canonical(candidate, ignored);
            return (ignored ? candidate : tidy).string();
        }
    }
    return std::nullopt;
}

bool HelpLinks::openHelp()
{
    const auto manual = manualPath();
    return manual && m_shell.execute(*manual, {}, {}, ShowCommand::Show);
}

bool HelpLinks::openWebPage()
{
    return m_shell.execute(ProductInfo::kWebPage, {}, {}, ShowCommand::Show);
}

bool HelpLinks::eMailAuthor()
{
    return m_shell.execute(mailToAddress(), {}, {}, ShowCommand::Show);
}

std::string HelpLinks::mailToAddress()
{
    return std::string("mailto:") + ProductInfo::kAuthorEmail + "?subject=Caldrix";
}

} // namespace cdx
