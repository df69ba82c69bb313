#include "settings/SettingsStore.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/RegistryError.h"
#include "platform/fake/FakeProgramLocation.h"
#include "platform/fake/FakeRegistry.h"
#include "settings/ColourText.h"

namespace cdx {
namespace {

constexpr RootKey kUser = RootKey::CurrentUser;

// Whether `row` feeds equal members in both records.
bool sameField(const SettingRow& row, Settings& a, Settings& b)
{
    return std::visit(
        [&](auto accessor) {
            if constexpr (std::is_same_v<decltype(accessor), std::monostate>) {
                return true;
            } else {
                return accessor(a) == accessor(b);
            }
        },
        row.field);
}

// Copies the member `row` feeds from one record into the other.
void copyField(const SettingRow& row, Settings& to, Settings& from)
{
    std::visit(
        [&](auto accessor) {
            if constexpr (!std::is_same_v<decltype(accessor), std::monostate>) {
                accessor(to) = accessor(from);
            }
        },
        row.field);
}

// A record that differs from the defaults in every row, as the editors could
// leave it.
Settings editedSettings()
{
    Settings s;
    for (const SettingRow& row : settingsSchema()) {
        std::visit(
            [&](auto accessor) {
                using Accessor = decltype(accessor);
                if constexpr (std::is_same_v<Accessor, BoolField>) {
                    accessor(s) = !accessor(s);
                } else if constexpr (std::is_same_v<Accessor, IntField>) {
                    accessor(s) = std::clamp(accessor(s) + 3, row.minimum, row.maximum);
                } else if constexpr (std::is_same_v<Accessor, DoubleField>) {
                    accessor(s) = std::min(accessor(s) + 0.5, row.highest);
                } else if constexpr (std::is_same_v<Accessor, GaugeField>) {
                    accessor(s) += 2.5f;
                } else if constexpr (std::is_same_v<Accessor, StringField>) {
                    accessor(s) = "text \xC2\xB0 " + std::to_string(row.position);
                } else if constexpr (std::is_same_v<Accessor, ColourField>) {
                    accessor(s) = 0x00102030u + static_cast<std::uint32_t>(row.position);
                }
            },
            row.field);
    }
    s.temperatureUnit = "F";
    s.customCpuOffset = 10;
    s.cpuOffset = 10;
    return s;
}

class SettingsStoreTest : public ::testing::Test {
protected:
    const RegistryValue* stored(std::string_view name) const { return m_registry.value(kUser, kSettingsKeyPath, name); }
    void store(std::string_view name, RegistryValue value)
    {
        m_registry.setValue(kUser, kSettingsKeyPath, name, std::move(value));
    }
    void removeValue(std::string_view name)
    {
        auto key = m_registry.openKey(kUser, kSettingsKeyPath, false);
        ASSERT_TRUE(key);
        key->deleteValue(name);
    }
    void save(Settings settings) { m_store.writeRegistry(settings, settings.windowLeft, settings.windowTop); }
    Settings load(SettingsLoad* result = nullptr)
    {
        Settings s;
        const SettingsLoad load = m_store.readRegistry(s);
        if (result != nullptr) {
            *result = load;
        }
        return s;
    }

