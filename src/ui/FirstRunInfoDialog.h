#pragma once

#include <string>

#include <QDialog>

class QLabel;

namespace cdx {

// "1st Time Information" (`TForm6`): where the program goes now, and the one
// notice about the detected chip. "OK" closes it.
class FirstRunInfoDialog : public QDialog {
    Q_OBJECT
public:
    FirstRunInfoDialog(const std::string& chipText, QWidget* parent = nullptr);

    QString chipText() const;

private:
    QLabel* m_chip = nullptr;
};

} // namespace cdx
