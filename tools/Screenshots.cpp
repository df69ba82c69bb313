// caldrix_screenshots [FOLDER]
//
// Renders the main window (compact and expanded) and the tray icon styles to
// PNG files in FOLDER (default docs/screenshots), without a display: the
// window runs on Qt's offscreen platform over a scripted driver.

#include <algorithm>
#include <array>
#include <clocale>
#include <iostream>
#include <string>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>

#include "IconSheet.h"
#include "ScreenshotScene.h"
#include "history/AlarmMarks.h"
#include "history/ReadingNames.h"
#include "history/ReadingsHistory.h"
#include "settings/Settings.h"
#include "ui/CompensationPage.h"
#include "ui/FansPage.h"
#include "ui/GeneralPage.h"
#include "ui/HistoryPlot.h"
#include "ui/HistoryWindow.h"
#include "ui/LogPage.h"
#include "ui/SubPageSelector.h"
#include "ui/TemperaturesPage.h"
#include "ui/UiResources.h"
#include "ui/VisualPage.h"
#include "ui/VoltagesPage.h"

namespace {

using cdx::IconSheet;
using cdx::ScreenshotScene;

constexpr const char* kDefaultFolder = "docs/screenshots";
constexpr int kPolls = 3;

void usage(std::ostream& out)
{
    out << "usage: caldrix_screenshots [FOLDER]\n"
           "Writes window-compact.png, window-compact-lm75.png, window-expanded.png, the settings\n"
           "pages page-*.png, the History window history-hour.png and history-day.png, the tray icons tray-*.png and "
           "their strip tray-icons.png into FOLDER\n"
           "(default "
        << kDefaultFolder << ").\n";
}

// The offscreen platform says for every raise and resize of a window that it
// cannot pass them on; nothing else is dropped.
void quietOffscreenNotices(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support"))) {
        return;
    }
    std::cerr << qFormatLogMessage(type, context, message).toStdString() << '\n';
}

// Saves `image` as FOLDER/NAME; says which file failed.
class PictureFolder {
public:
    explicit PictureFolder(QDir folder) : m_folder(std::move(folder)) {}

    void save(const QImage& image, const char* name)
    {
        const QString path = m_folder.filePath(QString::fromUtf8(name));
        if (image.isNull()) {
            std::cerr << "caldrix_screenshots: nothing was drawn for " << path.toStdString() << '\n';
            m_failed = true;
        } else if (!image.save(path, "PNG")) {
            std::cerr << "caldrix_screenshots: cannot write " << path.toStdString() << '\n';
            m_failed = true;
        }
    }

    bool failed() const { return m_failed; }

private:
    QDir m_folder;
    bool m_failed = false;
};

// One tray icon picture, saved enlarged and added to the strip.
void saveIcon(PictureFolder& folder, IconSheet& sheet, const QImage& icon, const char* name, const char* caption)
{
    const QImage big = icon.isNull() ? QImage() : IconSheet::enlarged(icon);
    folder.save(big, name);
    if (!big.isNull()) {
        sheet.add(QString::fromUtf8(caption), big);
    }
}

void renderWinbondBoard(PictureFolder& folder)
{
    ScreenshotScene scene(ScreenshotScene::Sensors::Winbond);
    scene.start();
    scene.poll(kPolls);
    cdx::MainWindow& window = scene.window();
    folder.save(scene.grabWindow(), "window-compact.png");
    window.toggleMode();
    folder.save(scene.grabWindow(), "window-expanded.png");
    window.toggleMode();

    // Every icon style on the motherboard temperature's icon.
    cdx::TrayIcons& tray = scene.tray();
    cdx::TrayIcon& wb1 = tray.iconOf(cdx::TemperatureSensor::WB1);
    IconSheet sheet;
    saveIcon(folder, sheet, scene.shownPicture(wb1), "tray-default.png", "default");

    tray.setTrayLines(false);
    saveIcon(folder, sheet, scene.shownPicture(wb1), "tray-no-lines.png", "no lines");
    tray.setTrayLines(true);

    tray.setTrayDegreeSymbol(false);
    saveIcon(folder, sheet, scene.shownPicture(wb1), "tray-no-degree.png", "no degree");
    tray.setTrayDegreeSymbol(true);

    // Fahrenheit gives three digits and the wide icon.
    window.toggleScale();
    saveIcon(folder, sheet, scene.shownPicture(wb1), "tray-three-digits.png", "3 digits (\u00B0F)");
    window.toggleScale();

    const cdx::TrayStyle plain = cdx::Settings{}.temperature(cdx::TemperatureSensor::WB1).trayStyle;
    cdx::TrayStyle colours = plain;
    colours.background = 0x00800000; // navy
    colours.fontColour = 0x0000FFFF; // yellow
    tray.setTrayStyle(cdx::TemperatureSensor::WB1, colours);
    saveIcon(folder, sheet, scene.shownPicture(wb1), "tray-custom-colours.png", "own colours");
    tray.setTrayStyle(cdx::TemperatureSensor::WB1, plain);

    if (QAction* suspend = window.popupMenu().item("pause1")) {
        suspend->trigger();
    }
    saveIcon(folder, sheet, tray.suspended() ? scene.shownPicture(tray.programIcon()) : QImage(), "tray-suspended.png",
             "suspended");

    folder.save(sheet.strip(), "tray-icons.png");
}

