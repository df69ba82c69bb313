#include "ui/MetricsPage.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QStringList>
#include <gtest/gtest.h>
#include <vector>

namespace cdx {
namespace {

TEST(MetricsPageTest, EditsAreReportedOnceFinishedAndTheExampleFollowsTheAddress)
{
    MetricsPage page;
    page.setSettings("127.0.0.1:9464", "");
    EXPECT_TRUE(page.scrapeConfig().toPlainText().contains("targets: ['127.0.0.1:9464']"));
    std::vector<QStringList> edited;
    QObject::connect(&page, &MetricsPage::settingsEdited, [&](const QString& address, const QString& file) {
        edited.push_back({address, file});
    });

    // Finishing without a change is no edit.
    emit page.addressEdit().editingFinished();
    EXPECT_TRUE(edited.empty());

    page.addressEdit().setText("127.0.0.1:9999");
    EXPECT_TRUE(page.scrapeConfig().toPlainText().contains("targets: ['127.0.0.1:9999']"));
    emit page.addressEdit().editingFinished();
    page.textfileEdit().setText("/tmp/caldrix.prom");
    emit page.textfileEdit().editingFinished();
    ASSERT_EQ(edited.size(), 2u);
    EXPECT_EQ(edited[1], QStringList({"127.0.0.1:9999", "/tmp/caldrix.prom"}));

    page.copyButton().click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), page.scrapeConfig().toPlainText());

    page.setEndpointState("Serving on 127.0.0.1:9999");
    EXPECT_EQ(page.endpointStateLabel().text(), "Serving on 127.0.0.1:9999");
    for (QWidget* control : std::initializer_list<QWidget*>{&page.addressEdit(), &page.textfileEdit(),
                                                            &page.scrapeConfig(), &page.copyButton()}) {
        EXPECT_FALSE(control->accessibleName().isEmpty()) << control->objectName().toStdString();
        EXPECT_NE(control->focusPolicy() & Qt::TabFocus, 0) << control->objectName().toStdString();
    }
}

} // namespace
} // namespace cdx
