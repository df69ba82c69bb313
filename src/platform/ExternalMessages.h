#pragma once

#include <cstdint>
#include <string_view>

namespace cdx {

// The messages Caldrix and the CPU Idle program exchange through the local
// message bus, numbered as the window messages they stand for.
namespace ExternalMessages {

// The endpoint each program holds while it runs: its window title.
inline constexpr std::string_view CaldrixEndpoint = "Caldrix";
inline constexpr std::string_view CpuIdleEndpoint = "CPUIdle";

// Does nothing; a send of it tells whether the endpoint is held.
inline constexpr std::uint32_t Probe = 0x0000;
// Asks the receiving program to close.
inline constexpr std::uint32_t Close = 0x0010;
// The first application-defined number, posted to CPU Idle after Close.
inline constexpr std::uint32_t App = 0x8000;

// Requests Caldrix accepts from any program of the user.
inline constexpr std::uint32_t Show = App + 400;
inline constexpr std::uint32_t ShowExpanded = App + 401;
inline constexpr std::uint32_t ReportTemperature = App + 402;
inline constexpr std::uint32_t ShowHistory = App + 403;

// Caldrix's answer to ReportTemperature, sent to CPU Idle: wParam is the
// sensor (0 WB1, 1 LM75, 2 WB2, 3 WB3), lParam its whole degrees Celsius.
inline constexpr std::uint32_t TemperatureReport = App + 400;

} // namespace ExternalMessages

} // namespace cdx