    FakeRegistry m_registry;
    FakeProgramLocation m_location{"/opt/caldrix"};
    std::ostringstream m_messages;
    SettingsStore m_store{m_registry, m_location, m_messages};
};

RegistryValue binary(double d)
{
    std::vector<std::uint8_t> bytes(8);
    std::memcpy(bytes.data(), &d, 8);
    return RegistryValue::fromBinary(bytes);
}

TEST_F(SettingsStoreTest, SchemaListsEveryRowOnceInLoadOrder)
{
    const auto schema = settingsSchema();
    ASSERT_EQ(schema.size(), 189u);
    std::set<std::string> names;
    for (std::size_t i = 0; i < schema.size(); ++i) {
        EXPECT_EQ(schema[i].position, static_cast<int>(i) + 1);
        std::string folded(schema[i].writtenName());
        std::transform(folded.begin(), folded.end(), folded.begin(), ::tolower);
        EXPECT_TRUE(names.insert(folded).second) << schema[i].name;
    }
    std::map<int, int> written;
    for (int position : settingsSaveOrder()) {
        ++written[position];
    }
    EXPECT_EQ(written.size(), 189u);
    for (const auto& [position, count] : written) {
        EXPECT_EQ(count, position == 103 ? 2 : 1) << position;
    }
}

TEST_F(SettingsStoreTest, EveryRowRoundTripsAndIsReportedAsItIsApplied)
{
    const Settings edited = editedSettings();
    save(edited);
    SettingsLoad result;
    Settings loaded = load(&result);
    EXPECT_TRUE(result.keyExisted);
    EXPECT_TRUE(result.complete());
    Settings expected = edited;
    for (const SettingRow& row : settingsSchema()) {
        EXPECT_TRUE(sameField(row, loaded, expected)) << row.name;
    }
    EXPECT_EQ(loaded, edited);

    // Defaults round-trip too, and a second save stores the same key.
    FakeRegistry other;
    SettingsStore otherStore(other, m_location);
    otherStore.writeRegistry(loaded, loaded.windowLeft, loaded.windowTop);
    for (const SettingRow& row : settingsSchema()) {
        ASSERT_NE(other.value(kUser, kSettingsKeyPath, row.writtenName()), nullptr) << row.name;
        EXPECT_EQ(*other.value(kUser, kSettingsKeyPath, row.writtenName()), *stored(row.writtenName())) << row.name;
    }
    save(Settings{});
    EXPECT_EQ(load(), Settings{});

    // Each row is reported as it is applied.
    save(editedSettings());
    std::vector<int> positions;
    Settings s;
    bool nameSeenFilled = false;
    m_store.readRegistry(s, [&](const SettingRow& row, Settings& current) {
        positions.push_back(row.position);
        if (row.feeds(current, current.customCpuOffset)) {
            EXPECT_EQ(current.cpuOffset, 10);
        }
        if (row.feeds(current, current.fan(Fan::Fan1).name)) {
            nameSeenFilled = !current.fan(Fan::Fan1).name.empty();
        }
    });
    // The rows read on their own follow the others; only the program path is
    // never read.
    ASSERT_EQ(positions.size(), settingsSchema().size() - 1);
    EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end()));
    EXPECT_TRUE(nameSeenFilled);
}

TEST_F(SettingsStoreTest, CpuTypeButtonsRoundTripAndStoredTypesSelectTheirButtons)
{
    for (auto [preset, offset] : {std::pair{CpuPreset::Intel, 22}, {CpuPreset::Amd, 7}, {CpuPreset::Cyrix, 16}}) {
        Settings s;
        s.cpuPreset = preset;
        s.cpuOffset = offset;
        save(s);
        EXPECT_EQ(load(), s);
    }
    for (int custom : {7, 16, 22, 0, 100}) {
        Settings s;
        s.cpuPreset = CpuPreset::Amd;
        s.customCpu = true;
        s.customCpuOffset = custom;
        s.cpuOffset = custom;
        save(s);
        Settings loaded = load();
        EXPECT_TRUE(loaded.customCpu);
        EXPECT_EQ(loaded.cpuOffset, custom);
        EXPECT_EQ(loaded.customCpuOffset, custom);
    }

    // Hand-stored values select the button their offset belongs to.
    save(Settings{});
    store("CPU Type", RegistryValue::fromDword(5));
    Settings loaded = load();
    EXPECT_EQ(loaded.cpuOffset, 5);
    EXPECT_EQ(loaded.cpuPreset, CpuPreset::Intel);
    EXPECT_FALSE(loaded.customCpu);

    store("CPU Type", RegistryValue::fromDword(16));
    EXPECT_EQ(load().cpuPreset, CpuPreset::Cyrix);

    store("CPU Type", RegistryValue::fromDword(7));
    store("Custom CPU", RegistryValue::fromDword(1));
    store("Custom CPU Add", RegistryValue::fromDword(42));
    loaded = load();
    EXPECT_EQ(loaded.cpuPreset, CpuPreset::Amd);
    EXPECT_TRUE(loaded.customCpu);
    EXPECT_EQ(loaded.cpuOffset, 42);
}

