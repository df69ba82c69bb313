#pragma once

#include <QFont>
#include <QLabel>
#include <QString>

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
};

} // namespace cdx
