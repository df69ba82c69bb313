#include "logs/IntervalLogFormat.h"

#include <array>
#include <cstddef>

#include "logs/LogText.h"
#include "sensors/Formats.h"

namespace cdx {
namespace {

constexpr std::string_view LineEnd = "\r\n";

constexpr std::string_view TxtFrame =
    "+--------+--------+-------+-----------------------------------------------+------"
    "---------------------------+-----------------------------+";
constexpr std::string_view TxtGroups = "|        |        |       |                  Temperature                  |    "
                                       "         Voltages            |              Fans           |";
constexpr std::string_view TxtRule = "+--------+--------+-------+-----------+-----------+-----------+-----------+----+"
                                     "----+----+-----+-----+------+---------+---------+---------+";

// The TXT column widths of the sixteen fields.
constexpr std::array<std::size_t, IntervalLogEntry::FieldCount> TxtWidths{8, 8, 7, 11, 11, 11, 11, 4,
                                                                          4, 4, 5, 5,  6,  9,  9,  9};

std::string cell(std::string_view text, std::size_t width)
{
    return padRight(cleanLogField(text), width) + "|";
}

std::string plusCustom33(const IntervalLogNames& names, std::string_view decimalSeparator)
{
    std::string text = "+";
    text += formatGeneral(names.custom33, decimalSeparator);
    return text;
}

std::string htmCell(std::string_view text)
{
    return "<td>" + htmlLogField(text) + "</td>";
}

} // namespace

std::string IntervalLogFormat::txtHeader(const IntervalLogNames& names, std::string_view decimalSeparator)
{
    const auto& s = names.sensors;
    const auto& f = names.fans;
    std::string text;
    text.append(TxtFrame).append(LineEnd);
    text.append(TxtGroups).append(LineEnd);
    text.append(TxtRule).append(LineEnd);
    text += "|  Date  |  Time  | Speed |" + cell(s[1], 11) + cell(s[0], 11) + cell(s[2], 11) + cell(s[3], 11) +
            "Core|" + cell(plusCustom33(names, decimalSeparator), 4) + " +5 | -5  | +12 | -12  |" + cell(f[0], 9) +
            cell(f[1], 9) + cell(f[2], 9);
    text.append(LineEnd);
    text.append(TxtRule).append(LineEnd);
    return text;
}

std::string IntervalLogFormat::htmHeader(const IntervalLogNames& names)
{
    const auto& s = names.sensors;
    const auto& f = names.fans;
    std::string text = "<html>\r\n<body bgcolor=\"#FFFFFF\">\r\n<table border=\"1\" width=\"1000\">\r\n";
    text += "<tr><td>Date</td><td>Time</td><td>Speed</td>" + htmCell(s[1]) + htmCell(s[0]) + htmCell(s[2]) +
            htmCell(s[3]) + "<td>Core</td><td>+3.3</td><td>+5</td><td>-5</td><td>+12</td><td>-12</td>" + htmCell(f[0]) +
            htmCell(f[1]) + htmCell(f[2]) + "</tr>";
    text.append(HtmlTrailer).append(LineEnd);
    return text;
}

std::string IntervalLogFormat::csvHeader(const IntervalLogNames& names, std::string_view decimalSeparator)
{
    const auto& s = names.sensors;
    const auto& f = names.fans;
    std::string text = "Date;Time;Speed;" + cleanLogField(s[1]) + ";" + cleanLogField(s[0]) + ";" +
                       cleanLogField(s[2]) + ";" + cleanLogField(s[3]) + ";Core;" +
                       cleanLogField(plusCustom33(names, decimalSeparator)) +
                       " Volt;+5 Volt;-5 Volt;+12 Volt;-12 Volt;" + cleanLogField(f[0]) + ";" + cleanLogField(f[1]) +
                       ";" + cleanLogField(f[2]);
    text.append(LineEnd);
    return text;
}

std::string IntervalLogFormat::txtRow(const IntervalLogEntry& entry)
{
    std::string text = "|";
    for (std::size_t i = 0; i < IntervalLogEntry::FieldCount; ++i) {
        text += cell(entry.fields[i], TxtWidths[i]);
    }
    text.append(LineEnd);
    return text;
}

std::string IntervalLogFormat::htmRow(const IntervalLogEntry& entry)
{
    std::string text = "<tr>";
    for (const std::string& field : entry.fields) {
        text += htmCell(field);
    }
    text.append(HtmlTrailer).append(LineEnd);
    return text;
}

std::string IntervalLogFormat::csvRow(const IntervalLogEntry& entry)
{
    std::string text;
    for (std::size_t i = 0; i < IntervalLogEntry::FieldCount; ++i) {
        if (i > 0) {
            text += ';';
        }
        text += cleanLogField(entry.fields[i]);
    }
    text.append(LineEnd);
    return text;
}

} // namespace cdx