TEST_F(SettingsStoreTest, WritesEachKindWithItsRegistryType)
{
    Settings s;
    s.temperature(TemperatureSensor::WB2).trayStyle.background = 0x00123456;
    s.fan(Fan::Fan1).nominalRpm = 2500.0;
    save(s);
    EXPECT_EQ(*stored("MB Alarm"), RegistryValue::fromDword(1));
    EXPECT_EQ(*stored("Zuno"), RegistryValue::fromDword(0));
    EXPECT_EQ(*stored("Tab on Top"), RegistryValue::fromDword(0));
    EXPECT_EQ(*stored("MB Tempature Scale"),
              RegistryValue::fromBinary({0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x4E, 0x40})); // 60.0
    EXPECT_EQ(*stored("Fan1 Users RPM"), RegistryValue::fromBinary({0, 0, 0, 0, 0, 0x88, 0xA3, 0x40}));
    EXPECT_EQ(*stored("WB1 Background"), RegistryValue::fromString("clSilver"));
    EXPECT_EQ(*stored("WB1 Font Color"), RegistryValue::fromString("clBlack"));
    EXPECT_EQ(*stored("WB2 Background"), RegistryValue::fromString("$00123456"));
    EXPECT_EQ(*stored("C or F"), RegistryValue::fromString("C"));
    EXPECT_EQ(*stored("CDX Path"), RegistryValue::fromString("/opt/caldrix/caldrix"));
    const auto names = m_registry.valueNames(kUser, kSettingsKeyPath);
    EXPECT_EQ(names.size(), 189u);
    EXPECT_EQ(names.count("InterVal"), 1u);
    EXPECT_EQ(names.count("Interval"), 0u);

    s.temperature(TemperatureSensor::WB1).alarmEnabled = false;
    s.customCpu = true;
    s.customCpuOffset = 9;
    s.cpuOffset = 9;
    s.pollInterval = -1; // kept as it stands; only the load corrects it
    save(s);
    EXPECT_EQ(*stored("MB Alarm"), RegistryValue::fromDword(0));
    EXPECT_EQ(*stored("Interval"), RegistryValue::fromDword(0xFFFFFFFF));
    EXPECT_EQ(*stored("CPU Type"), RegistryValue::fromDword(9));
}

TEST_F(SettingsStoreTest, AFailingWriteStoresNothingOfThatSave)
{
    // Whichever value fails, the stored settings stay those of the last
    // complete save: never half old, half new.
    const auto order = settingsSaveOrder();
    Settings first;
    Settings edited = editedSettings();
    for (std::size_t i = 0; i < order.size(); ++i) {
        const SettingRow& row = settingRow(order[i]);
        FakeRegistry registry;
        SettingsStore store(registry, m_location);
        store.writeRegistry(first, 0, 0);
        const auto before = registry.valueNames(kUser, kSettingsKeyPath);
        registry.failWritesOf(row.writtenName());
        EXPECT_THROW(store.writeRegistry(edited, 0, 0), RegistryError) << row.name;
        EXPECT_EQ(registry.valueNames(kUser, kSettingsKeyPath), before) << row.name;
        Settings loaded;
        store.readRegistry(loaded);
        EXPECT_EQ(loaded, first) << row.name;
    }
}

