#pragma once

#include <QDialog>

namespace cdx {

// "Caldrix Agreement" (`TForm3`): the liability text with "I Agree" (the
// dialog is accepted) and "I Don't Agree" (rejected, as is any other way of
// closing it).
class AgreementDialog : public QDialog {
    Q_OBJECT
public:
    explicit AgreementDialog(QWidget* parent = nullptr);
};

} // namespace cdx
