#pragma once

#include <QWidget>

class QLabel;

namespace cdx {

class CpuIdleCompanion;

// The CPU Idle program's small window, titled "CPUIdle": the temperature
// Caldrix last reported and what became of the processor's clock limit.
// Closing it ends the program.
class CompanionWindow : public QWidget {
    Q_OBJECT
public:
    explicit CompanionWindow(CpuIdleCompanion& companion, QWidget* parent = nullptr);

    // Shows the companion's current texts.
    void refresh();

private:
    CpuIdleCompanion& m_companion;
    QLabel* m_temperature = nullptr;
    QLabel* m_cap = nullptr;
};

} // namespace cdx