TEST_F(SettingsStoreTest, WindowPositionIsKeptWhileParked)
{
    Settings s;
    s.windowLeft = 120;
    s.windowTop = 80;
    m_store.writeRegistry(s, -5000, 0);
    EXPECT_EQ(s.windowLeft, 120);
    EXPECT_EQ(*stored("Form X"), RegistryValue::fromDword(120));
    EXPECT_EQ(*stored("Form Y"), RegistryValue::fromDword(80));
    m_store.writeRegistry(s, -4999, 7);
    EXPECT_EQ(*stored("Form X"), RegistryValue::fromDword(static_cast<std::uint32_t>(-4999)));
    EXPECT_EQ(*stored("Form Y"), RegistryValue::fromDword(7));
    EXPECT_EQ(load().windowLeft, -4999);
}

TEST_F(SettingsStoreTest, MissingKeyLoadsNothingAndTheProgramPathAloneNothingEither)
{
    Settings s = editedSettings();
    SettingsLoad result = m_store.readRegistry(s);
    EXPECT_FALSE(result.keyExisted);
    EXPECT_EQ(result.rowsLoaded, 0);
    EXPECT_EQ(s, editedSettings());
    EXPECT_FALSE(m_registry.hasKey(kUser, kSettingsKeyPath));

    // The program path is written on its own and loads nothing.
    m_store.writeProgramPath();
    EXPECT_EQ(m_registry.valueNames(kUser, kSettingsKeyPath), std::set<std::string>{"CDX Path"});
    load(&result);
    EXPECT_TRUE(result.keyExisted);
    EXPECT_EQ(result.rowsLoaded, 0);
}

TEST_F(SettingsStoreTest, LoadStopsAtAValueOfTheWrongTypeInEveryRow)
{
    Settings edited = editedSettings();
    Settings defaults;
    for (int position = 1; position <= kLoadedRowCount; ++position) {
        const SettingRow& row = settingRow(position);
        save(edited);
        const bool textual = row.kind == SettingKind::String || row.kind == SettingKind::Colour;
        store(row.name, textual ? RegistryValue::fromDword(1) : RegistryValue::fromString("1"));
        SettingsLoad result;
        Settings loaded = load(&result);
        ASSERT_EQ(result.rowsLoaded, position - 1) << row.name;
        for (const SettingRow& other : settingsSchema().first(kLoadedRowCount)) {
            Settings& expected = other.position < position ? edited : defaults;
            EXPECT_TRUE(sameField(other, loaded, expected)) << row.name << " then " << other.name;
        }
    }
}

TEST_F(SettingsStoreTest, LoadStopsAtEveryKindOfUnreadableValue)
{
    struct Case {
        const char* name;
        std::optional<RegistryValue> value; // nothing: the value is absent
        int rowsLoaded;
    };
    const std::vector<Case> cases = {
        {"Round F", std::nullopt, 31},
        {"MB Tempature Alarm", std::nullopt, 1},
        {"Voltage Off", std::nullopt, 14},
        {"Voltage Off", RegistryValue::fromBinary({0, 0, 0x20, 0x41}), 14},
        {"Voltage Off", RegistryValue::fromDword(10), 14},
        {"Fan 2 Name", RegistryValue::fromBinary({0x41}), 95},
        {"WB1 Background", RegistryValue::fromString(""), 151},
        {"WB1 Background", RegistryValue::fromString("light blue"), 151},
        {"WB1 Background", std::nullopt, 151},
        {"Loop Waves", std::nullopt, 171},
    };
    for (const Case& c : cases) {
        save(editedSettings());
        if (c.value) {
            store(c.name, *c.value);
        } else {
            removeValue(c.name);
        }
        SettingsLoad result;
        Settings loaded = load(&result);
        EXPECT_EQ(result.rowsLoaded, c.rowsLoaded) << c.name;
        EXPECT_FALSE(result.showZunoItem(loaded));
    }
}

