/* A sensor driver with every export but GetChipID. */
#include <stdbool.h>
#include <stdint.h>

bool CheckLM78(void)
{
    return true;
}
void RestartLM78(void)
{
}
int32_t GetFanDivide1(void)
{
    return 2;
}
int32_t GetFanDivide2(void)
{
    return 2;
}
int32_t GetLM78Fan1(void)
{
    return 2;
}
int32_t GetLM78Fan2(void)
{
    return 2;
}
int32_t GetLM78Fan3(void)
{
    return 2;
}
int32_t GetLM78Temp(void)
{
    return 2;
}
int32_t GetLM75TempAsusTX(void)
{
    return 2;
}
double GetWinBondSensor2(void)
{
    return 1.0;
}
double GetWinBondSensor3(void)
{
    return 1.0;
}
double GetLM78Core0(void)
{
    return 1.0;
}
double GetLM78Core1(void)
{
    return 1.0;
}
double GetLM78Pos33v(void)
{
    return 1.0;
}
double GetLM78Pos5v(void)
{
    return 1.0;
}
double GetLM78Pos12v(void)
{
    return 1.0;
}
double GetLM78Neg12v(void)
{
    return 1.0;
}
double GetLM78Neg5v(void)
{
    return 1.0;
}
void StartPCSpeaker(uint16_t divisor)
{
    (void)divisor;
}
void StopPCSpeaker(void)
{
}
