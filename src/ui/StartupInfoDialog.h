#pragma once

#include <QDialog>

namespace cdx {

// "Startup Info" (`TForm9`), the first of the first-run dialogs: what the
// program tries to read and why it may fail. "OK" closes it.
class StartupInfoDialog : public QDialog {
    Q_OBJECT
public:
    explicit StartupInfoDialog(QWidget* parent = nullptr);
};

} // namespace cdx
