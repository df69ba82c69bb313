#include "settings/Settings.h"

#include <type_traits>
#include <variant>

#include "settings/ColourText.h"
#include "settings/SettingsSchema.h"

namespace cdx {

Settings::Settings()
{
    for (const SettingRow& row : settingsSchema()) {
        std::visit(
            [&](auto accessor) {
                using Accessor = decltype(accessor);
                if constexpr (std::is_same_v<Accessor, BoolField>) {
                    accessor(*this) = std::get<bool>(row.defaultValue);
                } else if constexpr (std::is_same_v<Accessor, IntField>) {
                    accessor(*this) = std::get<int>(row.defaultValue);
                } else if constexpr (std::is_same_v<Accessor, DoubleField>) {
                    accessor(*this) = std::get<double>(row.defaultValue);
                } else if constexpr (std::is_same_v<Accessor, GaugeField>) {
                    accessor(*this) = static_cast<float>(std::get<double>(row.defaultValue));
                } else if constexpr (std::is_same_v<Accessor, StringField>) {
                    accessor(*this) = std::get<std::string_view>(row.defaultValue);
                } else if constexpr (std::is_same_v<Accessor, ColourField>) {
                    accessor(*this) = colourFromText(std::get<std::string_view>(row.defaultValue)).value_or(0);
                }
            },
            row.field);
    }
}

} // namespace cdx
