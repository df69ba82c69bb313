#pragma once

#include <QWidget>

class QToolButton;

namespace cdx {

// An up/down arrow pair beside a label stating a number. The pair holds no
// value: a click, or the Up/Down key while it has focus, is forwarded and the
// owner applies its stepping rule and rewrites the label.
class SpinArrows : public QWidget {
    Q_OBJECT
public:
    // objectName: the control's name ("SpinButton16"); setting: what the pair
    // edits, as announced; the arrows are setting + " up" and " down".
    SpinArrows(const QString& objectName, const QString& setting, QWidget* parent = nullptr);

    QToolButton& upButton() { return *m_up; }
    QToolButton& downButton() { return *m_down; }

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
