#pragma once

#include <array>
#include <string>

namespace cdx {

// The settings of the logs, named by their registry values. The window owns
// one record and the log classes read it (and change the few values their
// controls edit) through a reference.
struct LogOptions {
    bool intervalLogOn = false;    // "Log File": the box "Write Interval Log"
    int intervalMs = 60000;        // "Log File Interval": whole minutes from 1 to 200, in ms
    int sizeMaxKb = 64;            // "Log File Size Max": multiple of 4 from 0 to 1000
    bool intervalTxt = true;       // "Log Files TXT"
    bool intervalHtm = true;       // "Log Files HTM"
    bool intervalCsv = false;      // "Log Files CSV"
    bool warnUpDownTxt = true;     // "Warn/UpDown Files TXT"
    bool warnUpDownHtm = true;     // "Warn/UpDown Files HTM"
    bool writeErrors = false;      // "Write Errors": callers test it before WriteErrorLog
    bool saveUpDownOnExit = false; // "Save Up and Down on Exit"
};

// The names the interval log's headers carry, as they are set now.
struct IntervalLogNames {
    // "VUM 1 Name" to "VUM 4 Name": the gauges WB1, LM75, WB2, WB3.
    std::array<std::string, 4> sensors{"Motherboard", "CPU LM75", "WB Sensor 2", "WB Sensor 3"};
    // "Fan 1 Name" to "Fan 3 Name".
    std::array<std::string, 3> fans{"Fan 1", "Fan 2", "Fan 3"};
    // "3.3 Custom Value": the nominal +3.3 voltage in volts.
    double custom33 = 3.3;
};

} // namespace cdx
