#include "settings/SystemInfoText.h"

#include "settings/ProductInfo.h"

namespace cdx {

namespace {

constexpr std::int32_t WinbondChipId = 16;
constexpr std::int32_t Lm78ChipId = 45;

std::string kilobytes(std::int32_t bytes)
{
    // Integer division truncates toward zero, as the figure is meant to.
    return std::to_string(bytes / 1024);
}

} // namespace

std::string chipIdLine(std::int32_t chipId)
{
    if (chipId == WinbondChipId) {
        return "Chip ID: Winbond W83781D";
    }
    if (chipId == Lm78ChipId) {
        return "Chip ID: LM78";
    }
    return "Chip ID: " + std::to_string(chipId);
}

std::vector<std::string> systemInfoLines(const SystemInfoFacts& facts)
{
    return {
        std::string("Version ") + ProductInfo::kVersion,
        "CPU Speed: " + std::to_string(facts.cpuMhz) + " MHz",
        "User: " + facts.userName,
        std::to_string(facts.memoryUse) + "% of Memory in use",
        kilobytes(facts.totalPhysicalMemory) + " KB of Total Physical Memory",
        kilobytes(facts.availablePhysicalMemory) + " KB of Available Physical Memory",
        "CDX launched from: " + facts.executablePath,
        "CPUIdle detected at: " + facts.cpuIdlePath,
        chipIdLine(facts.chipId),
    };
}

std::string systemInfoClipboardText(const std::vector<std::string>& lines)
{
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i != 0) {
            text += "\r\n";
        }
        text += lines[i];
    }
    return text;
}

} // namespace cdx
