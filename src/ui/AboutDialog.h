#pragma once

#include <QDialog>

namespace cdx {

// "About Caldrix" (`TForm4`): the product name and its version, on top of
// other windows, with "Close".
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

} // namespace cdx
