#include "ui/FirstRunInfoDialog.h"

#include <QLabel>
#include <QVBoxLayout>

#include "ui/DialogText.h"

namespace cdx {

FirstRunInfoDialog::FirstRunInfoDialog(const std::string& chipText, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName("TForm6");
    setWindowTitle("1st Time Information");
    setFont(DialogText::font());
    auto* layout = new QVBoxLayout(this);
    DialogText::addTitle(this, layout);
    layout->addWidget(DialogText::paragraph(
        this, "Label1",
        "The program will now go straight to your System Tray and display the Motherboard Temperature.  If you right "
        "click on the icon you will get a menu.  Select Show & Expand to customize the program to your personal "
        "needs."));
    m_chip = DialogText::paragraph(this, "ChipLabel", "");
    m_chip->setText(QString::fromStdString(chipText));
    layout->addWidget(m_chip);
    DialogText::addOkButton(this, layout);
    setFixedWidth(400);
}

QString FirstRunInfoDialog::chipText() const
{
    return m_chip->text();
}

} // namespace cdx
