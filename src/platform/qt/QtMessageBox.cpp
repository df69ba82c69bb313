#include "platform/qt/QtMessageBox.h"

#include <QMessageBox>
#include <QString>

namespace cdx {

bool QtMessageBox::askYesNo(const std::string& question)
{
    const auto answer =
        QMessageBox::information(m_parent, QStringLiteral("Information"), QString::fromStdString(question),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return answer == QMessageBox::Yes;
}

void QtMessageBox::showError(const std::string& text)
{
    QMessageBox::critical(m_parent, QStringLiteral("Caldrix"), QString::fromStdString(text));
}

} // namespace cdx