TEST_F(SettingsStoreTest, AbsentAndEmptyTextsReadAsEmptyWithoutStopping)
{
    Settings s = editedSettings();
    save(s);
    removeValue("C or F");
    removeValue("MB Alarm Path");
    store("Fan 2 Name", RegistryValue::fromString(""));
    store("VUM 4 Name", RegistryValue::fromExpandString(""));
    store("LM75 Font Name", RegistryValue::fromString(""));
    store("WB2 Font Name", RegistryValue::fromExpandString("%FONT%"));
    SettingsLoad result;
    Settings loaded = load(&result);
    EXPECT_TRUE(result.complete());
    EXPECT_EQ(loaded.temperatureUnit, "");
    EXPECT_EQ(loaded.temperature(TemperatureSensor::WB1).actions.runPath, "");
    EXPECT_EQ(loaded.fan(Fan::Fan2).name, "Fan 2");
    EXPECT_EQ(loaded.temperature(TemperatureSensor::WB3).name, "WB Sensor 3");
    EXPECT_EQ(loaded.fan(Fan::Fan1).name, s.fan(Fan::Fan1).name);
    EXPECT_EQ(loaded.temperature(TemperatureSensor::LM75).trayStyle.fontName, "Arial");
    EXPECT_EQ(loaded.temperature(TemperatureSensor::WB2).trayStyle.fontName, "%FONT%");

    // A name read empty gets its default even when the load stops among the names.
    save(editedSettings());
    store("Fan 1 Name", RegistryValue::fromString(""));
    store("Fan 3 Name", RegistryValue::fromDword(3));
    loaded = load(&result);
    EXPECT_EQ(result.rowsLoaded, 96);
    EXPECT_EQ(loaded.fan(Fan::Fan1).name, "Fan 1");
}

TEST_F(SettingsStoreTest, TrayModesExcludeEachOtherAndZunoShowsOnlyAfterACompleteLoad)
{
    save(Settings{});
    store("Swap Icons", RegistryValue::fromDword(1)); // "Show Temp in Tray" stays 1
    Settings loaded = load();
    EXPECT_TRUE(loaded.swapIcons);
    EXPECT_FALSE(loaded.showTempInTray);

    // Zuno shows its item only after a complete load.
    Settings s;
    s.zuno = true;
    save(s);
    SettingsLoad result;
    loaded = load(&result);
    EXPECT_TRUE(result.showZunoItem(loaded));
    save(loaded);
    EXPECT_EQ(*stored("Zuno"), RegistryValue::fromDword(1));
}

TEST_F(SettingsStoreTest, HandEditedValuesAreBroughtToWhatTheEditorsAllow)
{
    save(Settings{});
    store("Interval", RegistryValue::fromDword(0));
    store("Swap Interval", RegistryValue::fromDword(static_cast<std::uint32_t>(-5)));
    store("Log File Interval", RegistryValue::fromDword(10));
    store("PC Speaker Freq", RegistryValue::fromDword(0));
    store("WB1 Font Size", RegistryValue::fromDword(0));
    store("WB3 Font Size", RegistryValue::fromDword(72));
    store("MB Tempature Scale", binary(0.0));
    store("CPU Tempature Scale", binary(-20.0));
    store("Sensor 2 Temperature Scale", binary(std::nan("")));
    store("Sensor 3 Temperature Scale", binary(1e300));
    Settings loaded = load();
    EXPECT_EQ(loaded.pollInterval, 1000);
    EXPECT_EQ(loaded.swapInterval, 1000);
    EXPECT_EQ(loaded.logInterval, 60000);
    EXPECT_EQ(loaded.pcSpeakerDivisor, 200);
    EXPECT_EQ(loaded.temperature(TemperatureSensor::WB1).trayStyle.fontSize, 6);
    EXPECT_EQ(loaded.temperature(TemperatureSensor::WB3).trayStyle.fontSize, 12);
    EXPECT_EQ(loaded.temperature(TemperatureSensor::WB1).scale, 1.0f);
    EXPECT_EQ(loaded.temperature(TemperatureSensor::LM75).scale, 1.0f);
    EXPECT_EQ(loaded.temperature(TemperatureSensor::WB2).scale, 80.0f);
    EXPECT_TRUE(std::isfinite(loaded.temperature(TemperatureSensor::WB3).scale));
    EXPECT_GT(loaded.temperature(TemperatureSensor::WB3).scale, 1e38f);

    // A scale that only a gauge could reach narrows to single precision.
    store("MB Tempature Scale", binary(45.3));
    EXPECT_EQ(load().temperature(TemperatureSensor::WB1).scale, 45.3f);
}

