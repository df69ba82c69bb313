#pragma once

#include <vector>

#include <QWidget>

class QAbstractButton;
class QButtonGroup;
class QStackedWidget;
class QVBoxLayout;

namespace cdx {

// The settings pages of the expanded window: their tabs stand in several rows,
// so none hides behind scroll arrows. The row holding the current tab moves
// next to the page, as multi-row tabs do on the desktop the window was drawn
// for. Ctrl+Tab and Ctrl+Page Down go to the next page, Ctrl+Shift+Tab and
// Ctrl+Page Up to the previous one; each tab is a focusable button named after
// its caption.
class PageControl : public QWidget {
    Q_OBJECT
public:
    // tabsPerRow: how many tabs one row holds at most.
    explicit PageControl(int tabsPerRow, QWidget* parent = nullptr);

    // Adds a page behind a tab with this caption; returns its index. The
    // control takes ownership of the page.
    int addPage(QWidget* page, const QString& caption);
    // Puts another widget behind the tab at index; the old one is deleted.
    void replacePage(int index, QWidget* page);

    int count() const;
    QWidget* widget(int index) const;
    int currentIndex() const { return m_current; }
    void setCurrentIndex(int index);
    QString tabText(int index) const;
    QAbstractButton* tab(int index) const;
    // The tabs' rows, top to bottom, as indexes of pages.
    std::vector<std::vector<int>> rows() const;

signals:
    void currentChanged(int index);

private:
    void arrangeRows();
    void step(int by);

    int m_tabsPerRow;
    int m_current = -1;
    std::vector<QAbstractButton*> m_tabs;
    QButtonGroup* m_group = nullptr;
    QVBoxLayout* m_rowsLayout = nullptr;
    QStackedWidget* m_stack = nullptr;
};

} // namespace cdx
