#include "ui/MainWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QGuiApplication>
#include <QMoveEvent>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QWindow>

#include "monitor/PollCycle.h"
#include "platform/Shell.h"
#include "presentation/GaugeSet.h"
#include "settings/Settings.h"
#include "ui/GaugeColumn.h"
#include "ui/InformationDialog.h"
#include "ui/PageControl.h"
#include "ui/ReadingsGroups.h"

namespace cdx {

namespace {

// The frame and caption the window sizes include: two 3-pixel borders across,
// a caption and two borders down.
constexpr int kFrameWidth = 6;
constexpr int kFrameHeight = 25;

// A caption with the system menu, the minimise button and the close button
// that a system menu brings (a close from the frame asks the exit question);
// no maximise.
constexpr Qt::WindowFlags kBorder = Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                    Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

// Two rows of tabs hold the nine captions at the page control's width.
constexpr int kTabsPerRow = 5;

constexpr std::array<const char*, MainWindow::PageCount> kPageCaptions{
    "General", "Temperatures", "Voltages", "Fan's", "Compensation", "Visual", "Log", "Up/Down", "CPUIdle"};

std::function<void()> cdTrayCommand(Shell* shell)
{
    if (shell == nullptr) {
        return {};
    }
    // Opens the default drive's tray; a tray already open stays open.
    return [shell] {
        const QString eject = QStandardPaths::findExecutable("eject");
        if (!eject.isEmpty()) {
            shell->execute(eject.toStdString(), {}, {}, ShowCommand::Hide);
        }
    };
}

} // namespace

MainWindow::MainWindow(Parts parts, QWidget* parent)
    : QWidget(parent, Qt::Window | kBorder), m_parts(std::move(parts)), m_state(m_parts.settings),
      m_switches(m_parts.settings, m_parts.gauges,
                 SensorSwitches::Actions{
                     .readLm75 = m_parts.readLm75,
                     .relayGauges = [this] { restackGauges(); },
                     .pollIfActive = [this] { m_parts.pollCycle.pollIfActive(); },
                     .trayBoxesChanged = m_parts.trayBoxesChanged,
                 }),
      m_quickCheck(QuickCheck::Parts{
          .settings = m_parts.settings,
          .gauges = m_parts.gauges,
          .readings = m_parts.readings,
          .statistics = m_parts.statistics,
          .display = [this] { return m_parts.pollCycle.display(); },
      })
{
    setObjectName("Form1");
    setWindowTitle("Caldrix");
    QFont font("Arial");
    font.setPixelSize(11);
    setFont(font);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);

    m_gaugeColumn = new GaugeColumn(m_parts.gauges, this);
    m_gaugeColumn->setGeometry(0, 0, GaugeColumn::PanelWidth, 4 * GaugeColumn::PanelHeight + GaugeStack::FirstTop);

    m_unitButton = new QToolButton(this);
    m_unitButton->setObjectName("SpeedButton2");
    m_unitButton->setGeometry(88, 8, 15, 15);
    m_unitButton->setAutoRaise(true);
    connect(m_unitButton, &QToolButton::clicked, this, [this] { toggleScale(); });
    refreshUnitButton();

    m_modeButton = new QToolButton(this);
    m_modeButton->setObjectName("SpeedButton1");
    m_modeButton->setGeometry(88, 24, 15, 15);
    m_modeButton->setAutoRaise(true);
    connect(m_modeButton, &QToolButton::clicked, this, [this] { toggleMode(); });

    m_parts.readings.setOnChanged([this](ReadingsPanel::Item item, int index) {
        if (m_readingsGroups != nullptr) {
            m_readingsGroups->refresh(item, index);
        }
        if (m_readingsObserver) {
            m_readingsObserver(item, index);
        }
    });

    auto exit = m_parts.exit ? m_parts.exit : std::function<void()>([this] { close(); });
    m_popupMenu = std::make_unique<PopupMenu>(PopupMenu::Parts{
        .settings = m_parts.settings,
        .timers = m_parts.timers,
        .quickCheck = m_quickCheck,
        .information = [this]() -> InformationDialog& { return informationDialog(); },
        .window = PopupMenu::WindowCommands{
            .isHidden = [this] { return isHidden(); },
            .showExpand = [this] { showExpanded(); },
            .show = [this] { showCompact(); },
            .hide = [this] { hideToTray(); },
        },
        .log = m_parts.log,
        .exit = exit,
        .suspendTray = m_parts.suspendTray,
        .restoreTray = m_parts.restoreTray,
        .openCdTray = cdTrayCommand(m_parts.shell),
    });

