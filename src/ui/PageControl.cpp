#include "ui/PageControl.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QShortcut>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace cdx {

PageControl::PageControl(int tabsPerRow, QWidget* parent)
    : QWidget(parent), m_tabsPerRow(tabsPerRow > 0 ? tabsPerRow : 1), m_group(new QButtonGroup(this)),
      m_stack(new QStackedWidget(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_rowsLayout = new QVBoxLayout;
    m_rowsLayout->setSpacing(0);
    layout->addLayout(m_rowsLayout);
    m_stack->setFrameShape(QFrame::StyledPanel);
    layout->addWidget(m_stack, 1);
    m_group->setExclusive(true);
    // A tab checked any way opens its page: clicked, or toggled through its
    // accessible action as a screen reader does.
    connect(m_group, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) {
            setCurrentIndex(id);
        }
    });

    const auto bind = [this](const QKeySequence& keys, int by) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, by] { step(by); });
    };
    bind(QKeySequence(Qt::CTRL | Qt::Key_Tab), 1);
    bind(QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1);
    bind(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1);
    bind(QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1);
}

int PageControl::addPage(QWidget* page, const QString& caption)
{
    const int index = static_cast<int>(m_tabs.size());
    auto* tab = new QToolButton(this);
    tab->setText(QString(caption).replace('&', "&&"));
    tab->setAccessibleName(caption);
    tab->setObjectName(caption + "Tab");
    tab->setCheckable(true);
    tab->setFocusPolicy(Qt::StrongFocus);
    tab->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    tab->setFont(font());
    m_group->addButton(tab, index);
    m_tabs.push_back(tab);
    m_stack->addWidget(page);
    if (m_current < 0) {
        setCurrentIndex(index);
    } else {
        arrangeRows();
    }
    return index;
}

void PageControl::replacePage(int index, QWidget* page)
{
    if (index < 0 || index >= count()) {
        return;
    }
    QWidget* old = m_stack->widget(index);
    m_stack->insertWidget(index, page);
    m_stack->removeWidget(old);
    delete old;
    m_stack->setCurrentIndex(m_current);
}

int PageControl::count() const
{
    return static_cast<int>(m_tabs.size());
}

QWidget* PageControl::widget(int index) const
{
    return m_stack->widget(index);
}

QString PageControl::tabText(int index) const
{
    return index >= 0 && index < count() ? m_tabs[static_cast<std::size_t>(index)]->accessibleName() : QString();
}

QAbstractButton* PageControl::tab(int index) const
{
    return index >= 0 && index < count() ? m_tabs[static_cast<std::size_t>(index)] : nullptr;
}

void PageControl::setCurrentIndex(int index)
{
    if (index < 0 || index >= count()) {
        return;
    }
    m_tabs[static_cast<std::size_t>(index)]->setChecked(true);
    m_stack->setCurrentIndex(index);
    const bool changed = index != m_current;
    m_current = index;
    arrangeRows();
    if (changed) {
        emit currentChanged(index);
    }
}

std::vector<std::vector<int>> PageControl::rows() const
{
    std::vector<std::vector<int>> rows;
    for (int first = 0; first < count(); first += m_tabsPerRow) {
        std::vector<int> row;
        for (int i = first; i < count() && i < first + m_tabsPerRow; ++i) {
            row.push_back(i);
        }
        rows.push_back(std::move(row));
    }
    // The current tab's row stands last, next to the page.
    const int currentRow = m_current < 0 ? -1 : m_current / m_tabsPerRow;
    if (currentRow >= 0 && currentRow + 1 < static_cast<int>(rows.size())) {
        auto row = std::move(rows[static_cast<std::size_t>(currentRow)]);
        rows.erase(rows.begin() + currentRow);
        rows.push_back(std::move(row));
    }
    return rows;
}

void PageControl::arrangeRows()
{
    while (QLayoutItem* item = m_rowsLayout->takeAt(0)) {
        delete item;
    }
    for (const auto& row : rows()) {
        auto* line = new QHBoxLayout;
        line->setSpacing(0);
        for (int index : row) {
            line->addWidget(m_tabs[static_cast<std::size_t>(index)]);
        }
        m_rowsLayout->addLayout(line);
    }
    // Tab order follows the page order, whatever row stands where.
    for (std::size_t i = 1; i < m_tabs.size(); ++i) {
        setTabOrder(m_tabs[i - 1], m_tabs[i]);
    }
}

void PageControl::step(int by)
{
    if (count() == 0) {
        return;
    }
    setCurrentIndex(((m_current + by) % count() + count()) % count());
}

} // namespace cdx
