#pragma once

#include <QWidget>

class QToolButton;

namespace cdx {

// An up/down arrow pair that edits a number beside a label stating it. The
// pair has no value of its own: a click (or the Up/Down key while the pair
// has focus) is forwarded, and the owner applies its stepping rule and
// rewrites the label. The pair is one stop in the Tab order.
class SpinArrows : public QWidget {
    Q_OBJECT
public:
    // objectName: the control's name (for example "SpinButton16"); setting:
    // what the pair edits, as a screen reader announces it ("Interval"); the
    // arrows are announced as setting + " up" and setting + " down".
    SpinArrows(const QString& objectName, const QString& setting, QWidget* parent = nullptr);

    QToolButton& upButton() { return *m_up; }
    QToolButton& downButton() { return *m_down; }

    QSize sizeHint() const override;

signals:
    void upClicked();
    void downClicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QToolButton* m_up = nullptr;
    QToolButton* m_down = nullptr;
};

} // namespace cdx
