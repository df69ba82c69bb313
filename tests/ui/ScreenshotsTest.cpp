#include <map>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The screenshot command sits beside the test program in the build tree.
QString screenshotsCommand()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath("caldrix_screenshots");
}

struct Outcome {
    int exitCode = -1;
    QString errors;
};

Outcome runScreenshots(const QStringList& arguments)
{
    QProcess process;
    process.start(screenshotsCommand(), arguments);
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardError())};
}

TEST(ScreenshotsTest, WritesEveryPictureAsPngOfItsSize)
{
    ASSERT_TRUE(QFile::exists(screenshotsCommand())) << screenshotsCommand().toStdString();
    QTemporaryDir temporary;
    ASSERT_TRUE(temporary.isValid());
    const QString folder = temporary.filePath("shots/new"); // created on demand
    const Outcome run = runScreenshots({folder});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();

    // Every picture the README shows is a PNG that can be read.
    for (const char* name :
         {"window-compact.png", "window-compact-lm75.png", "window-expanded.png", "tray-default.png",
          "tray-no-lines.png", "tray-no-degree.png", "tray-three-digits.png", "tray-custom-colours.png",
          "tray-suspended.png", "tray-icons.png", "page-visual-visual-settings.png", "page-visual-names.png",
          "page-visual-tooltip.png", "page-visual-system-tray.png", "page-log-log-general.png",
          "page-log-interval-log.png", "page-updown.png", "history-hour.png", "history-day.png"}) {
        QImageReader reader(QDir(folder).filePath(name));
        EXPECT_EQ(reader.format(), "png") << name;
        EXPECT_FALSE(reader.read().isNull()) << name << ": " << reader.errorString().toStdString();
    }

    // The icons differ from one another: every style shows.
    const QImage plain(QDir(folder).filePath("tray-default.png"));
    for (const char* other : {"tray-no-lines.png", "tray-no-degree.png", "tray-custom-colours.png"}) {
        EXPECT_NE(QImage(QDir(folder).filePath(other)), plain) << other;
    }
    // Each entry of the settings tabs has its picture of the page control,
    // and no two entries look alike.
    QStringList pages;
    for (const auto& [tab, entries] : std::map<QString, int>{
             {"general", 3}, {"temperatures", 4}, {"voltages", 2}, {"fans", 4}, {"compensation", 1}}) {
        for (int entry = 1; entry <= entries; ++entry) {
            pages << QString("page-%1-%2.png").arg(tab).arg(entry);
        }
    }
    QList<QImage> seen;
    for (const QString& name : pages) {
        const QImage page(QDir(folder).filePath(name));
        ASSERT_FALSE(page.isNull()) << name.toStdString();
        EXPECT_FALSE(seen.contains(page)) << name.toStdString();
        seen << page;
    }

    // The expanded window is not one plain colour.
    const QImage expanded(QDir(folder).filePath("window-expanded.png"));
    QSet<QRgb> colours;
    for (int y = 0; y < expanded.height(); y += 3) {
        for (int x = 0; x < expanded.width(); x += 3) {
            colours.insert(expanded.pixel(x, y));
        }
    }
    EXPECT_GT(colours.size(), 10);
}

TEST(ScreenshotsTest, BadFolderOrArgumentsFailWithAMessage)
{
    QTemporaryDir temporary;
    ASSERT_TRUE(temporary.isValid());
    const QString file = temporary.filePath("taken");
    {
        QFile taken(file);
        ASSERT_TRUE(taken.open(QIODevice::WriteOnly));
    }
    const Outcome onFile = runScreenshots({file});
    EXPECT_EQ(onFile.exitCode, 1);
    EXPECT_TRUE(onFile.errors.contains("is not a folder")) << onFile.errors.toStdString();
    EXPECT_EQ(QFileInfo(file).size(), 0) << "the file is left alone";

    const Outcome tooMany = runScreenshots({"one", "two"});
    EXPECT_EQ(tooMany.exitCode, 2);
    EXPECT_TRUE(tooMany.errors.contains("usage")) << tooMany.errors.toStdString();
}

} // namespace