    applySettings();
    applyState();
}

void MainWindow::applySettings()
{
    const Settings& settings = m_parts.settings;
    const std::array<float, 4> scales{
        settings.temperature(TemperatureSensor::WB1).scale, settings.temperature(TemperatureSensor::LM75).scale,
        settings.temperature(TemperatureSensor::WB2).scale, settings.temperature(TemperatureSensor::WB3).scale};
    for (std::size_t i = 0; i < scales.size(); ++i) {
        GaugeColumn::applyWindowLook(m_parts.gauges[i], scales[i]);
    }
    m_gaugeColumn->setName(TemperatureSensor::WB1, settings.temperature(TemperatureSensor::WB1).name);
    m_gaugeColumn->setName(TemperatureSensor::LM75, settings.temperature(TemperatureSensor::LM75).name);
    m_gaugeColumn->setName(TemperatureSensor::WB2, settings.temperature(TemperatureSensor::WB2).name);
    m_gaugeColumn->setName(TemperatureSensor::WB3, settings.temperature(TemperatureSensor::WB3).name);
    if (m_readingsGroups != nullptr) {
        m_readingsGroups->applySettings(m_parts.pollCycle.display().decimalSeparator);
    }
    m_popupMenu->setLogItemsVisible(settings.showLogOnPopup);
    refreshUnitButton();
    restackGauges();
}

MainWindow::~MainWindow()
{
    // The readings panel outlives the window.
    m_parts.readings.setOnChanged({});
}

InformationDialog& MainWindow::informationDialog()
{
    if (m_information == nullptr) {
        m_information = new InformationDialog(this);
    }
    return *m_information;
}

ReadingsGroups& MainWindow::readingsGroups()
{
    buildExpandedPart();
    return *m_readingsGroups;
}

PageControl& MainWindow::pageControl()
{
    buildExpandedPart();
    return *m_pageControl;
}

void MainWindow::buildExpandedPart()
{
    if (m_readingsGroups != nullptr) {
        return;
    }
    m_readingsGroups = new ReadingsGroups(m_parts.settings, m_parts.readings, this);
    m_readingsGroups->move(112, 0);
    m_readingsGroups->applySettings(m_parts.pollCycle.display().decimalSeparator);
    buildPageControl();
    showStartPage();
    // Made while the window shows, they show with it.
    m_readingsGroups->show();
    m_pageControl->show();
}

void MainWindow::buildPageControl()
{
    m_pageControl = new PageControl(kTabsPerRow, this);
    m_pageControl->setObjectName("PageControl1");
    m_pageControl->setGeometry(288, 0, 273, 281);
    QFont tabFont("Arial");
    tabFont.setPixelSize(9);
    for (const char* caption : kPageCaptions) {
        auto* page = new QWidget;
        page->setObjectName(QString::fromUtf8(caption) + "Page");
        const int index = m_pageControl->addPage(page, QString::fromUtf8(caption));
        m_pageControl->tab(index)->setFont(tabFont);
    }
}

WindowState::Screen MainWindow::screenSize() const
{
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return {};
    }
    const QRect area = screen->geometry();
    return {area.width(), area.height()};
}

bool MainWindow::desktopPlacesWindows()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

QPoint MainWindow::positionToStore() const
{
    return desktopPlacesWindows() ? QPoint(m_state.left(), m_state.top()) : pos();
}

