#pragma once

#include <optional>
#include <string>

namespace cdx {

class Shell;

// The Help submenu's documents: the manual installed with the program, the
// author's web page and an e-mail to the author, each opened through the
// desktop.
class HelpLinks {
public:
    // `executablePath`: the running program, which finds its manual beside
    // itself ("Help/Index.html" in its folder, or "share/caldrix/Help" below
    // the prefix it is installed in, the build tree included).
    HelpLinks(Shell& shell, std::string executablePath);

    // "Help": opens the manual. Returns false when it is not there or the
    // desktop would not take it.
    bool openHelp();
    // "Web Page" and "E-Mail Author".
    bool openWebPage();
    bool eMailAuthor();

    // The manual's start page, or nothing when it is missing.
    std::optional<std::string> manualPath() const;
    // "mailto:<author>?subject=Caldrix".
    static std::string mailToAddress();

private:
    Shell& m_shell;
    std::string m_executablePath;
};

} // namespace cdx
