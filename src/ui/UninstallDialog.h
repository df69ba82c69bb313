#pragma once

#include <array>
#include <functional>

#include <QDialog>

#include "lifecycle/Uninstaller.h"

class QLabel;
class QPushButton;

namespace cdx {

// "Un-installing Caldrix" (`TForm5`): four step lines, each checked off as
// its step is done, with "Cancel" (nothing is removed; the dialog is
// rejected) and "Un-install" (the steps run; the dialog is accepted and the
// program is to end without saving).
class UninstallDialog : public QDialog, public Uninstaller::Progress {
    Q_OBJECT
public:
    using Uninstall = std::function<void(Uninstaller::Progress&)>;

    explicit UninstallDialog(Uninstall uninstall, QWidget* parent = nullptr);

    // Waits between the steps; by default a real wait that keeps the window
    // drawn.
    void setPause(std::function<void(int)> pause) { m_pause = std::move(pause); }

    void uninstallClicked();
    bool stepChecked(Uninstaller::Step step) const;

    void stepDone(Uninstaller::Step step) override;
    void pause(int milliseconds) override;

private:
    Uninstall m_uninstall;
    std::function<void(int)> m_pause;
    std::array<QLabel*, 4> m_checks{};
    QPushButton* m_cancel = nullptr;
    QPushButton* m_uninstallButton = nullptr;
};

} // namespace cdx
