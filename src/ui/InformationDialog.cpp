#include "ui/InformationDialog.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>

namespace cdx {

namespace {

QLabel* addLabel(QWidget* parent, const char* name, const char* text, int x, int y, int width)
{
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(x, y, width, 14);
    return label;
}

} // namespace

InformationDialog::InformationDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
{
    setObjectName("TForm8");
    setWindowTitle("Information");
    QFont font("Arial");
    font.setPixelSize(11);
    setFont(font);
    setFixedSize(276, 141);

    auto* icon = new QLabel(this);
    icon->setObjectName("Image1");
    icon->setGeometry(12, 13, 32, 32);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));

    m_title = addLabel(this, "ObjectNameLabel", "Object Name", 59, 13, 210);
    m_current = addLabel(this, "CurrentLabel", "current:", 59, 32, 210);
    m_alarm = addLabel(this, "AlarmLabel", "Alarm", 59, 48, 210);
    m_alarmOn = addLabel(this, "AlarmOnLabel", "Alarm on ?", 59, 64, 210);
    m_min = addLabel(this, "MinLabel", "Min", 59, 80, 110);
    m_max = addLabel(this, "MaxLabel", "Max", 171, 80, 100);

    m_ok = new QPushButton("Ok", this);
    m_ok->setObjectName("Button1");
    m_ok->setGeometry(100, 106, 75, 25);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
}

void InformationDialog::fill(const QuickInfo& info)
{
    m_title->setText(QString::fromStdString(info.title));
    m_current->setText(QString::fromStdString(info.current));
    m_alarm->setText(QString::fromStdString(info.alarm));
    m_alarmOn->setText(QString::fromStdString(info.alarmState()));
    m_min->setText(QString::fromStdString(info.lowest));
    m_max->setText(QString::fromStdString(info.highest));
}

void InformationDialog::showInfo(const QuickInfo& info)
{
    fill(info);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.center() - rect().center());
    }
    exec();
}

} // namespace cdx
