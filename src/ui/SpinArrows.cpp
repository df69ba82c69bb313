#include "ui/SpinArrows.h"

#include <QKeyEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace cdx {

namespace {

QToolButton* arrow(QWidget* parent, Qt::ArrowType type, const QString& name, const QString& accessibleName)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(type);
    button->setAccessibleName(accessibleName);
    // The pair takes the focus as a whole; its arrows are reached by the keys.
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    return button;
}

} // namespace

SpinArrows::SpinArrows(const QString& objectName, const QString& setting, QWidget* parent)
    : QWidget(parent), m_up(arrow(this, Qt::UpArrow, objectName + "Up", setting + " up")),
      m_down(arrow(this, Qt::DownArrow, objectName + "Down", setting + " down"))
{
    setObjectName(objectName);
    setAccessibleName(setting);
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(sizeHint());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_up);
    layout->addWidget(m_down);
    connect(m_up, &QToolButton::clicked, this, &SpinArrows::upClicked);
    connect(m_down, &QToolButton::clicked, this, &SpinArrows::downClicked);
}

QSize SpinArrows::sizeHint() const
{
    return {15, 22};
}

void SpinArrows::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
        emit upClicked();
        break;
    case Qt::Key_Down:
        emit downClicked();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

} // namespace cdx
