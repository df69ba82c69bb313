#include "platform/qt/QtMessageBox.h"

#include <iostream>

#include <QGuiApplication>
#include <QMessageBox>
#include <QString>

namespace cdx {

namespace {

// Without a screen (the offscreen platform) nobody could answer a box: the
// text goes to standard error and a question takes its default answer.
bool headless()
{
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}

} // namespace

bool QtMessageBox::askYesNo(const std::string& question)
{
    if (headless()) {
        std::cerr << "Caldrix: " << question << " (answered No: no display)\n";
        return false;
    }
    const auto answer =
        QMessageBox::information(m_parent, QStringLiteral("Information"), QString::fromStdString(question),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return answer == QMessageBox::Yes;
}

void QtMessageBox::showError(const std::string& text)
{
    if (headless()) {
        std::cerr << "Caldrix: " << text << '\n';
        return;
    }
    QMessageBox::critical(m_parent, QStringLiteral("Caldrix"), QString::fromStdString(text));
}

void QtMessageBox::showInformation(const std::string& text)
{
    if (headless()) {
        std::cerr << "Caldrix: " << text << '\n';
        return;
    }
    QMessageBox::information(m_parent, QStringLiteral("Caldrix"), QString::fromStdString(text));
}

void QtMessageBox::showWarning(const std::string& text)
{
    if (headless()) {
        std::cerr << "Caldrix: " << text << '\n';
        return;
    }
    QMessageBox::warning(m_parent, QStringLiteral("Caldrix"), QString::fromStdString(text));
}

} // namespace cdx
