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

    // Shows `text` in an information box and waits until the user closes it.
    // A box that has no information form shows it as an error.
    virtual void showInformation(const std::string& text) { showError(text); }

    // Shows `text` in a warning box and waits until the user closes it. A box
    // that has no warning form shows it as an error.
    virtual void showWarning(const std::string& text) { showError(text); }
};

} // namespace cdx
