#pragma once

#include <array>
#include <functional>
#include <memory>

#include <QToolButton>
#include <QWidget>

#include "presentation/QuickCheck.h"
#include "presentation/ReadingsPanel.h"
#include "presentation/SensorNames.h"
#include "presentation/SensorSwitches.h"
#include "presentation/WindowState.h"
#include "ui/PageControl.h"
#include "ui/PopupMenu.h"

namespace cdx {

class GaugeColumn;
class GaugeSet;
class InformationDialog;
class MonitorTimers;
class PollCycle;
class ReadingsGroups;
class Shell;
class UpDownStatistics;
struct Settings;

// The main window (`TForm1`): the gauge column with the unit and mode
// buttons, the "Voltage Monitor" and "Fan Speed /RPM" groups and the page
// control with the nine settings pages. It is shown compact (the gauge column
// only, on top of other windows, no taskbar button), expanded (the whole
// window, a normal window) or hidden to the notification area (parked at left
// -5000, invisible). Minimising hides it.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    // The pages of the page control, in tab order.
    enum Page { General, Temperatures, Voltages, Fans, Compensation, Visual, Log, UpDown, CPUIdle, PageCount };

    struct Parts {
        Settings& settings;
        GaugeSet& gauges;
        ReadingsPanel& readings;
        UpDownStatistics& statistics;
        PollCycle& pollCycle;
        MonitorTimers& timers;
        PopupMenu::LogActions log;
        // The "Exit" item; none: the window closes.
        std::function<void()> exit;
        // One LM75 reading through the driver, taken when its switch goes on.
        std::function<void()> readLm75;
        // The sensor's tray boxes changed (a sensor switch went off or on).
        std::function<void(TemperatureSensor)> trayBoxesChanged;
        // The tray's suspended look, and its return at resume.
        std::function<void()> suspendTray;
        std::function<void()> restoreTray;
        // Opens the CD tray for the joke item; none: the item does nothing.
        Shell* shell = nullptr;
    };

    explicit MainWindow(Parts parts, QWidget* parent = nullptr);
    ~MainWindow() override;

    // --- Display states
    // "Show & Expand", "Show" and "Hide" of the popup menu.
    void showExpanded(); // Show1Click
    void showCompact();  // Show2Click
    void hideToTray();   // Hide1Click
    // The mode button: between compact and expanded at the remembered place.
    void toggleMode(); // ModeButtonClick
    // A double click on any tray icon: compact or expanded by "Double Click
    // Small".
    void openFromTray(); // TrayIcon1DblClick
    // Run each time Show & Expand is about to show the window expanded: the
    // settings pages are built there the first time, and every page's
    // sub-page selector goes back to its first entry.
    void setOnExpanded(std::function<void()> handler) { m_onExpanded = std::move(handler); }
    // The user's names shown by the window itself: below each gauge and in
    // the fan group. `names` must outlive the window.
    void attachNames(SensorNames& names);

    // --- What the alarm dialog needs of the window
    // Hidden: parked off-screen (deliberately hides QWidget::isHidden, which
    // would not tell a parked window from one merely not yet shown).
    bool isHidden() const { return m_state.isHidden(); }
    void setStayOnTop(bool on);
    // On Linux a window without a taskbar button is a tool window.
    void showTaskbarButton(bool on);
    void processPendingMessages();

    // --- Parts
    WindowState& displayState() { return m_state; }
    SensorSwitches& sensorSwitches() { return m_switches; }
    GaugeColumn& gaugeColumn() { return *m_gaugeColumn; }
    // The voltage and fan groups and the page control show only in the
    // expanded window and are made the first time they are needed.
    ReadingsGroups& readingsGroups();
    PopupMenu& popupMenu() { return *m_popupMenu; }
    // The menu the tray icons open.
    QMenu* popupQMenu() { return m_popupMenu->menu(); }
    // The Quick Check information dialog, made the first time it is needed.
    InformationDialog& informationDialog();
    PageControl& pageControl();
    QWidget& page(Page which) { return *pageControl().widget(which); }
    QToolButton& unitButton() { return *m_unitButton; }
    QToolButton& modeButton() { return *m_modeButton; }

    // Stacks the visible gauge panels and sets the compact
    // height.
    void restackGauges(); // SetVUMmeters
    // Shows what the settings feed (gauge scales, names, the voltage boxes,
    // the log items of the popup menu) again, after they were loaded.
    void applySettings();
    // Start-up: the four sensor switches take their stored state.
    void applySensorSwitches(bool chipDetected);
    // The unit button: switches the temperature scale.
    void toggleScale(); // SpeedButton2Click
    // Shows the unit button's caption after the scale changed elsewhere.
    void refreshUnitButton();
    // Makes the page of "Tab on Top" the current one (any other number leaves
    // the page as it is).
    void showStartPage(); // SetActiveTab
    // Another observer of the readings panel besides the window's groups.
    void setReadingsObserver(ReadingsPanel::Changed observer) { m_readingsObserver = std::move(observer); }

protected:
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    WindowState::Screen screenSize() const;
    void applyState();
    void buildExpandedPart();
    void buildPageControl();

    Parts m_parts;
    WindowState m_state;
    SensorSwitches m_switches;
    QuickCheck m_quickCheck;
    GaugeColumn* m_gaugeColumn = nullptr;
    ReadingsGroups* m_readingsGroups = nullptr;
    QToolButton* m_unitButton = nullptr;
    QToolButton* m_modeButton = nullptr;
    PageControl* m_pageControl = nullptr;
    InformationDialog* m_information = nullptr;
    std::unique_ptr<PopupMenu> m_popupMenu;
    std::function<void()> m_onExpanded;
    ReadingsPanel::Changed m_readingsObserver;
    bool m_applying = false;
};

} // namespace cdx
