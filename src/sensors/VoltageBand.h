#pragma once

namespace cdx {

// The allowed range of a voltage: nominal - margin to nominal + margin. A value
// on an edge is inside.
class VoltageBand {
public:
    VoltageBand(double nominal, double margin);
    // The band from `low` to `high` (either order).
    static VoltageBand between(double low, double high);

    double low() const { return m_low; }
    double high() const { return m_high; }
    bool contains(double value) const;

    bool operator==(const VoltageBand&) const = default;

private:
    double m_low;
    double m_high;
};

} // namespace cdx
