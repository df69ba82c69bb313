// Round trip of the settings file format: whatever is read from any text,
// written out and read again, gives the same values, and the strict reading
// accepts every file the program writes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "platform/linux/RegistryDocument.h"

namespace {

const std::string kRoot = "HKEY_CURRENT_USER";

void check(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<cdx::RegistryDocument::Fault> faults;
    std::string error;
    const auto kept = cdx::RegistryDocument::parseKeeping(text, kRoot, faults, error);
    std::string strictError;
    const auto strict = cdx::RegistryDocument::parse(text, kRoot, strictError);
    // The strict reading takes a text exactly when the keeping one finds no fault.
    check(strict.has_value() == (kept.has_value() && faults.empty()));
    if (!kept) {
        return 0;
    }
    const std::string written = kept->serialize();
    const auto again = cdx::RegistryDocument::parse(written, kRoot, strictError);
    check(again.has_value());
    check(again->valueCount() == kept->valueCount());
    check(again->serialize() == written);
    return 0;
}