// A float no editor could produce would falsify or silence an alarm: NaN in
// "Voltage Off" raises the alarm on a healthy rail, +Inf silences it.
TEST_F(SettingsStoreTest, FloatsNoEditorCouldProduceAreBroughtIntoRange)
{
    save(Settings{});
    const double inf = std::numeric_limits<double>::infinity();
    store("Voltage Off", binary(std::nan("")));
    store("CoreVoltage", binary(inf));
    store("3.3 Custom Value", binary(-100.0));
    store("Fan1 Users RPM", binary(std::nan("")));
    store("Fan2 Users RPM", binary(-inf));
    store("Fan3 Users RPM", binary(1e9));
    store("Fan1 Off Mark", RegistryValue::fromDword(400));
    store("LM78 Compensation", RegistryValue::fromDword(static_cast<std::uint32_t>(-90)));
    SettingsLoad result;
    const Settings loaded = load(&result);
    EXPECT_TRUE(result.complete());
    EXPECT_EQ(loaded.voltageTolerance, 10.0);
    EXPECT_EQ(loaded.coreVoltageNominal, 5.0);
    EXPECT_EQ(loaded.plus33VoltageNominal, 3.0);
    EXPECT_EQ(loaded.fan(Fan::Fan1).nominalRpm, 0.0);
    EXPECT_EQ(loaded.fan(Fan::Fan2).nominalRpm, 0.0);
    EXPECT_EQ(loaded.fan(Fan::Fan3).nominalRpm, 32000.0);
    EXPECT_EQ(loaded.fan(Fan::Fan1).tolerancePercent, 50);
    EXPECT_EQ(loaded.temperature(TemperatureSensor::WB1).compensation, -50);
    const std::string messages = m_messages.str();
    EXPECT_EQ(std::count(messages.begin(), messages.end(), '\n'), 8) << messages;
    EXPECT_NE(messages.find("\"Voltage Off\""), std::string::npos) << messages;

    // What the editors leave, rounding of their 0.1 steps included, loads
    // unchanged and quietly.
    m_messages.str("");
    Settings edited;
    edited.coreVoltageNominal = 4.9 + 0.1;
    edited.plus33VoltageNominal = 3.0;
    save(edited);
    EXPECT_EQ(load(), edited);
    EXPECT_EQ(m_messages.str(), "");
}

TEST_F(SettingsStoreTest, LongNamesAndPathsLoadWholeAndQuietly)
{
    // Earlier versions and hand edits store names longer than the edits let
    // anyone type and paths longer than a file dialog hands over: each loads
    // as it is, and so does everything after it.
    Settings edited;
    edited.fan(Fan::Fan3).name = "Pump";
    edited.loopWaves = true;
    save(edited);
    const std::string path = "/home/user/" + std::string(289, 'p');
    store("CPU Alarm Path", RegistryValue::fromString(path));
    store("Fan 1 Name", RegistryValue::fromString("Front intake fan"));
    store("VUM 1 Name", RegistryValue::fromString("Mainboard chipset °C"));
    std::string degrees;
    for (int i = 0; i < 40; ++i) {
        degrees += "\xC2\xB0";
    }
    store("VUM 2 Name", RegistryValue::fromString(degrees));
    SettingsLoad result;
    const Settings loaded = load(&result);
    EXPECT_TRUE(result.complete());
    EXPECT_EQ(loaded.temperature(TemperatureSensor::LM75).actions.runPath, path);
    EXPECT_EQ(loaded.fan(Fan::Fan1).name, "Front intake fan");
    EXPECT_EQ(loaded.temperature(TemperatureSensor::WB1).name, "Mainboard chipset °C");
    EXPECT_EQ(loaded.temperature(TemperatureSensor::LM75).name, degrees);
    EXPECT_EQ(loaded.fan(Fan::Fan3).name, "Pump");
    EXPECT_TRUE(loaded.loopWaves);
    EXPECT_EQ(m_messages.str(), "");
}

