#include "ui/SplashWindow.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include "settings/ProductInfo.h"
#include "ui/ProgramIcon.h"

namespace cdx {

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName("TSplash1");
    setAccessibleName(ProductInfo::kName);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);

    auto* picture = new QLabel(this);
    picture->setObjectName("Image1");
    picture->setPixmap(
        QPixmap::fromImage(ProgramIcon::plain().scaled(96, 96, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    picture->setAlignment(Qt::AlignCenter);
    auto* version = new QLabel(ProductInfo::kVersion, this);
    version->setObjectName("Label1");
    version->setAlignment(Qt::AlignCenter);
    QFont font("Arial");
    font.setPixelSize(16);
    font.setBold(true);
    version->setFont(font);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 16);
    layout->addWidget(picture);
    layout->addWidget(version);
    setFixedSize(180, 170);
}

void SplashWindow::showNow()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - rect().center());
    }
    show();
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace cdx
