#include "ui/PageControl.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "ui/SubPageSelector.h"

namespace cdx {
namespace {

std::unique_ptr<PageControl> nineTabs()
{
    auto control = std::make_unique<PageControl>(5);
    for (const char* caption :
         {"General", "Temperatures", "Voltages", "Fan's", "Compensation", "Visual", "Log", "Up/Down", "CPUIdle"}) {
        control->addPage(new QLabel(caption), caption);
    }
    return control;
}

TEST(PageControlTest, EveryTabIsInARowAndTheCurrentRowStandsNextToThePage)
{
    auto control = nineTabs();
    EXPECT_EQ(control->currentIndex(), 0);
    // The first row holds the current tab, so it is the lower one.
    EXPECT_EQ(control->rows(), (std::vector<std::vector<int>>{{5, 6, 7, 8}, {0, 1, 2, 3, 4}}));
    control->tab(7)->click();
    EXPECT_EQ(control->currentIndex(), 7);
    EXPECT_EQ(control->rows(), (std::vector<std::vector<int>>{{0, 1, 2, 3, 4}, {5, 6, 7, 8}}));
    EXPECT_EQ(control->tab(3)->accessibleName(), "Fan's");
    EXPECT_EQ(control->tabText(8), "CPUIdle");
}

TEST(PageControlTest, ATabToggledThroughItsAccessibleActionOpensItsPage)
{
    auto control = nineTabs();
    QSignalSpy changes(control.get(), &PageControl::currentChanged);
    QAccessibleInterface* tab = QAccessible::queryAccessibleInterface(control->tab(4));
    ASSERT_NE(tab, nullptr);
    ASSERT_NE(tab->actionInterface(), nullptr);
    ASSERT_TRUE(tab->actionInterface()->actionNames().contains(QAccessibleActionInterface::toggleAction()));
    tab->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(control->currentIndex(), 4);
    EXPECT_TRUE(control->findChild<QStackedWidget*>()->currentIndex() == 4);
    EXPECT_FALSE(control->tab(0)->isChecked());
    EXPECT_EQ(changes.count(), 1);
}

TEST(PageControlTest, KeyboardStepsThroughThePagesAndWrapsAround)
{
    auto control = nineTabs();
    control->show();
    QApplication::setActiveWindow(control.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(control.get()));
    control->tab(0)->setFocus();
    QTest::keyClick(control->tab(0), Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(control->currentIndex(), 8);
    QTest::keyClick(control->tab(0), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(control->currentIndex(), 0);
}

TEST(PageControlTest, AReplacedPageTakesItsPlaceBehindTheSameTab)
{
    auto control = nineTabs();
    control->setCurrentIndex(6);
    auto* log = new QLabel("log page");
    control->replacePage(6, log);
    EXPECT_EQ(control->widget(6), log);
    EXPECT_EQ(control->count(), 9);
    EXPECT_TRUE(control->findChild<QStackedWidget*>()->currentWidget() == log);
}

TEST(SubPageSelectorTest, ChoosingRunsItsHandlerBeforeThePanelShows)
{
    SubPageSelector selector("GenTabComboBox", "General page");
    auto* first = new QLabel("one");
    auto* info = new QLabel("info");
    selector.addEntry("General 1", first);
    selector.addEntry("System Info", info);
    QWidget* shownWhenHandled = nullptr;
    selector.setOnChosen([&](int) { shownWhenHandled = selector.findChild<QStackedWidget*>()->currentWidget(); });
    selector.choose(1);
    EXPECT_EQ(shownWhenHandled, first);
    EXPECT_EQ(selector.findChild<QStackedWidget*>()->currentWidget(), info);
    selector.setEntryText(0, "Board");
    selector.reset();
    EXPECT_EQ(selector.current(), 0);
    EXPECT_EQ(selector.list().itemText(0), "Board");
    EXPECT_EQ(selector.list().accessibleName(), "General page");
}

} // namespace
} // namespace cdx
