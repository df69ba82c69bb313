#pragma once

#include <QString>

class QCheckBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QWidget;

namespace cdx {

// Controls of the settings pages, each named for tests and screen readers:
// the object name is the control's name, the accessible name its caption.
QCheckBox* makeCheckBox(QWidget* parent, const QString& name, const QString& caption);
QRadioButton* makeRadioButton(QWidget* parent, const QString& name, const QString& caption);
QGroupBox* makeGroup(QWidget* parent, const QString& name, const QString& caption);
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text = {});

// A panel that scrolls when its content is taller than the page.
QWidget* scrollable(QWidget* content);

} // namespace cdx
