#pragma once

#include <QBoxLayout>
#include <QDialog>
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QString>

#include "settings/ProductInfo.h"

namespace cdx {

// Building blocks shared by the program's small dialogs.
class DialogText {
public:
    // The dialogs' font: Arial, 11 pixels.
    static QFont font()
    {
        QFont f("Arial");
        f.setPixelSize(11);
        return f;
    }

    // A plain, word-wrapped text; "&" shows as it is.
    static QLabel* paragraph(QWidget* parent, const char* objectName, const char* text)
    {
        auto* label = new QLabel(QString::fromUtf8(text), parent);
        label->setObjectName(objectName);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        return label;
    }

    // The title label (the product name in bold) and the version label
    // ("Version 3.72") heading a window, centred unless another alignment is
    // given; with none the labels keep their own.
    static void addTitle(QWidget* parent, QBoxLayout* layout, Qt::Alignment alignment = Qt::AlignCenter)
    {
        auto* name = new QLabel(ProductInfo::kName, parent);
        name->setObjectName("ProductName");
        QFont bold = font();
        bold.setPixelSize(16);
        bold.setBold(true);
        name->setFont(bold);
        auto* version = new QLabel(QString("Version ") + ProductInfo::kVersion, parent);
        version->setObjectName("Version");
        if (alignment != Qt::Alignment()) {
            name->setAlignment(alignment);
            version->setAlignment(alignment);
        }
        layout->addWidget(name);
        layout->addWidget(version);
    }

    // The dialog's "OK" button, the default one, centred at the foot of
    // `layout`; it accepts the dialog.
    static QPushButton* addOkButton(QDialog* dialog, QBoxLayout* layout)
    {
        auto* ok = new QPushButton("OK", dialog);
        ok->setObjectName("Button1");
        ok->setDefault(true);
        QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
        layout->addWidget(ok, 0, Qt::AlignHCenter);
        return ok;
    }
};

} // namespace cdx
