#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "presentation/QuickCheck.h"

namespace cdx {

// The "Information" dialog of a Quick Check item: the reading's name, its
// value as shown, its alarm setting, whether its alarm is on, and its lowest
// and highest values. Stays on top, centred on the screen, closed by "Ok".
class InformationDialog : public QDialog {
    Q_OBJECT
public:
    explicit InformationDialog(QWidget* parent = nullptr);

    // Fills the labels from the texts.
    void fill(const QuickInfo& info);
    // Fills the labels and shows the dialog modally.
    void showInfo(const QuickInfo& info);

    QLabel& titleLabel() { return *m_title; }
    QLabel& currentLabel() { return *m_current; }
    QLabel& alarmLabel() { return *m_alarm; }
    QLabel& alarmOnLabel() { return *m_alarmOn; }
    QLabel& minLabel() { return *m_min; }
    QLabel& maxLabel() { return *m_max; }
    QPushButton& okButton() { return *m_ok; }

private:
    QLabel* m_title = nullptr;
    QLabel* m_current = nullptr;
    QLabel* m_alarm = nullptr;
    QLabel* m_alarmOn = nullptr;
    QLabel* m_min = nullptr;
    QLabel* m_max = nullptr;
    QPushButton* m_ok = nullptr;
};

} // namespace cdx
