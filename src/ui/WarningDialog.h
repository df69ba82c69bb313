#pragma once

#include <string>

#include <QDialog>

#include "alarms/WarningPrompt.h"

class QLabel;
class QPushButton;

namespace cdx {

class WarningDialogControl;

// The Warning dialog: the alarm's text beside a warning image, with the
// buttons "OK & Disable Alarm" and "OK & Enable Alarm". It stays on top,
// centred on the screen, and runs its own event loop while up, so timers go
// on firing. Closing it by its close box (or Escape) acts as "OK & Disable
// Alarm". Its contents are made the first time it is needed, so a program
// whose alarms never fire does not carry them.
class WarningDialog : public QDialog, public WarningPrompt {
    Q_OBJECT
public:
    explicit WarningDialog(WarningDialogControl& control, QWidget* parent = nullptr);

    void showModal(const std::string& text) override;

    // Without a display nobody can answer the dialog: each warning then goes
    // to standard error and closes as "OK & Disable Alarm" at once.
    void setUnattended(bool unattended) { m_unattended = unattended; }

    QLabel* label();
    QPushButton* disableButton();
    QPushButton* enableButton();

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void build();

    WarningDialogControl& m_control;
    QLabel* m_label = nullptr;
    QPushButton* m_disable = nullptr;
    QPushButton* m_enable = nullptr;
    bool m_unattended = false;
};

} // namespace cdx