TEST_F(SettingsStoreTest, RowsAddedLaterAreEachReadOnTheirOwn)
{
    Settings edited = editedSettings();
    edited.metricsAddress = "127.0.0.1:9464";
    edited.metricsTextfile = "/var/lib/node_exporter/caldrix.prom";
    edited.sensorSource(SensorSlot::Wb2) = "nvme-pci-0200/temp1";
    edited.sensorSource(SensorSlot::Fan3) = "amdgpu-pci-0300/fan1";
    edited.sensorSource(SensorSlot::Neg5) = "nct6798-isa-0290/in6";
    ASSERT_TRUE(Settings{}.desktopNotifications) << "on by default";
    ASSERT_FALSE(edited.desktopNotifications);
    Settings defaults;
    std::vector<const SettingRow*> own;
    for (const SettingRow& row : settingsSchema()) {
        if (row.rule == LoadRule::OnItsOwn) {
            own.push_back(&row);
        }
    }
    ASSERT_EQ(own.size(), 16u); // the metrics rows, the thirteen sources, desktop notifications
    save(edited);
    EXPECT_EQ(*stored("Desktop Notifications"), RegistryValue::fromDword(0));
    EXPECT_EQ(*stored("Source WB2"), RegistryValue::fromString("nvme-pci-0200/temp1"));
    EXPECT_EQ(*stored("Source Fan 3"), RegistryValue::fromString("amdgpu-pci-0300/fan1"));
    EXPECT_EQ(*stored("Source -5"), RegistryValue::fromString("nct6798-isa-0290/in6"));
    SettingsLoad result;
    EXPECT_EQ(load(&result), edited);

    // The load stops at the first row; these rows are read all the same.
    store(settingRow(1).name, RegistryValue::fromString("1"));
    Settings loaded = load(&result);
    EXPECT_EQ(result.rowsLoaded, 0);
    EXPECT_EQ(loaded.temperature(TemperatureSensor::WB1).alarmTemperature,
              defaults.temperature(TemperatureSensor::WB1).alarmTemperature);
    for (const SettingRow* row : own) {
        EXPECT_TRUE(sameField(*row, loaded, edited)) << row->name;
    }

    // Unreadable, or missing from a key of an earlier version: the row keeps
    // its default (automatic, off, notifications on), neither stopping the
    // load nor taking another row with it.
    Settings withoutAny = edited;
    for (const SettingRow* row : own) {
        Settings expected = edited;
        copyField(*row, expected, defaults);
        copyField(*row, withoutAny, defaults);
        for (bool absent : {false, true}) {
            save(edited);
            if (absent) {
                removeValue(row->name);
            } else {
                store(row->name,
                      row->kind == SettingKind::Bool ? RegistryValue::fromString("no") : RegistryValue::fromDword(1));
            }
            EXPECT_EQ(load(&result), expected) << row->name << (absent ? " absent" : " unreadable");
            EXPECT_TRUE(result.complete()) << row->name;
        }
    }
    save(edited);
    for (const SettingRow* row : own) {
        removeValue(row->name);
    }
    EXPECT_EQ(load(&result), withoutAny);
    EXPECT_TRUE(result.complete());
}

} // namespace
} // namespace cdx