// Every sub-page of the Visual and Log tabs and the Up's & Downs tab, in the
// expanded window: page-<tab>-<entry>.png.
void renderPages(PictureFolder& folder)
{
    ScreenshotScene scene(ScreenshotScene::Sensors::Winbond);
    scene.start();
    scene.poll(kPolls);
    cdx::MainWindow& window = scene.window();
    window.toggleMode();
    cdx::VisualLogUpDownPages& pages = scene.pages();
    struct Shot {
        cdx::MainWindow::Page tab;
        cdx::SubPageSelector* selector;
        int entry;
        const char* name;
    };
    const std::vector<Shot> shots{
        {cdx::MainWindow::Visual, &pages.visualPage().selector(), 0, "page-visual-visual-settings.png"},
        {cdx::MainWindow::Visual, &pages.visualPage().selector(), 1, "page-visual-names.png"},
        {cdx::MainWindow::Visual, &pages.visualPage().selector(), 2, "page-visual-tooltip.png"},
        {cdx::MainWindow::Visual, &pages.visualPage().selector(), 3, "page-visual-system-tray.png"},
        {cdx::MainWindow::Log, &pages.logPage().selector(), 0, "page-log-log-general.png"},
        {cdx::MainWindow::Log, &pages.logPage().selector(), 1, "page-log-interval-log.png"},
        {cdx::MainWindow::UpDown, nullptr, 0, "page-updown.png"},
    };
    for (const Shot& shot : shots) {
        window.pageControl().setCurrentIndex(shot.tab);
        if (shot.selector != nullptr) {
            shot.selector->choose(shot.entry);
        }
        folder.save(scene.grabWindow(), shot.name);
    }
}

// Every entry of the first five settings tabs, as the page control shows it:
// page-<tab>-<entry number>.png.
void renderSettingsPages(PictureFolder& folder)
{
    ScreenshotScene scene(ScreenshotScene::Sensors::Winbond);
    scene.start();
    scene.poll(kPolls);
    cdx::MainWindow& window = scene.window();
    window.showExpanded();
    cdx::SettingsPages& pages = scene.settingsPages();
    const std::array<std::pair<const char*, cdx::SubPageSelector*>, 5> tabs{{
        {"general", &pages.general().selector()},
        {"temperatures", &pages.temperatures().selector()},
        {"voltages", &pages.voltages().selector()},
        {"fans", &pages.fans().selector()},
        {"compensation", nullptr},
    }};
    for (std::size_t tab = 0; tab < tabs.size(); ++tab) {
        window.pageControl().setCurrentIndex(static_cast<int>(tab));
        cdx::SubPageSelector* selector = tabs[tab].second;
        const int entries = selector != nullptr ? selector->count() : 1;
        for (int entry = 0; entry < entries; ++entry) {
            if (selector != nullptr) {
                selector->choose(entry);
            }
            QApplication::processEvents();
            const std::string name = "page-" + std::string(tabs[tab].first) + "-" + std::to_string(entry + 1) + ".png";
            folder.save(window.pageControl().grab().toImage(), name.c_str());
        }
    }
}

