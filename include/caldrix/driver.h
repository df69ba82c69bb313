/*
 * The C interface of the two libraries Caldrix loads at start-up: the sensor
 * driver and the system information library. Both are shared libraries found
 * in the program's library folder (lib/caldrix); the program binds every
 * function below by name with dlopen/dlsym, and a library lacking one of them
 * is not used.
 *
 * All functions are called from one thread (the program's GUI thread), one at
 * a time. None of them may block for long: the program calls the driver's
 * readers every few seconds.
 */
#ifndef CALDRIX_DRIVER_H
#define CALDRIX_DRIVER_H

#include <stdbool.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* ------------------------------------------------------------------------
 * Sensor driver
 * ------------------------------------------------------------------------ */

/* Whether a monitoring chip is present. Called once at start-up. When false,
 * the program never reads voltages or fans and switches the motherboard
 * temperature off. */
bool CheckLM78(void);

/* Starts the chip's monitoring. Called once at start-up, after CheckLM78,
 * whatever that returned. */
void RestartLM78(void);

/* The divisors of fan 1 and fan 2, read once right after RestartLM78. The
 * program divides by them as they are; fan 3 has none. */
int32_t GetFanDivide1(void);
int32_t GetFanDivide2(void);

/* The fan counts, read at every poll while the chip is present. 255 means
 * "no reading"; the speed in RPM is (675000 / divisor) / count for fans 1 and
 * 2 and 675000 / count for fan 3 (integer divisions, halved again for fans
 * with two pulses per turn). */
int32_t GetLM78Fan1(void);
int32_t GetLM78Fan2(void);
int32_t GetLM78Fan3(void);

/* The motherboard temperature in whole degrees Celsius. */
int32_t GetLM78Temp(void);

/* The processor temperature in whole degrees Celsius, before the program adds
 * the offset of the processor type. 10 or less means "no sensor". */
int32_t GetLM75TempAsusTX(void);

/* Temperature sensors 2 and 3 in degrees Celsius; may carry a fraction. */
double GetWinBondSensor2(void);
double GetWinBondSensor3(void);

/* The processor core voltage at port 0 and port 1, in volts. */
double GetLM78Core0(void);
double GetLM78Core1(void);

/* The supply rails in volts; the negative rails are negative. */
double GetLM78Pos33v(void);
double GetLM78Pos5v(void);
double GetLM78Pos12v(void);
double GetLM78Neg12v(void);
double GetLM78Neg5v(void);

/* The chip's identity: 16 a Winbond W83781D, 45 an LM78, any other value no
 * identified chip. */
int32_t GetChipID(void);

/* Sounds a tone on the PC speaker until StopPCSpeaker. The argument divides
 * the 1193181 Hz timer clock (the tone's frequency is 1193181 / divisor Hz;
 * 0 is taken as 1). A machine without a speaker stays silent. */
void StartPCSpeaker(uint16_t divisor);

/* Silences the tone; harmless when none sounds. */
void StopPCSpeaker(void);

/* Optional. Why the driver cannot serve readings (for example a scenario file
 * it could not read), or NULL when it can. The text is owned by the library
 * and stays valid until the library is unloaded. The program checks it once,
 * right after binding, and does not start with a driver that reports one. */
const char* CdxLastError(void);

/* The readings, numbered as the bits of CdxAvailableReadings' mask and as the
 * argument of CdxReadingSource. */
enum {
    CDX_READING_TEMP = 0,  /* GetLM78Temp: the motherboard temperature */
    CDX_READING_LM75 = 1,  /* GetLM75TempAsusTX: the processor temperature */
    CDX_READING_WB2 = 2,   /* GetWinBondSensor2 */
    CDX_READING_WB3 = 3,   /* GetWinBondSensor3 */
    CDX_READING_CORE0 = 4, /* GetLM78Core0 */
    CDX_READING_CORE1 = 5, /* GetLM78Core1 */
    CDX_READING_POS33 = 6, /* GetLM78Pos33v */
    CDX_READING_POS5 = 7,  /* GetLM78Pos5v */
    CDX_READING_POS12 = 8, /* GetLM78Pos12v */
    CDX_READING_NEG12 = 9, /* GetLM78Neg12v */
    CDX_READING_NEG5 = 10, /* GetLM78Neg5v */
    CDX_READING_FAN1 = 11, /* GetLM78Fan1 */
    CDX_READING_FAN2 = 12, /* GetLM78Fan2 */
    CDX_READING_FAN3 = 13, /* GetLM78Fan3 */
    CDX_READING_COUNT = 14
};

