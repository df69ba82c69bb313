#include "ui/AgreementDialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/DialogText.h"

namespace cdx {

AgreementDialog::AgreementDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName("TForm3");
    setWindowTitle("Caldrix Agreement");
    setFont(DialogText::font());
    auto* layout = new QVBoxLayout(this);
    DialogText::addTitle(this, layout);
    layout->addWidget(DialogText::paragraph(
        this, "Label1",
        "LIABILITY: This program is provided -AS IS- and is USED AT YOUR OWN RISK. Any values you get from this "
        "program are not necessarily 100% correct and you should therefore always check them with the values in your "
        "BIOS.  THE BIOS IS ALWAYS RIGHT!"));
    layout->addWidget(DialogText::paragraph(
        this, "Label2",
        "Any Damage that this program may cause to your PC is something I can not be held responsible for."));
    auto* buttons = new QHBoxLayout;
    auto* agree = new QPushButton("I Agree", this);
    agree->setObjectName("Button1");
    auto* refuse = new QPushButton("I Don't Agree", this);
    refuse->setObjectName("Button2");
    refuse->setDefault(true);
    connect(agree, &QPushButton::clicked, this, &QDialog::accept);
    connect(refuse, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addStretch();
    buttons->addWidget(agree);
    buttons->addWidget(refuse);
    buttons->addStretch();
    layout->addLayout(buttons);
    setFixedWidth(400);
}

} // namespace cdx
