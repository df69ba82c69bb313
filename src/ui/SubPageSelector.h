#pragma once

#include <functional>

#include <QWidget>

class QComboBox;
class QStackedWidget;

namespace cdx {

// A drop-down list inside a settings tab that shows one of its panels at a
// time: choosing an entry shows that entry's panel and hides the others.
class SubPageSelector : public QWidget {
    Q_OBJECT
public:
    // listName: the list's object name (for example "GenTabComboBox");
    // accessibleName: what a screen reader announces for the list.
    SubPageSelector(const QString& listName, const QString& accessibleName, QWidget* parent = nullptr);

    // Adds an entry and its panel; the selector takes ownership of the panel.
    int addEntry(const QString& text, QWidget* panel);
    // Renames an entry (an entry carrying the user's name of a sensor).
    void setEntryText(int index, const QString& text);
    QString entryText(int index) const;
    int count() const;
    int current() const;
    QWidget* panel(int index) const;
    QComboBox& list() { return *m_list; }

    // Chooses an entry as the user would, and shows its panel.
    void choose(int index);
    // Back to the first entry, applied.
    void reset() { choose(0); }
    // Runs before a chosen entry's panel is shown (an entry that refreshes
    // what its panel shows).
    void setOnChosen(std::function<void(int)> handler) { m_onChosen = std::move(handler); }

private:
    void apply(int index);

    QComboBox* m_list = nullptr;
    QStackedWidget* m_panels = nullptr;
    std::function<void(int)> m_onChosen;
};

} // namespace cdx
