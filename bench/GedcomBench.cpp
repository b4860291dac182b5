// Imports a synthetic GEDCOM file and prints the time and the peak memory.
//   gedcom_bench [persons]   (default 100000)
#include "tools/gedcom2project/GedcomImporter.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <sys/resource.h>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kDefaultPersons = 100000;
constexpr int kChildrenPerFamily = 4;
constexpr int kFirstYear = 1500;
constexpr int kYears = 480;
constexpr int kMonthsDays = 28;
constexpr int kMonths = 12;
constexpr int kPlaces = 500;
constexpr int kCounties = 50;
constexpr int kNoteEvery = 10;
constexpr int kGivenNames = 977;
constexpr int kSurnames = 1013;
constexpr int kMarriageAge = 25;
constexpr int kDeathFrom = 40;
constexpr int kDeathTo = 60;
constexpr double kKilobytesPerMegabyte = 1024.0;

const char* const kMonthNames[kMonths] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                          "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
const char* const kQualifiers[] = {"", "ABT ", "BEF ", "AFT ", "EST "};

// Person c (from 4 up) is a child of family c / 4; family f is the couple of persons 2f - 1 and 2f.
void WriteFile(const std::string& path, int persons)
{
    std::ofstream out(path, std::ios::binary);
    out << "0 HEAD\n1 GEDC\n2 VERS 5.5.1\n1 CHAR UTF-8\n";
    for (int p = 1; p <= persons; ++p) {
        const int year = kFirstYear + p * kYears / persons;
        out << "0 @I" << p << "@ INDI\n1 NAME Given" << p % kGivenNames << " Zoë /Sürname" << p % kSurnames << "/\n";
        out << "1 SEX " << (p % 2 ? 'M' : 'F') << "\n";
        out << "1 BIRT\n2 DATE " << kQualifiers[p % std::size(kQualifiers)] << (p % kMonthsDays + 1) << " "
            << kMonthNames[p % kMonths] << " " << year << "\n2 PLAC Town" << p % kPlaces << ", County"
            << p % kCounties << ", Land\n";
        out << "1 DEAT\n2 DATE BET " << year + kDeathFrom << " AND " << year + kDeathTo << "\n";
        if (p % kNoteEvery == 0)
            out << "1 NOTE A note on person " << p << "\n2 CONT with a second line\n";
        if (p >= kChildrenPerFamily)
            out << "1 FAMC @F" << p / kChildrenPerFamily << "@\n";
        out << "1 FAMS @F" << (p + 1) / 2 << "@\n";
    }
    const int families = persons / 2;
    for (int f = 1; f <= families; ++f) {
        out << "0 @F" << f << "@ FAM\n1 HUSB @I" << 2 * f - 1 << "@\n1 WIFE @I" << 2 * f << "@\n";
        out << "1 MARR\n2 DATE " << kFirstYear + 2 * f * kYears / persons + kMarriageAge << "\n";
        for (int c = kChildrenPerFamily * f; c < kChildrenPerFamily * (f + 1) && c <= persons; ++c)
            out << "1 CHIL @I" << c << "@\n";
    }
    out << "0 TRLR\n";
}

double PeakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / kKilobytesPerMegabyte;
}

}  // namespace

int main(int argc, char** argv)
{
    const int persons = argc > 1 ? std::atoi(argv[1]) : kDefaultPersons;
    if (persons < 1) {
        std::fprintf(stderr, "usage: gedcom_bench [persons]\n");
        return 2;
    }
    const std::filesystem::path directory = std::filesystem::temp_directory_path() / "quorrel-gedcom-bench";
    std::filesystem::create_directories(directory);
    const std::string gedcom = (directory / "bench.ged").string();
    WriteFile(gedcom, persons);
    const double before = PeakMegabytes();
    const Clock::time_point start = Clock::now();
    const GedcomImporter importer = GedcomImporter::ImportFile(gedcom, (directory / "BENCH").string());
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("GEDCOM file: %d persons, %.1f MB\n", persons,
                static_cast<double>(std::filesystem::file_size(gedcom)) / (kKilobytesPerMegabyte * kKilobytesPerMegabyte));
    std::printf("imported: %zu persons, %zu families, %zu events, %zu places; %zu faults\n",
                importer.Counts().persons, importer.Counts().families, importer.Counts().events,
                importer.Counts().places, importer.Report().Count());
    std::printf("import time: %.2f s\n", seconds);
    std::printf("peak RSS: %.1f MB (%.1f MB before the import)\n", PeakMegabytes(), before);
    std::filesystem::remove_all(directory);
    return 0;
}
