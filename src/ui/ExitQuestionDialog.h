#pragma once

#include <QDialog>

#include "lifecycle/ExitQuestion.h"

class QPushButton;

namespace cdx {

// The exit question (`TForm7`, "Confirm"): "Are you sure you want to Exit
// the Program ?" with "Yes", "No" and "Minimize" at the left edges the
// layout gives. Made once and reused.
class ExitQuestionDialog : public QDialog {
    Q_OBJECT
public:
    explicit ExitQuestionDialog(QWidget* parent = nullptr);

    // Places the buttons and asks; closing the dialog without a button
    // answers None.
    ExitAnswer ask(const ExitButtonLayout& layout);

    // Places the buttons as `layout` says (ask() does this itself).
    void placeButtons(const ExitButtonLayout& layout);
    ExitAnswer answer() const { return m_answer; }

    QPushButton* yesButton() const { return m_yes; }
    QPushButton* noButton() const { return m_no; }
    QPushButton* minimizeButton() const { return m_minimize; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void answerWith(ExitAnswer answer);

    QPushButton* m_yes = nullptr;
    QPushButton* m_no = nullptr;
    QPushButton* m_minimize = nullptr;
    ExitButtonLayout m_layout;
    ExitAnswer m_answer = ExitAnswer::None;
};

} // namespace cdx
