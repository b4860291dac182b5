// Imports a GEDCOM file into a new genealogy project.
#include "tools/common/ToolCommandLine.h"
#include "tools/gedcom2project/GedcomImporter.h"

#include <cstdio>
#include <exception>

namespace {

constexpr int kFailed = 1;
constexpr const char* kName = "quorrel-import-gedcom";
constexpr const char* kUsage = "FILE.ged PROJECTPATH";
constexpr const char* kHelp =
    "Reads a GEDCOM file (5.5.1, 5.5.5 or 7.0; UTF-8, UTF-16, ANSEL or ANSI) and writes\n"
    "its persons, names, events, places, families, notes and pictures as the genealogy\n"
    "project PROJECTPATH, replacing a project of that name only when the import is complete.\n"
    "Faults of the file are listed on standard error with their line numbers; the import\n"
    "goes on past them. A file that is not GEDCOM is refused and nothing is written.\n"
    "\n"
    "  --help     this text\n"
    "  --version  the version\n";

}  // namespace

int main(int argc, char** argv)
{
    ToolCommandLine line(kName, kUsage, kHelp);
    if (const auto status = line.Parse(argc, argv))
        return *status;
    const auto& operands = line.Operands();
    if (operands.size() != 2)
        return line.Misuse("wrong number of arguments");
    try {
        const GedcomImporter importer = GedcomImporter::ImportFile(operands[0], operands[1]);
        std::fputs(importer.Report().Text().c_str(), stderr);
        const GedcomImportCounts& c = importer.Counts();
        std::printf("%s: %zu persons, %zu families, %zu events, %zu places, %zu pictures; %zu faults\n", kName,
                    c.persons, c.families, c.events, c.places, c.exhibits, importer.Report().Count());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", kName, error.what());
        return kFailed;
    }
    return 0;
}