// The History window over a day of polls every 2 s: a processor that warms
// up under load each hour, a fan that follows it, steady rails, and a
// suspended half hour. history-hour.png and history-day.png.
void renderHistory(PictureFolder& folder)
{
    constexpr std::int64_t kEnd = 1'780'000'200; // a Saturday afternoon, 2026
    cdx::ReadingsHistory history;
    history.setPollInterval(2000);
    cdx::Readings r;
    for (std::int64_t s = kEnd - 24 * 3600; s <= kEnd; s += 2) {
        if (s > kEnd - 9 * 3600 && s < kEnd - 17 * 1800) {
            continue; // suspended
        }
        const double phase = static_cast<double>(s % 3600) / 3600.0;
        const double load = phase < 0.3 ? phase / 0.3 : phase < 0.5 ? 1.0 : std::max(0.0, 1.0 - (phase - 0.5) / 0.2);
        const double ripple = static_cast<double>((s * 7919) % 13) / 10.0;
        r.tickMs = static_cast<std::uint64_t>(s - (kEnd - 24 * 3600)) * 1000;
        r.unixSeconds = s;
        r.temperature(cdx::TemperatureSensor::WB1) = 34.0 + 4.0 * load + ripple * 0.3;
        r.temperature(cdx::TemperatureSensor::LM75) = 41.0 + 24.0 * load + ripple;
        r.temperature(cdx::TemperatureSensor::WB2) = 30.0 + 2.0 * load + ripple * 0.2;
        r.voltage(cdx::VoltageRail::Core) = 1.52 - 0.04 * load + ripple / 400.0;
        r.voltage(cdx::VoltageRail::Pos33) = 3.31 + ripple / 500.0;
        r.voltage(cdx::VoltageRail::Pos5) = 5.02 - ripple / 300.0;
        r.voltage(cdx::VoltageRail::Pos12) = 12.1 - 0.1 * load;
        r.fan(cdx::Fan::Fan1) = 2100.0 + 1400.0 * load + ripple * 20.0;
        r.fan(cdx::Fan::Fan2) = 1250.0 + ripple * 10.0;
        history.append(r);
    }
    cdx::Settings settings;
    settings.temperature(cdx::TemperatureSensor::LM75).alarmEnabled = true;
    settings.temperature(cdx::TemperatureSensor::LM75).alarmTemperature = 70;
    settings.fan(cdx::Fan::Fan1).alarmEnabled = true;
    settings.fan(cdx::Fan::Fan1).nominalRpm = 2400;
    settings.fan(cdx::Fan::Fan1).tolerancePercent = 25;
    cdx::HistoryWindow window(cdx::HistoryWindow::Parts{history,
                                                        [] { return kEnd; },
                                                        [] { return cdx::TemperatureDisplay{}; },
                                                        [&settings] { return cdx::readingNames(settings); },
                                                        [&settings] { return cdx::alarmMarks(settings); },
                                                        {}});
    window.open();
    cdx::HistoryPlot& temperatures = window.plot(cdx::HistoryGroup::Temperatures);
    temperatures.setMarker(kEnd - 1500);
    folder.save(window.grab().toImage(), "history-hour.png");
    window.setSpan(cdx::HistorySpan::Day);
    folder.save(window.grab().toImage(), "history-day.png");
}

void renderLm75Board(PictureFolder& folder)
{
    ScreenshotScene scene(ScreenshotScene::Sensors::Lm75);
    scene.start();
    scene.poll(kPolls);
    folder.save(scene.grabWindow(), "window-compact-lm75.png");
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc > 2) {
        usage(std::cerr);
        return 2;
    }
    const std::string argument = argc == 2 ? argv[1] : kDefaultFolder;
    if (argument == "-h" || argument == "--help") {
        usage(std::cout);
        return 0;
    }
    if (argument.empty() || argument.front() == '-') {
        std::cerr << "caldrix_screenshots: not a folder name: \"" << argument << "\"\n";
        usage(std::cerr);
        return 2;
    }
    // The pictures never need a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qInstallMessageHandler(quietOffscreenNotices);
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    cdx::initUiResources();

    const QString path = QString::fromStdString(argument);
    if (QFileInfo(path).exists() && !QFileInfo(path).isDir()) {
        std::cerr << "caldrix_screenshots: " << argument << " exists and is not a folder\n";
        return 1;
    }
    if (!QDir().mkpath(path)) {
        std::cerr << "caldrix_screenshots: cannot create the folder " << argument << '\n';
        return 1;
    }
    PictureFolder folder{QDir(path)};
    renderWinbondBoard(folder);
    renderLm75Board(folder);
    renderPages(folder);
    renderSettingsPages(folder);
    renderHistory(folder);
    return folder.failed() ? 1 : 0;
}
