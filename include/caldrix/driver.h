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
