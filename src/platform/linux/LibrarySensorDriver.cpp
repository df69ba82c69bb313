#include "platform/linux/LibrarySensorDriver.h"

#include "caldrix/driver.h"
#include "sensors/SensorInputList.h"

namespace cdx {

static_assert(CDX_READING_COUNT == DriverReadingCount);
static_assert(CDX_READING_TEMP == static_cast<int>(DriverReading::Wb1Temperature));
static_assert(CDX_READING_LM75 == static_cast<int>(DriverReading::CpuTemperature));
static_assert(CDX_READING_WB3 == static_cast<int>(DriverReading::Wb3Temperature));
static_assert(CDX_READING_CORE0 == static_cast<int>(DriverReading::Core0));
static_assert(CDX_READING_NEG5 == static_cast<int>(DriverReading::Neg5));
static_assert(CDX_READING_FAN3 == static_cast<int>(DriverReading::Fan3));

namespace {

// Looks up exports, remembering the first one missing.
class ExportBinder {
public:
    ExportBinder(const SharedLibrary& library, std::string& error) : m_library(library), m_error(error) {}

    template <typename Function> void bind(Function*& target, const char* name)
    {
        target = reinterpret_cast<Function*>(m_library.symbol(name));
        if (target == nullptr && m_error.empty()) {
            m_error = "the sensor driver " + m_library.path() + " lacks the export " + name;
        }
    }

private:
    const SharedLibrary& m_library;
    std::string& m_error;
};

} // namespace

// Each export is bound with the type the driver's header declares for it.
#define CDX_BIND(binder, exports, name) binder.bind<decltype(::name)>(exports.name, #name)

std::unique_ptr<LibrarySensorDriver> LibrarySensorDriver::bind(std::shared_ptr<SharedLibrary> library,
                                                               std::string& error)
{
    error.clear();
    Exports exports{};
    ExportBinder binder(*library, error);
    CDX_BIND(binder, exports, CheckLM78);
    CDX_BIND(binder, exports, RestartLM78);
    CDX_BIND(binder, exports, GetFanDivide1);
    CDX_BIND(binder, exports, GetFanDivide2);
    CDX_BIND(binder, exports, GetLM78Fan1);
    CDX_BIND(binder, exports, GetLM78Fan2);
    CDX_BIND(binder, exports, GetLM78Fan3);
    CDX_BIND(binder, exports, GetLM78Temp);
    CDX_BIND(binder, exports, GetLM75TempAsusTX);
    CDX_BIND(binder, exports, GetWinBondSensor2);
    CDX_BIND(binder, exports, GetWinBondSensor3);
    CDX_BIND(binder, exports, GetLM78Core0);
    CDX_BIND(binder, exports, GetLM78Core1);
    CDX_BIND(binder, exports, GetLM78Pos33v);
    CDX_BIND(binder, exports, GetLM78Pos5v);
    CDX_BIND(binder, exports, GetLM78Pos12v);
    CDX_BIND(binder, exports, GetLM78Neg12v);
    CDX_BIND(binder, exports, GetLM78Neg5v);
    CDX_BIND(binder, exports, GetChipID);
    CDX_BIND(binder, exports, StartPCSpeaker);
    CDX_BIND(binder, exports, StopPCSpeaker);
    if (!error.empty()) {
        return nullptr;
    }
    // A driver that cannot serve readings (an unreadable scenario, say) says so here.
    using LastError = decltype(&::CdxLastError);
    if (auto lastError = reinterpret_cast<LastError>(library->symbol("CdxLastError"))) {
        const char* text = lastError();
        if (text != nullptr && *text != '\0') {
            error = "the sensor driver " + library->path() + " cannot be used: " + text;
            return nullptr;
        }
    }
    exports.CdxAvailableReadings =
        reinterpret_cast<decltype(&::CdxAvailableReadings)>(library->symbol("CdxAvailableReadings"));
    exports.CdxCpuTemperatureIsTrue =
        reinterpret_cast<decltype(&::CdxCpuTemperatureIsTrue)>(library->symbol("CdxCpuTemperatureIsTrue"));
    exports.CdxReadingSource = reinterpret_cast<decltype(&::CdxReadingSource)>(library->symbol("CdxReadingSource"));
    exports.CdxDriverVersion = reinterpret_cast<decltype(&::CdxDriverVersion)>(library->symbol("CdxDriverVersion"));
    exports.CdxInputs = reinterpret_cast<decltype(&::CdxInputs)>(library->symbol("CdxInputs"));
    exports.CdxBindReading = reinterpret_cast<decltype(&::CdxBindReading)>(library->symbol("CdxBindReading"));
    exports.CdxReadingLimits = reinterpret_cast<decltype(&::CdxReadingLimits)>(library->symbol("CdxReadingLimits"));
    return std::unique_ptr<LibrarySensorDriver>(new LibrarySensorDriver(std::move(library), exports));
}

#undef CDX_BIND

LibrarySensorDriver::LibrarySensorDriver(std::shared_ptr<SharedLibrary> library, const Exports& exports)
    : m_library(std::move(library)), m_exports(exports)
{
}

ReadingMask LibrarySensorDriver::availableReadings()
{
    // Bits beyond the known readings mean nothing to the program.
    return m_exports.CdxAvailableReadings != nullptr ? m_exports.CdxAvailableReadings() & AllReadings : AllReadings;
}

bool LibrarySensorDriver::cpuTemperatureIsTrue()
{
    return m_exports.CdxCpuTemperatureIsTrue != nullptr && m_exports.CdxCpuTemperatureIsTrue();
}

std::string LibrarySensorDriver::readingSource(DriverReading reading)
{
    if (m_exports.CdxReadingSource == nullptr) {
        return {};
    }
    const char* text = m_exports.CdxReadingSource(static_cast<std::int32_t>(reading));
    return text != nullptr ? text : "";
}

std::string LibrarySensorDriver::version()
{
    const char* text = m_exports.CdxDriverVersion != nullptr ? m_exports.CdxDriverVersion() : nullptr;
    return text != nullptr ? text : "";
}

std::vector<SensorInput> LibrarySensorDriver::inputs()
{
    const char* text = m_exports.CdxInputs != nullptr ? m_exports.CdxInputs() : nullptr;
    return text != nullptr ? SensorInputList::parse(text) : std::vector<SensorInput>{};
}

bool LibrarySensorDriver::bindReading(DriverReading reading, const std::string& source)
{
    return m_exports.CdxBindReading != nullptr &&
           m_exports.CdxBindReading(static_cast<std::int32_t>(reading), source.c_str()) == 0;
}

std::optional<VoltageBand> LibrarySensorDriver::readingLimits(DriverReading reading)
{
    double low = 0.0;
    double high = 0.0;
    if (m_exports.CdxReadingLimits == nullptr ||
        !m_exports.CdxReadingLimits(static_cast<std::int32_t>(reading), &low, &high)) {
        return std::nullopt;
    }
    return VoltageBand::between(low, high);
}

} // namespace cdx
