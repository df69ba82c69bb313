#include "ui/NamesPanel.h"

#include <algorithm>

#include <QFormLayout>
#include <QLabel>

namespace cdx {

namespace {

struct EditRow {
    NamedItem item;
    const char* objectName;
    const char* caption;
};

constexpr std::array<EditRow, 7> kRows{{
    {NamedItem::WB1, "Edit4", "WB Sensor 1 / LM78:"},
    {NamedItem::LM75, "Edit5", "LM75:"},
    {NamedItem::WB2, "Edit6", "WB Sensor 2:"},
    {NamedItem::WB3, "Edit7", "WB Sensor 3:"},
    {NamedItem::Fan1, "Edit1", "Fan 1:"},
    {NamedItem::Fan2, "Edit2", "Fan 2:"},
    {NamedItem::Fan3, "Edit3", "Fan 3:"},
}};

} // namespace

NamesPanel::NamesPanel(SensorNames& names, QWidget* parent) : QWidget(parent), m_names(names)
{
    setObjectName("NamesPanel");
    auto* layout = new QFormLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setVerticalSpacing(2);
    for (const EditRow& row : kRows) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(row.objectName);
        edit->setMaxLength(static_cast<int>(SensorNames::maxLength(row.item)));
        auto* label = new QLabel(row.caption, this);
        label->setBuddy(edit);
        edit->setAccessibleName(QString(row.caption).chopped(1));
        layout->addRow(label, edit);
        const NamedItem item = row.item;
        // Every change but the page's own load counts: typing, pasting, and
        // a text set through the accessibility interface (a screen reader or
        // voice control sets the text without typing it).
        connect(edit, &QLineEdit::textChanged, this, [this, item](const QString& text) {
            if (!m_loading) {
                m_names.setName(item, text.toStdString());
            }
        });
        m_edits[static_cast<std::size_t>(row.item)] = edit;
    }
    load();
}

void NamesPanel::load()
{
    m_loading = true;
    for (NamedItem item : kAllNamedItems) {
        const QString name = QString::fromStdString(m_names.name(item));
        // Typing is held to the log's column; a longer stored name shows
        // whole and may only get shorter.
        const int typed = static_cast<int>(SensorNames::maxLength(item));
        edit(item).setMaxLength(std::max(typed, static_cast<int>(name.size())));
        edit(item).setText(name);
    }
    m_loading = false;
}

} // namespace cdx
