// Writes a made-up project for trying the program and the data library:
//   projectwriter PROJECT_PATH [persons [names events participants parent-links]]
#include "tools/projectwriter/ProjectWriter.h"
#include "tools/projectwriter/SyntheticProject.h"

#include <cstdio>
#include <cstdlib>
#include <exception>

int main(int argc, char** argv)
{
    if (argc < 2 || argc == 4 || argc == 5 || argc > 7) {
        std::fprintf(stderr, "usage: %s PROJECT_PATH [persons [names events participants parent-links]]\n", argv[0]);
        return 2;
    }
    SyntheticSizes sizes = argc > 2 ? SyntheticSizes::ForPersons(std::atoi(argv[2])) : SyntheticSizes();
    if (argc == 7) {
        sizes.names = std::atoi(argv[3]);
        sizes.events = std::atoi(argv[4]);
        sizes.participants = std::atoi(argv[5]);
        sizes.parentLinks = std::atoi(argv[6]);
    }
    try {
        ProjectWriter writer;
        BuildSyntheticProject(writer, sizes);
        writer.Write(argv[1]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "projectwriter: %s\n", error.what());
        return 1;
    }
    return 0;
}
