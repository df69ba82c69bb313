#pragma once

#include <functional>

#include <QWidget>

#include "settings/SystemInfoText.h"

class QPlainTextEdit;
class QPushButton;

namespace cdx {

// The General tab's "System Info" panel: nine read-only lines about the
// program, the machine and the chip, rebuilt each time the panel is chosen,
// and "Copy", which puts them on the clipboard.
class SystemInfoPanel : public QWidget {
    Q_OBJECT
public:
    // `gather` collects the figures at the moment of the choice.
    explicit SystemInfoPanel(std::function<SystemInfoFacts()> gather, QWidget* parent = nullptr);

    // Clears the text and writes the nine lines again.
    void setAllSystemInfo(); // SetAllSystemInfo
    // Selects the whole text and copies it, lines separated by CR LF.
    void copyMemoText(); // GenTabCopyMemoTextButtonClick

    QPlainTextEdit& memo() { return *m_memo; }
    QPushButton& copyButton() { return *m_copy; }

private:
    std::function<SystemInfoFacts()> m_gather;
    QPlainTextEdit* m_memo = nullptr;
    QPushButton* m_copy = nullptr;
};

} // namespace cdx
