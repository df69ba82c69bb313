#include "settings/SettingsStore.h"

#include <algorithm>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <memory>
#include <optional>
#include <ostream>
#include <vector>

#include "platform/ProgramLocation.h"
#include "platform/Registry.h"
#include "platform/RegistryError.h"
#include "platform/RegistryKey.h"
#include "sensors/Formats.h"
#include "settings/ColourText.h"

namespace cdx {
namespace {

std::vector<std::uint8_t> encodeDouble(double value)
{
    const auto bits = std::bit_cast<std::uint64_t>(value);
    std::vector<std::uint8_t> bytes(8);
    for (std::size_t i = 0; i < 8; ++i) {
        bytes[i] = static_cast<std::uint8_t>(bits >> (8 * i));
    }
    return bytes;
}

double decodeDouble(const std::vector<std::uint8_t>& bytes)
{
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < 8; ++i) {
        bits |= static_cast<std::uint64_t>(bytes[i]) << (8 * i);
    }
    return std::bit_cast<double>(bits);
}

// A gauge keeps its scale in single precision and needs it above 0.
float narrowGaugeScale(double value, double fallback)
{
    if (std::isnan(value)) {
        value = fallback;
    }
    if (value > static_cast<double>(FLT_MAX)) {
        return FLT_MAX;
    }
    const auto scale = static_cast<float>(value);
    return scale > 0.0f ? scale : 1.0f;
}

// A float setting as its editor could have left it: NaN takes the default, a
// value beyond a bound takes the bound. Steps of 0.1 may end a rounding error
// past a bound; such a value is the editor's own and stays.
double boundedFloat(const SettingRow& row, double value)
{
    if (std::isnan(value)) {
        return std::get<double>(row.defaultValue);
    }
    constexpr double kRounding = 1e-9;
    if (value < row.lowest - kRounding) {
        return row.lowest;
    }
    if (value > row.highest + kRounding) {
        return row.highest;
    }
    return value;
}

void reportAdjusted(std::ostream& messages, const SettingRow& row, double stored, double used)
{
    messages << "Caldrix: setting \"" << row.name << "\" holds " << stored << ", which its editor cannot give; using "
             << used << '\n';
}

std::optional<std::uint32_t> readDword(const RegistryKey& key, std::string_view name)
{
    const auto value = key.readValue(name);
    if (!value || value->type != RegistryType::Dword) {
        return std::nullopt;
    }
    return value->dword;
}

// An absent string reads as empty; one stored with another type is unreadable.
std::optional<std::string> readText(const RegistryKey& key, std::string_view name)
{
    const auto value = key.readValue(name);
    if (!value) {
        return std::string();
    }
    if (value->type != RegistryType::String && value->type != RegistryType::ExpandString) {
        return std::nullopt;
    }
    return value->text;
}

void fillEmptyNames(Settings& settings)
{
    for (const SettingRow& row : settingsSchema()) {
        if (row.rule == LoadRule::Name) {
            std::string& name = std::get<StringField>(row.field)(settings);
            if (name.empty()) {
                name = std::get<std::string_view>(row.defaultValue);
            }
        }
    }
}

bool isLastName(const SettingRow& row)
{
    const auto schema = settingsSchema();
    return row.rule == LoadRule::Name && (static_cast<std::size_t>(row.position) >= schema.size() ||
                                          schema[static_cast<std::size_t>(row.position)].rule != LoadRule::Name);
}

void setBool(const SettingRow& row, Settings& settings, bool on)
{
    std::get<BoolField>(row.field)(settings) = on;
    if (on && row.radioGroup != 0) {
        for (const SettingRow& other : settingsSchema()) {
            if (other.radioGroup == row.radioGroup && other.position != row.position) {
                std::get<BoolField>(other.field)(settings) = false;
            }
        }
    }
}

void setInt(const SettingRow& row, Settings& settings, int value, std::ostream& messages)
{
    const int stored = value;
    value = std::clamp(value, row.minimum, row.maximum);
    if (value != stored) {
        reportAdjusted(messages, row, stored, value);
    }
    std::get<IntField>(row.field)(settings) = value;
    switch (row.rule) {
    case LoadRule::CpuType:
        if (value == AmdCpuOffset) {
            settings.cpuPreset = CpuPreset::Amd;
        } else if (value == CyrixCpuOffset) {
            settings.cpuPreset = CpuPreset::Cyrix;
        }
        break;
    case LoadRule::CustomCpuOffset:
        if (settings.customCpu) {
            settings.cpuOffset = value;
        }
        break;
    default:
        break;
    }
}

void setText(const SettingRow& row, Settings& settings, std::string text)
{
    if (row.rule == LoadRule::FontName && text.empty()) {
        return;
    }
    std::get<StringField>(row.field)(settings) = std::move(text);
    if (isLastName(row)) {
        fillEmptyNames(settings);
    }
}

// Reads one row and applies it; false when the value is unreadable.
bool loadRow(const RegistryKey& key, const SettingRow& row, Settings& settings, std::ostream& messages)
{
    switch (row.kind) {
    case SettingKind::Bool: {
        const auto dword = readDword(key, row.name);
        if (!dword) {
            return false;
        }
        setBool(row, settings, *dword != 0);
        return true;
    }
    case SettingKind::Int: {
        const auto dword = readDword(key, row.name);
        if (!dword) {
            return false;
        }
        setInt(row, settings, static_cast<std::int32_t>(*dword), messages);
        return true;
    }
    case SettingKind::Float: {
        const auto value = key.readValue(row.name);
        if (!value || value->type != RegistryType::Binary || value->bytes.size() != 8) {
            return false;
        }
        const double number = decodeDouble(value->bytes);
        if (row.rule == LoadRule::GaugeScale) {
            const float scale = narrowGaugeScale(number, std::get<double>(row.defaultValue));
            const bool editorValue = number > 0.0 && number <= static_cast<double>(FLT_MAX) && scale > 0.0f;
            if (!editorValue) {
                reportAdjusted(messages, row, number, static_cast<double>(scale));
            }
            std::get<GaugeField>(row.field)(settings) = scale;
        } else {
            const double bounded = boundedFloat(row, number);
            if (!(bounded == number)) {
                reportAdjusted(messages, row, number, bounded);
            }
            std::get<DoubleField>(row.field)(settings) = bounded;
        }
        return true;
    }
    case SettingKind::String: {
        auto text = readText(key, row.name);
        if (!text) {
            return false;
        }
        setText(row, settings, std::move(*text));
        return true;
    }
    case SettingKind::Colour: {
        const auto text = readText(key, row.name);
        const auto colour = text ? colourFromText(*text) : std::nullopt;
        if (!colour) {
            return false;
        }
        std::get<ColourField>(row.field)(settings) = *colour;
        return true;
    }
    }
    return false;
}

void saveRow(RegistryKey& key, const SettingRow& row, Settings& settings, const ProgramLocation& location)
{
    const std::string_view name = row.writtenName();
    switch (row.kind) {
    case SettingKind::Bool:
        key.writeDword(name, std::get<BoolField>(row.field)(settings) ? 1 : 0);
        break;
    case SettingKind::Int:
        key.writeDword(name, static_cast<std::uint32_t>(std::get<IntField>(row.field)(settings)));
        break;
    case SettingKind::Float:
        if (row.rule == LoadRule::GaugeScale) {
            key.writeBinary(name, encodeDouble(static_cast<double>(std::get<GaugeField>(row.field)(settings))));
        } else {
            key.writeBinary(name, encodeDouble(std::get<DoubleField>(row.field)(settings)));
        }
        break;
    case SettingKind::String:
        if (row.rule == LoadRule::ProgramPath) {
            key.writeString(name, location.shortPathName(location.executablePath()));
        } else {
            key.writeString(name, std::get<StringField>(row.field)(settings));
        }
        break;
    case SettingKind::Colour:
        key.writeString(name, colourToText(std::get<ColourField>(row.field)(settings)));
        break;
    }
}

} // namespace