void MainWindow::applyState()
{
    m_applying = true;
    Qt::WindowFlags flags = kBorder;
    flags |= m_state.taskbarButton() ? Qt::Window : Qt::Tool;
    if (m_state.stayOnTop()) {
        flags |= Qt::WindowStaysOnTopHint;
    }
    if (windowFlags() != flags) {
        // A change of flags hides the window; it shows again below. Its
        // native window goes first and is made anew with the new flags: kept
        // across the change, the toolkit never again takes the window as
        // active, and the keyboard no longer reaches its controls.
        hide();
        if (QWindow* native = windowHandle()) {
            native->destroy();
        }
        setWindowFlags(flags);
    }
    // The state keeps the window's outer size, frame and caption included; the
    // desktop adds its own frame around the inside size given here.
    setFixedSize(m_state.width() - kFrameWidth, m_state.height() - kFrameHeight);
    move(m_state.left(), m_state.top());
    m_modeButton->setText(QString::fromUtf8(m_state.modeCaption()));
    // The caption is an arrow; a screen reader reads out what it does.
    m_modeButton->setAccessibleName(m_state.expanded() ? "Show compact" : "Show expanded");
    setVisible(m_state.visible());
    m_applying = false;
}

void MainWindow::showExpanded()
{
    buildExpandedPart();
    if (m_onExpanded) {
        m_onExpanded();
    }
    m_state.showExpanded(screenSize());
    applyState();
    raise();
}

void MainWindow::attachNames(SensorNames& names)
{
    for (const TemperatureSensor sensor :
         {TemperatureSensor::WB1, TemperatureSensor::LM75, TemperatureSensor::WB2, TemperatureSensor::WB3}) {
        names.attach(NamePlace::GaugeCaption, namedItem(sensor),
                     [this, sensor](const std::string& name) { m_gaugeColumn->setName(sensor, name); });
    }
    for (const Fan fan : {Fan::Fan1, Fan::Fan2, Fan::Fan3}) {
        names.attach(NamePlace::FanNameLabel, namedItem(fan), [this, fan](const std::string& name) {
            if (m_readingsGroups != nullptr) {
                m_readingsGroups->setFanName(fan, name);
            }
        });
    }
}

void MainWindow::showCompact()
{
    m_state.showCompact(screenSize());
    applyState();
    raise();
}

void MainWindow::hideToTray()
{
    m_state.hideToTray();
    applyState();
    processPendingMessages();
}

void MainWindow::toggleMode()
{
    hideToTray();
    processPendingMessages();
    if (m_state.expanded()) {
        showCompact();
    } else {
        showExpanded();
    }
}

void MainWindow::openFromTray()
{
    if (m_state.doubleClickSmall()) {
        showCompact();
    } else {
        showExpanded();
    }
}

void MainWindow::setStayOnTop(bool on)
{
    m_state.setStayOnTop(on);
    applyState();
}

void MainWindow::showTaskbarButton(bool on)
{
    m_state.setTaskbarButton(on);
    applyState();
}

void MainWindow::processPendingMessages()
{
    QCoreApplication::processEvents();
}

void MainWindow::restackGauges()
{
    const GaugeStack stack = m_gaugeColumn->restack(m_switches.panelsVisible());
    m_state.setCompactHeight(stack.compactHeight);
}

void MainWindow::applySensorSwitches(bool chipDetected)
{
    m_switches.applyAtStartUp(chipDetected);
}

void MainWindow::toggleScale()
{
    m_parts.pollCycle.toggleScale();
    refreshUnitButton();
}

void MainWindow::refreshUnitButton()
{
    m_unitButton->setText(QString::fromStdString(m_parts.pollCycle.scaleCaption()));
}

void MainWindow::showStartPage()
{
    const int tab = m_parts.settings.tabOnTop;
    if (tab >= 0 && tab < PageCount && m_pageControl != nullptr) {
        m_pageControl->setCurrentIndex(tab);
    }
}

void MainWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMinimized)) {
        // Minimising hides the window to the notification area.
        setWindowState(windowState() & ~Qt::WindowMinimized);
        QTimer::singleShot(0, this, [this] { hideToTray(); });
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Closing the window from its frame ends the program, as "Exit" does.
    if (m_parts.exit) {
        event->ignore();
        m_parts.exit();
        return;
    }
    QWidget::closeEvent(event);
}

void MainWindow::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    if (!m_applying && isVisible() && !desktopPlacesWindows()) {
        // The event tells where the inside went; the state keeps (and the
        // window is moved by) the position of the frame.
        m_state.moved(x(), y());
    }
}

} // namespace cdx
