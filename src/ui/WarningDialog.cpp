#include "ui/WarningDialog.h"

#include <iostream>

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include "alarms/WarningDialogControl.h"

namespace cdx {

namespace {

constexpr int kImageSize = 32;
constexpr int kLabelWidth = 262;
constexpr int kLabelHeight = 44;

// The alarm texts break lines with a line feed and a carriage return; the
// label breaks at the line feed and shows no carriage return.
QString labelText(const std::string& text)
{
    QString shown = QString::fromStdString(text);
    shown.remove(QLatin1Char('\r'));
    return shown;
}

} // namespace

WarningDialog::WarningDialog(WarningDialogControl& control, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      m_control(control)
{
    setObjectName(QStringLiteral("TForm10"));
    setWindowTitle(QStringLiteral("Warning"));
    setModal(true);
}

QLabel* WarningDialog::label()
{
    build();
    return m_label;
}

QPushButton* WarningDialog::disableButton()
{
    build();
    return m_disable;
}

QPushButton* WarningDialog::enableButton()
{
    build();
    return m_enable;
}

void WarningDialog::build()
{
    if (m_label != nullptr) {
        return;
    }
    m_label = new QLabel(this);
    m_disable = new QPushButton(QStringLiteral("OK & Disable Alarm"));
    m_enable = new QPushButton(QStringLiteral("OK & Enable Alarm"));
    auto* image = new QLabel(this);
    const QIcon warning = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    image->setPixmap(warning.pixmap(kImageSize, kImageSize));
    image->setFixedSize(kImageSize, kImageSize);

    m_label->setWordWrap(true);
    m_label->setTextFormat(Qt::PlainText);
    m_label->setMinimumSize(kLabelWidth, kLabelHeight);
    m_label->setMaximumWidth(kLabelWidth);

    auto* message = new QHBoxLayout;
    message->addWidget(image, 0, Qt::AlignTop);
    message->addWidget(m_label, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_disable);
    buttons->addWidget(m_enable);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(message);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_disable->setDefault(true);
    connect(m_disable, &QPushButton::clicked, this, [this] { done(QDialog::Rejected); });
    connect(m_enable, &QPushButton::clicked, this, [this] {
        m_control.enableAlarm();
        done(QDialog::Accepted);
    });
}

void WarningDialog::showModal(const std::string& text)
{
    if (m_unattended) {
        // Nobody can press a button: the warning is reported and closed at
        // once, which leaves the alarm off and polling running.
        std::cerr << "Caldrix: Warning: " << labelText(text).toStdString() << '\n';
        m_control.dialogShown();
        m_control.dialogClosed();
        return;
    }
    label()->setText(labelText(text));
    exec();
}

void WarningDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_control.dialogShown();
    if (const QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void WarningDialog::done(int result)
{
    // Every way of closing ends here once: either button, the close box, Escape.
    const bool wasVisible = isVisible();
    QDialog::done(result);
    if (wasVisible) {
        m_control.dialogClosed();
    }
}

} // namespace cdx