SettingsStore::SettingsStore(Registry& registry, const ProgramLocation& location, std::ostream& messages)
    : m_registry(registry), m_location(location), m_messages(messages)
{
}

SettingsLoad SettingsStore::readRegistry(Settings& settings, const RowApplied& onApplied) const
{
    SettingsLoad load;
    std::unique_ptr<RegistryKey> key;
    try {
        key = m_registry.openKey(RootKey::CurrentUser, kSettingsKeyPath, false);
    } catch (const RegistryError&) {
        return load;
    }
    if (!key) {
        return load;
    }
    load.keyExisted = true;
    try {
        for (const SettingRow& row : settingsSchema().first(kLoadedRowCount)) {
            if (!loadRow(*key, row, settings, m_messages)) {
                break;
            }
            ++load.rowsLoaded;
            if (onApplied) {
                onApplied(row, settings);
            }
        }
    } catch (const RegistryError&) {
        // An unreadable key ends the load like an unreadable value.
    }
    // Rows added later stand apart from the stop above: each is read on its
    // own, an unreadable one keeping what it held.
    for (const SettingRow& row : settingsSchema().subspan(kLoadedRowCount + 1)) {
        try {
            if (loadRow(*key, row, settings, m_messages) && onApplied) {
                onApplied(row, settings);
            }
        } catch (const RegistryError&) {
            // This row alone stays as it was.
        }
    }
    // A load that stopped among the names must not leave one of them empty.
    fillEmptyNames(settings);
    try {
        key->close();
    } catch (const RegistryError&) {
        // Nothing was written; there is nothing to lose.
    }
    return load;
}

void SettingsStore::writeRegistry(Settings& settings, int windowLeft, int windowTop)
{
    if (windowLeft > kParkedLeft) {
        settings.windowLeft = windowLeft;
        settings.windowTop = windowTop;
    }
    auto key = m_registry.openKey(RootKey::CurrentUser, kSettingsKeyPath, true);
    try {
        for (int position : settingsSaveOrder()) {
            saveRow(*key, settingRow(position), settings, m_location);
        }
    } catch (const RegistryError&) {
        // Half a save would leave values of two different sessions side by
        // side: nothing is stored.
        key->discard();
        throw;
    }
    key->close();
}

void SettingsStore::writeProgramPath()
{
    auto key = m_registry.openKey(RootKey::CurrentUser, kSettingsKeyPath, true);
    Settings unused;
    saveRow(*key, programPathRow(), unused, m_location);
    key->close();
}

} // namespace cdx
