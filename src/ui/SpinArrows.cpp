#include "ui/SpinArrows.h"

#include <QKeyEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace cdx {

SpinArrows::SpinArrows(const QString& objectName, const QString& setting, QWidget* parent) : QWidget(parent)
{
    setObjectName(objectName);
    setAccessibleName(setting);
    setFocusPolicy(Qt::StrongFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_up = new QToolButton(this);
    m_up->setArrowType(Qt::UpArrow);
    m_down = new QToolButton(this);
    m_down->setArrowType(Qt::DownArrow);
    for (QToolButton* arrow : {m_up, m_down}) {
        arrow->setFixedSize(16, 10);
        arrow->setFocusPolicy(Qt::NoFocus);
        layout->addWidget(arrow);
    }
    m_up->setAccessibleName(setting + " up");
    m_down->setAccessibleName(setting + " down");
    connect(m_up, &QToolButton::clicked, this, &SpinArrows::upClicked);
    connect(m_down, &QToolButton::clicked, this, &SpinArrows::downClicked);
}

void SpinArrows::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Up) {
        emit upClicked();
    } else if (event->key() == Qt::Key_Down) {
        emit downClicked();
    } else {
        QWidget::keyPressEvent(event);
    }
}

} // namespace cdx
