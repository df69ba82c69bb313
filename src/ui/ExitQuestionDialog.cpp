#include "ui/ExitQuestionDialog.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include "ui/DialogText.h"

namespace cdx {

namespace {

constexpr int kButtonTop = 64;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;

} // namespace

ExitQuestionDialog::ExitQuestionDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName("TForm7");
    setWindowTitle("Confirm");
    setFont(DialogText::font());
    setFixedSize(ExitButtonLayout::kDialogWidth, 97);

    auto* icon = new QLabel(this);
    icon->setObjectName("Image1");
    icon->setGeometry(12, 12, 32, 32);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));
    auto* text = new QLabel("Are you sure you want to Exit the Program ?", this);
    text->setObjectName("Label1");
    text->setTextFormat(Qt::PlainText);
    text->setGeometry(56, 20, 210, 16);

    m_yes = new QPushButton("Yes", this);
    m_yes->setObjectName("Button1");
    m_no = new QPushButton("No", this);
    m_no->setObjectName("Button2");
    m_minimize = new QPushButton("Minimize", this);
    m_minimize->setObjectName("Button3");
    connect(m_yes, &QPushButton::clicked, this, [this] { answerWith(ExitAnswer::Yes); });
    connect(m_no, &QPushButton::clicked, this, [this] { answerWith(ExitAnswer::No); });
    connect(m_minimize, &QPushButton::clicked, this, [this] { answerWith(ExitAnswer::Minimize); });
    placeButtons(ExitButtonLayout::fromCloseBox());
}

void ExitQuestionDialog::placeButtons(const ExitButtonLayout& layout)
{
    m_layout = layout;
    m_yes->setGeometry(layout.yesLeft, kButtonTop, kButtonWidth, kButtonHeight);
    m_no->setGeometry(layout.noLeft, kButtonTop, kButtonWidth, kButtonHeight);
    m_minimize->setGeometry(layout.minimizeLeft, kButtonTop, kButtonWidth, kButtonHeight);
    // A button beyond the edge is out of sight, and out of keyboard reach too.
    m_minimize->setVisible(layout.minimizeLeft + kButtonWidth <= ExitButtonLayout::kDialogWidth);
}

ExitAnswer ExitQuestionDialog::ask(const ExitButtonLayout& layout)
{
    placeButtons(layout);
    m_answer = ExitAnswer::None;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - rect().center());
    }
    exec();
    return m_answer;
}

void ExitQuestionDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    QPushButton* focus = m_layout.focusOnMinimize() ? m_minimize : m_no;
    focus->setDefault(true);
    focus->setFocus();
}

void ExitQuestionDialog::answerWith(ExitAnswer answer)
{
    m_answer = answer;
    accept();
}

} // namespace cdx
