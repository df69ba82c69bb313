#include "ui/AboutDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "settings/ProductInfo.h"
#include "ui/DialogText.h"
#include "ui/ProgramIcon.h"

namespace cdx {

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName("TForm4");
    setWindowTitle(QString("About ") + ProductInfo::kName);
    setFont(DialogText::font());
    auto* layout = new QVBoxLayout(this);
    auto* picture = new QLabel(this);
    picture->setObjectName("Image1");
    picture->setPixmap(QPixmap::fromImage(ProgramIcon::plain()));
    picture->setAlignment(Qt::AlignCenter);
    layout->addWidget(picture);
    DialogText::addProductName(this, layout, Qt::AlignCenter);
    auto* close = new QPushButton("Close", this);
    close->setObjectName("Button1");
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(close, 0, Qt::AlignHCenter);
    setFixedWidth(240);
}

} // namespace cdx
