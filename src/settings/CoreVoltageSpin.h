#pragma once

#include <string>

namespace cdx {

// The core voltage arrows of the first-run settings dialog: steps of 0.1 V,
// up while below 5.0 V, down while above 0.5 V (a processor of today idles
// below 1 V). The value is kept in tenths,
// so that steps add up exactly and the ends are reached exactly.
class CoreVoltageSpin {
public:
    explicit CoreVoltageSpin(double volts);

    void up();
    void down();
    double volts() const { return m_tenths / 10.0; }

    // "Core Voltage: 2.8Volt", with the user's decimal separator.
    std::string caption(const std::string& decimalSeparator) const;

private:
    int m_tenths;
};

} // namespace cdx
