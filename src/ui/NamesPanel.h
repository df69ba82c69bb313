#pragma once

#include <array>

#include <QLineEdit>
#include <QWidget>

#include "presentation/SensorNames.h"

namespace cdx {

// The "Names" page of the Visual tab: one edit per temperature (at most 11
// characters) and per fan (at most 9). Every change is shown at once in every
// place that names the item.
class NamesPanel : public QWidget {
    Q_OBJECT
public:
    // The names must outlive the panel.
    explicit NamesPanel(SensorNames& names, QWidget* parent = nullptr);

    QLineEdit& edit(NamedItem item) { return *m_edits[static_cast<std::size_t>(item)]; }

    // The edits show the stored names; nothing is propagated.
    void load();

private:
    SensorNames& m_names;
    std::array<QLineEdit*, 7> m_edits{};
};

} // namespace cdx
