#pragma once

#include "platform/MessageBox.h"

class QWidget;

namespace cdx {

// Questions and errors as modal Qt message boxes over `parent`.
class QtMessageBox : public MessageBox {
public:
    explicit QtMessageBox(QWidget* parent = nullptr) : m_parent(parent) {}

    bool askYesNo(const std::string& question) override;
    void showError(const std::string& text) override;
    void showInformation(const std::string& text) override;
    void showWarning(const std::string& text) override;

private:
    QWidget* m_parent;
};

} // namespace cdx
