// Usage: caldrix_driver_probe DRIVER-LIBRARY
// Binds the library as the program does and prints "Export value" per reading.

#include <cstdio>
#include <string>

#include "platform/linux/DriverLoader.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DRIVER-LIBRARY\n", argv[0]);
        return 2;
    }
    const cdx::DriverLoader loader(".");
    cdx::SensorDriverBinding binding = loader.bindDriverLibrary(argv[1]);
    if (!binding) {
        std::fprintf(stderr, "%s\n", binding.error.c_str());
        return 1;
    }
    cdx::SensorDriver& d = *binding.driver;
    std::printf("CheckLM78 %d\n", d.CheckLM78() ? 1 : 0);
    d.RestartLM78();
    std::printf("GetChipID %d\n", d.GetChipID());
    std::printf("GetFanDivide1 %d\nGetFanDivide2 %d\n", d.GetFanDivide1(), d.GetFanDivide2());
    std::printf("GetLM78Fan1 %d\nGetLM78Fan2 %d\nGetLM78Fan3 %d\n", d.GetLM78Fan1(), d.GetLM78Fan2(), d.GetLM78Fan3());
    std::printf("GetLM78Temp %d\nGetLM75TempAsusTX %d\n", d.GetLM78Temp(), d.GetLM75TempAsusTX());
    std::printf("GetWinBondSensor2 %.17g\nGetWinBondSensor3 %.17g\n", d.GetWinBondSensor2(), d.GetWinBondSensor3());
    std::printf("GetLM78Core0 %.17g\nGetLM78Core1 %.17g\n", d.GetLM78Core0(), d.GetLM78Core1());
    std::printf("GetLM78Pos33v %.17g\nGetLM78Pos5v %.17g\nGetLM78Pos12v %.17g\n", d.GetLM78Pos33v(), d.GetLM78Pos5v(),
                d.GetLM78Pos12v());
    std::printf("GetLM78Neg12v %.17g\nGetLM78Neg5v %.17g\n", d.GetLM78Neg12v(), d.GetLM78Neg5v());
    return 0;
}