/* Optional. Which readings come from an input the driver identified: bit N
 * (1u << CDX_READING_...) set for each. The program shows every other
 * reading as not available, checks no alarm band for it, logs it as "N/A" and
 * keeps no statistics of it. A fan whose bit is set but whose count is 255 is
 * present and standing still. Called after RestartLM78 and at every poll; a
 * driver without this export serves every reading. */
uint32_t CdxAvailableReadings(void);

/* Optional. true when GetLM75TempAsusTX returns the processor's own reading,
 * which is already its true temperature (a package sensor): the program then
 * adds no offset of the processor type. A driver without this export, or
 * returning false, gets the offset added. */
bool CdxCpuTemperatureIsTrue(void);

/* Optional. Where a reading (a CDX_READING_ number) comes from, in words for
 * the user: the chip and input ("nct6775-isa-0290 in3 \"+3.3V\""), or
 * "not available: " and why. NULL for a number out of range. The text is
 * owned by the library and stays valid until the next call of any export of
 * the driver. */
const char* CdxReadingSource(int32_t reading);

/* Optional. Every input the driver can read, one a line, each line
 * "<chip>/<feature>\t<kind>\t<label>\t<value>\t<readings>\n": the chip and feature as
 * `sensors` prints them ("nvme-pci-0100/temp1"), the kind "temp", "in" or
 * "fan", the label (tabs and line breaks in it turned into blanks; the
 * feature's name where it has none) and the value now in degrees Celsius,
 * volts or RPM, written with a "." whatever the locale, and the readings it
 * serves now as CDX_READING_ numbers separated by commas (empty for none). Returns the empty
 * text when there is none, never NULL. The text is owned by the library and
 * stays valid until the next call of any export of the driver. */
const char* CdxInputs(void);

/* Optional. Binds reading `reading` (a CDX_READING_ number) to the input
 * `source` ("<chip>/<feature>" as CdxInputs names it): from the next reading
 * on it comes from that input and nothing else, after sensors.conf's compute
 * rules; while the input is not reported the reading is not available (see
 * CdxAvailableReadings; CdxReadingSource says why). NULL or "" returns the
 * reading to the driver's own choice. The driver copies the text; the caller
 * keeps ownership of `source`. A fan bound to another input may change the
 * divisor GetFanDivide1/2 return: the program reads them again after binding.
 * Returns 0 on success, -1 for a number out of range or a source that cannot
 * name an input (no "/", a tab or line break, longer than 255 bytes), leaving
 * the binding as it was. */
int32_t CdxBindReading(int32_t reading, const char* source);

/* Optional. The alarm limits the chip reports for the input a voltage reading
 * comes from (inN_min and inN_max after the compute rules, set by the BIOS
 * or by a `set` statement of sensors.conf): true with *low and *high written,
 * false, leaving them untouched, for a reading out of range, a NULL pointer,
 * a reading without an input, or limits the chip does not report or that
 * make no band (0 or below, or low not below high). The pointers are the
 * caller's. */
bool CdxReadingLimits(int32_t reading, double* low, double* high);

/* Optional. The driver's version, for example "0.1.0": a text owned by the
 * library, valid until it is unloaded. A driver without this export has no
 * version to report. */
const char* CdxDriverVersion(void);

/* ------------------------------------------------------------------------
 * System information library
 * ------------------------------------------------------------------------ */

/* The processor clock in MHz. */
int32_t ClockRate(void);

/* The percentage of physical memory in use, 0 to 100. */
int32_t MemoryUse(void);

/* Total and available physical memory in bytes, as 32-bit values: a larger
 * memory wraps around (only the low 32 bits are returned). */
int32_t TotalPhysicalMemory(void);
int32_t AvailablePhysicalMemory(void);

/* Writes the name of the user running the program into `buffer`, a 256-byte
 * buffer owned by the caller: byte 0 holds the length (0 to 255), the UTF-8
 * bytes of the name follow, without a terminating zero. A longer name is cut
 * to 255 bytes at a character boundary. */
void GetCurrentUserName(unsigned char* buffer);

#ifdef __cplusplus
}
#endif

#endif /* CALDRIX_DRIVER_H */
