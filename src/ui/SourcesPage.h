#pragma once

#include <array>
#include <string>

#include <QComboBox>
#include <QPushButton>
#include <QTableWidget>
#include <QWidget>

#include "sensors/SensorInput.h"
#include "sensors/SensorSlot.h"

namespace cdx {

class SensorSources;

// The "Sources" page: every input the driver reports (chip and feature,
// label, value, the slots it feeds) and, per slot, the input that feeds it,
// "Automatic" first. A choice is stored and read from the next poll on.
class SourcesPage : public QWidget {
    Q_OBJECT
public:
    // `decimalSeparator`: the user's, for the values shown.
    SourcesPage(SensorSources& sources, std::string decimalSeparator, QWidget* parent = nullptr);

    // Reads the inputs again and shows each slot's choice.
    void refresh();
    // Reads the inputs again for the table only, leaving the choices alone.
    void refreshValues();

    QTableWidget& inputTable() { return *m_table; }
    QComboBox& slotChoice(SensorSlot slot) { return *m_choices[static_cast<std::size_t>(slot)]; }
    QPushButton& refreshButton() { return *m_refresh; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void chosen(SensorSlot slot);
    void fillTable(const std::vector<SensorInput>& inputs);

    SensorSources& m_sources;
    std::string m_decimalSeparator;
    QTableWidget* m_table = nullptr;
    std::array<QComboBox*, SensorSlotCount> m_choices{};
    QPushButton* m_refresh = nullptr;
    bool m_filling = false;
};

} // namespace cdx
