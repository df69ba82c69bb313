#include "ui/SystemInfoPanel.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>

namespace cdx {

SystemInfoPanel::SystemInfoPanel(std::function<SystemInfoFacts()> gather, QWidget* parent)
    : QWidget(parent), m_gather(std::move(gather))
{
    setObjectName(QStringLiteral("GenTabSystemInfoPanel"));
    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("GenTabMemo"));
    m_memo->setAccessibleName(tr("System Info"));
    m_memo->setReadOnly(true);
    m_memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_memo->setTabChangesFocus(true);
    m_copy = new QPushButton(tr("Copy"), this);
    m_copy->setObjectName(QStringLiteral("GenTabCopyMemoTextButton"));
    m_copy->setAccessibleName(tr("Copy"));
    connect(m_copy, &QPushButton::clicked, this, &SystemInfoPanel::copyMemoText);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_memo, 1);
    layout->addWidget(m_copy, 0, Qt::AlignTop);
}

void SystemInfoPanel::setAllSystemInfo()
{
    const SystemInfoFacts facts = m_gather ? m_gather() : SystemInfoFacts{};
    QStringList lines;
    for (const std::string& line : systemInfoLines(facts)) {
        lines << QString::fromStdString(line);
    }
    m_memo->setPlainText(lines.join(QLatin1Char('\n')));
}

void SystemInfoPanel::copyMemoText()
{
    m_memo->selectAll();
    std::vector<std::string> lines;
    for (const QString& line : m_memo->toPlainText().split(QLatin1Char('\n'))) {
        lines.push_back(line.toStdString());
    }
    QGuiApplication::clipboard()->setText(QString::fromStdString(systemInfoClipboardText(lines)));
}

} // namespace cdx
