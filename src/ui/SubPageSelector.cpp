#include "ui/SubPageSelector.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace cdx {

SubPageSelector::SubPageSelector(const QString& listName, const QString& accessibleName, QWidget* parent)
    : QWidget(parent), m_list(new QComboBox(this)), m_panels(new QStackedWidget(this))
{
    m_list->setObjectName(listName);
    m_list->setAccessibleName(accessibleName);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_list);
    layout->addWidget(m_panels, 1);
    connect(m_list, &QComboBox::activated, this, &SubPageSelector::apply);
}

int SubPageSelector::addEntry(const QString& text, QWidget* panel)
{
    {
        const QSignalBlocker quiet(m_list);
        m_list->addItem(text);
    }
    m_panels->addWidget(panel);
    const int index = m_list->count() - 1;
    if (index == 0) {
        m_panels->setCurrentIndex(0);
    }
    return index;
}

void SubPageSelector::setEntryText(int index, const QString& text)
{
    m_list->setItemText(index, text);
}

QString SubPageSelector::entryText(int index) const
{
    return m_list->itemText(index);
}

int SubPageSelector::count() const
{
    return m_list->count();
}

int SubPageSelector::current() const
{
    return m_list->currentIndex();
}

QWidget* SubPageSelector::panel(int index) const
{
    return m_panels->widget(index);
}

void SubPageSelector::choose(int index)
{
    if (index < 0 || index >= count()) {
        return;
    }
    {
        const QSignalBlocker quiet(m_list);
        m_list->setCurrentIndex(index);
    }
    apply(index);
}

void SubPageSelector::apply(int index)
{
    if (m_onChosen) {
        m_onChosen(index);
    }
    m_panels->setCurrentIndex(index);
}

} // namespace cdx
