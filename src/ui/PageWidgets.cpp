#include "ui/PageWidgets.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QScrollArea>

namespace cdx {

QCheckBox* makeCheckBox(QWidget* parent, const QString& name, const QString& caption)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setAccessibleName(caption);
    return box;
}

QRadioButton* makeRadioButton(QWidget* parent, const QString& name, const QString& caption)
{
    auto* button = new QRadioButton(caption, parent);
    button->setObjectName(name);
    button->setAccessibleName(caption);
    return button;
}

QGroupBox* makeGroup(QWidget* parent, const QString& name, const QString& caption)
{
    auto* group = new QGroupBox(caption, parent);
    group->setObjectName(name);
    group->setAccessibleName(caption);
    return group;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QWidget* scrollable(QWidget* content)
{
    auto* area = new QScrollArea;
    area->setObjectName(content->objectName() + "Scroll");
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setWidget(content);
    // Tab goes to the controls inside (the area scrolls to the one focused);
    // the area itself is no stop of its own.
    area->setFocusPolicy(Qt::NoFocus);
    return area;
}

} // namespace cdx
