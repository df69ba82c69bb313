#pragma once

#include <string>

namespace cdx {

// Modal questions and error reports to the user.
class MessageBox {
public:
    virtual ~MessageBox() = default;

    // Asks `question` in an information box with the buttons Yes and No.
    // Returns true only for Yes; closing the box counts as No.
    virtual bool askYesNo(const std::string& question) = 0;

    // Shows `text` in the program's standard error box and waits until the
    // user closes it.
    virtual void showError(const std::string& text) = 0;

    // A plain notice with an OK button.
    virtual void showInformation(const std::string& text) = 0;

    // A warning with an OK button.
    virtual void showWarning(const std::string& text) = 0;
};

} // namespace cdx
