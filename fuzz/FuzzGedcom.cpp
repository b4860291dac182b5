// The GEDCOM importer on arbitrary bytes: it must list faults, refuse non-GEDCOM
// text with NotGedcom and never fail in any other way (the project stays in memory).
#include "tools/gedcom2project/GedcomImporter.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {
constexpr int kFixedYear = 2024;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    GedcomImporter importer(GedcomImportOptions{"media", kFixedYear});
    try {
        importer.Read(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const GedcomImporter::NotGedcom&) {
    }
    return 0;
}
