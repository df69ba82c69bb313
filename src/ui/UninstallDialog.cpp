#include "ui/UninstallDialog.h"

#include <QApplication>
#include <QEventLoop>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "settings/ProductInfo.h"
#include "ui/DialogText.h"

namespace cdx {

namespace {

QPixmap checkMark()
{
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 128, 0), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(QPolygonF{QPointF(3, 8.5), QPointF(6.5, 12), QPointF(13, 4)});
    return picture;
}

void waitDrawn(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

constexpr std::array<const char*, 4> kStepLines{"Removing Custom Settings from Registry",
                                                "Removing  Autorun from Registry", "Removing Log file",
                                                "Launching Uninstall Shield"};

} // namespace

UninstallDialog::UninstallDialog(Uninstall uninstall, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), m_uninstall(std::move(uninstall)),
      m_pause(waitDrawn)
{
    setObjectName("TForm5");
    setWindowTitle("Un-installing Caldrix");
    setFont(DialogText::font());
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    setPalette(palette);
    setAutoFillBackground(true);

    auto* layout = new QVBoxLayout(this);
    DialogText::addTitle(this, layout, {});

    auto* steps = new QGridLayout;
    const QPixmap mark = checkMark();
    for (std::size_t i = 0; i < kStepLines.size(); ++i) {
        auto* check = new QLabel(this);
        check->setObjectName(QString("Image%1").arg(i + 1));
        check->setPixmap(mark);
        check->setFixedSize(16, 16);
        check->setAccessibleName("done");
        // The place stays taken while the mark is hidden.
        QSizePolicy keep = check->sizePolicy();
        keep.setRetainSizeWhenHidden(true);
        check->setSizePolicy(keep);
        check->hide();
        m_checks[i] = check;
        auto* line = new QLabel(kStepLines[i], this);
        line->setObjectName(QString("Label%1").arg(i + 1));
        line->setTextFormat(Qt::PlainText);
        steps->addWidget(check, static_cast<int>(i), 0);
        steps->addWidget(line, static_cast<int>(i), 1);
    }
    layout->addLayout(steps);

    auto* buttons = new QHBoxLayout;
    m_cancel = new QPushButton("Cancel", this);
    m_cancel->setObjectName("SpeedButton1");
    m_cancel->setDefault(true);
    m_uninstallButton = new QPushButton("Un-install", this);
    m_uninstallButton->setObjectName("SpeedButton2");
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_uninstallButton, &QPushButton::clicked, this, &UninstallDialog::uninstallClicked);
    buttons->addStretch();
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_uninstallButton);
    layout->addLayout(buttons);
    setFixedWidth(300);
}

void UninstallDialog::uninstallClicked()
{
    m_cancel->setEnabled(false);
    m_uninstallButton->setEnabled(false);
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (m_uninstall) {
        m_uninstall(*this);
    }
    accept();
}

bool UninstallDialog::stepChecked(Uninstaller::Step step) const
{
    return !m_checks[static_cast<std::size_t>(step)]->isHidden();
}

void UninstallDialog::stepDone(Uninstaller::Step step)
{
    m_checks[static_cast<std::size_t>(step)]->show();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void UninstallDialog::pause(int milliseconds)
{
    if (m_pause) {
        m_pause(milliseconds);
    }
}

} // namespace cdx
