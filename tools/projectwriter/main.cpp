// Writes a made-up project for trying the program and the data library.
#include "tools/common/ToolCommandLine.h"
#include "tools/projectwriter/ProjectWriter.h"
#include "tools/projectwriter/SyntheticProject.h"

#include <array>
#include <cstdio>
#include <exception>

namespace {

constexpr const char* kUsage = "PROJECT_PATH [PERSONS [NAMES EVENTS PARTICIPANTS PARENT_LINKS]]";
constexpr const char* kHelp =
    "Writes the tables and memo files of a made-up genealogy project at PROJECT_PATH\n"
    "(named as the data library looks for them), with random persons, names, events,\n"
    "event participants and parent links. PERSONS (default 100000) sets the others in\n"
    "proportion; all five numbers may be given. The same numbers always give the same project.\n"
    "\n"
    "  --help     this text\n"
    "  --version  the version\n";

}  // namespace

int main(int argc, char** argv)
{
    ToolCommandLine line("projectwriter", kUsage, kHelp);
    if (const auto status = line.Parse(argc, argv))
        return *status;
    const auto& operands = line.Operands();
    if (operands.size() != 1 && operands.size() != 2 && operands.size() != 6)
        return line.Misuse("wrong number of arguments");
    std::array<int, 5> numbers{};
    for (std::size_t i = 1; i < operands.size(); ++i) {
        const auto number = ToolCommandLine::Number(operands[i]);
        if (!number || *number < 0)
            return line.Misuse("not a count: " + operands[i]);
        numbers[i - 1] = *number;
    }
    SyntheticSizes sizes = operands.size() > 1 ? SyntheticSizes::ForPersons(numbers[0]) : SyntheticSizes();
    if (operands.size() == 6) {
        sizes.names = numbers[1];
        sizes.events = numbers[2];
        sizes.participants = numbers[3];
        sizes.parentLinks = numbers[4];
    }
    try {
        ProjectWriter writer;
        BuildSyntheticProject(writer, sizes);
        writer.Write(operands[0]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "projectwriter: %s\n", error.what());
        return 1;
    }
    return 0;
}
