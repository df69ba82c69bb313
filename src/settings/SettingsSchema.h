#pragma once

#include <climits>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

#include "settings/Settings.h"

namespace cdx {

// How a value is stored: bool and int as DWORD (bool non-zero is on), float as
// 8 bytes of binary holding a little-endian IEEE double, string as text, colour
// as text in the colour text form (see ColourText.h).
enum class SettingKind { Bool, Int, Float, String, Colour };

// Handling a row gets beyond storing what was read.
enum class LoadRule {
    None,
    GaugeScale,      // narrowed to the gauge's single precision, kept above 0
    CpuType,         // 7 and 16 select the AMD and Cyrix buttons
    CustomCpu,       // selects the custom offset button
    CustomCpuOffset, // the custom offset takes effect when its button is selected
    Name,            // an empty name gets its default once the last name is read
    FontName,        // an empty font name leaves the face as it is
    ProgramPath,     // never read; written as the executable's short path
    OnItsOwn,        // read after the others whatever stopped them; unreadable keeps the default
};

// The member a row feeds, as an accessor of the record.
using BoolField = bool& (*)(Settings&);
using IntField = int& (*)(Settings&);
using DoubleField = double& (*)(Settings&);
using GaugeField = float& (*)(Settings&);
using StringField = std::string& (*)(Settings&);
using ColourField = std::uint32_t& (*)(Settings&);
using SettingField =
    std::variant<std::monostate, BoolField, IntField, DoubleField, GaugeField, StringField, ColourField>;

// A row's default: bool, int, double, or text for string and colour rows.
using SettingDefault = std::variant<std::monostate, bool, int, double, std::string_view>;

// The longest path a file dialog hands over, in characters. Stored text rows
// load whole whatever their length, up to the registry's value limit.
inline constexpr std::size_t kMaxTextLength = 255;

struct SettingRow {
    int position;          // load position, 1 = first read
    std::string_view name; // registry value name
    SettingKind kind;
    SettingDefault defaultValue;
    SettingField field;
    LoadRule rule = LoadRule::None;
    // Int rows: a stored number outside these bounds is brought to the nearest
    // one. Only bounds the editors never leave are set here, so whatever the
    // program writes reads back unchanged.
    int minimum = INT_MIN;
    int maximum = INT_MAX;
    // Float rows: the bounds of the value's editor. A stored value beyond them
    // is brought to the nearest one, a NaN to the default.
    double lowest = -HUGE_VAL;
    double highest = HUGE_VAL;
    // Rows holding the radio buttons of one group share a number > 0: a row read
    // as on turns the others of its group off.
    int radioGroup = 0;
    // The spelling the value is written under, when it differs from `name`.
    std::string_view saveName = {};

    std::string_view writtenName() const { return saveName.empty() ? name : saveName; }

    // Whether this row feeds `member` of `settings`.
    template <typename T> bool feeds(Settings& settings, const T& member) const
    {
        return std::visit(
            [&](auto accessor) {
                if constexpr (std::is_same_v<decltype(accessor), std::monostate>) {
                    return false;
                } else {
                    return static_cast<const void*>(&accessor(settings)) == static_cast<const void*>(&member);
                }
            },
            field);
    }
};

// Every stored value in load order; row n is at index n - 1. Row
// kLoadedRowCount + 1 (the program path) is written but never read; the rows
// after it are read on their own (LoadRule::OnItsOwn).
std::span<const SettingRow> settingsSchema();

// The number of rows the load reads (all but the program path).
inline constexpr int kLoadedRowCount = 172;

// Load positions in the order the save writes them; one row appears twice.
std::span<const int> settingsSaveOrder();

// The row at load position `position` (1-based).
const SettingRow& settingRow(int position);

// The row holding the executable's short path.
const SettingRow& programPathRow();

// The settings key below HKEY_CURRENT_USER.
inline constexpr std::string_view kSettingsKeyPath = "Software\\Caldrix";

// The autorun key below HKEY_LOCAL_MACHINE, the program's value in it, and the
// values older versions left there.
inline constexpr std::string_view kRunKeyPath = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr std::string_view kRunValueName = "Caldrix";
inline constexpr std::string_view kOldRunValueNames[] = {"Ondrel", "Ondrel 2.42", "Caldrix 2.42", "Caldrix 2.5"};

} // namespace cdx
