#include "ui/StartupInfoDialog.h"

#include <QVBoxLayout>

#include "ui/DialogText.h"

namespace cdx {

StartupInfoDialog::StartupInfoDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName("TForm9");
    setWindowTitle("Startup Info");
    setFont(DialogText::font());
    auto* layout = new QVBoxLayout(this);
    DialogText::addTitle(this, layout);
    layout->addWidget(DialogText::paragraph(
        this, "Label1",
        "This program will try to access the LM78/LM79/WinBond W83781D5 and LM75 on your motherboard, there is no "
        "guarantee that this program will succeed in this, there can be several reason it may not, most common "
        "reasons is "));
    layout->addWidget(DialogText::paragraph(this, "Label2",
                                            "that you don't have these Chips installed or they are not at their "
                                            "default location, if this is the case you will get some bogus readings "
                                            "from the program."));
    layout->addWidget(DialogText::paragraph(
        this, "Label3",
        "I am constantly working on trying to get the program to operate on more motherboards, but manufactures keep "
        "a close lid on any info about their monitoring hardware so any info you might know will be appreciated. "));
    DialogText::addOkButton(this, layout);
    setFixedWidth(400);
}

} // namespace cdx
