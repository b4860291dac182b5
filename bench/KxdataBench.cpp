// Builds a synthetic project with the project writer and measures the data
// library on it: the time of KxOpen and per-call times of the lookups a chart
// run makes.
//   kxdata_bench [persons [names events participants parent-links]]
#include "kxdata/kxdata.h"
#include "tools/projectwriter/ProjectWriter.h"
#include "tools/projectwriter/SyntheticProject.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

double Microseconds(Clock::duration d)
{
    return std::chrono::duration<double, std::micro>(d).count();
}

class Samples {
public:
    explicit Samples(const char* name) : m_name(name) {}

    template <typename F>
    int Time(F call)
    {
        const Clock::time_point start = Clock::now();
        const int code = call();
        m_times.push_back(Microseconds(Clock::now() - start));
        return code;
    }

    void Print()
    {
        if (m_times.empty()) {
            std::printf("%-34s no calls\n", m_name);
            return;
        }
        std::sort(m_times.begin(), m_times.end());
        const auto at = [&](double q) { return m_times[static_cast<size_t>(q * static_cast<double>(m_times.size() - 1))]; };
        std::printf("%-34s calls %8zu   median %7.2f us   p99 %7.2f us\n", m_name, m_times.size(), at(0.5), at(0.99));
    }

private:
    const char* m_name;
    std::vector<double> m_times;
};

int Field(const char* reply, int index)
{
    for (int i = 0; i < index; ++i) {
        reply = std::strchr(reply, '|');
        if (reply == nullptr)
            return 0;
        ++reply;
    }
    return std::atoi(reply);
}

}  // namespace

int main(int argc, char** argv)
{
    SyntheticSizes sizes = argc > 1 ? SyntheticSizes::ForPersons(std::atoi(argv[1])) : SyntheticSizes();
    if (argc > 6) {
        sizes.names = std::atoi(argv[2]);
        sizes.events = std::atoi(argv[3]);
        sizes.participants = std::atoi(argv[4]);
        sizes.parentLinks = std::atoi(argv[5]);
    }
    std::printf("persons %d, names %d, events %d, participants %d, parent links %d, places %d\n", sizes.persons,
                sizes.names, sizes.events, sizes.participants, sizes.parentLinks, sizes.Places());

    std::string directory = (std::filesystem::temp_directory_path() / "kxdata-bench-XXXXXX").string();
    if (mkdtemp(directory.data()) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string project = directory + "/BENCH";
    {
        const Clock::time_point start = Clock::now();
        ProjectWriter writer;
        BuildSyntheticProject(writer, sizes);
        writer.Write(project);
        // Opening measures reading, not the write-back of what was just written.
        ::sync();
        std::printf("project written in %.2f s\n", Microseconds(Clock::now() - start) / 1e6);
    }

    std::vector<char> out(102400);
    std::vector<char> msg(8192);
    char* o = out.data();
    char* m = msg.data();
    KxInit(static_cast<int>(out.size()), o, m);

    std::vector<double> opens;
    for (int i = 0; i < 3; ++i) {
        const Clock::time_point start = Clock::now();
        if (KxOpen(project.c_str(), m) != 0) {
            std::fprintf(stderr, "KxOpen failed: %s\n", m);
            return 1;
        }
        opens.push_back(Microseconds(Clock::now() - start) / 1e3);
    }
    std::printf("KxOpen                             first %7.1f ms   best of 3 %7.1f ms\n", opens[0],
                *std::min_element(opens.begin(), opens.end()));

    std::mt19937 random(7);
    const int sampleCount = std::min(sizes.persons, 5000);
    std::vector<int> sample;
    for (int i = 0; i < sampleCount; ++i)
        sample.push_back(static_cast<int>(random() % static_cast<unsigned>(sizes.persons)) + 1);

    Samples indiv("KxIndiv");
    Samples names("KxName (full lists)");
    Samples witness("KxWitness (walk)");
    Samples eventDirect("  KxEventDirect per participation");
    Samples tagType("  KxTagType per participation");
    Samples parents("KxRelative(1) parents");
    Samples children("KxRelative(2) children");
    Samples places("KxPlaces");

    for (const int person : sample) {
        indiv.Time([&] { return KxIndiv(person, o, m); });
        for (int restart = 1; names.Time([&] { return KxName(restart, o, m); }) == 0; restart = 0) {
        }
        std::vector<int> events;
        for (int restart = 1; witness.Time([&] { return KxWitness(restart, o, m); }) == 0; restart = 0)
            events.push_back(Field(o, 1));
        for (const int event : events) {
            if (eventDirect.Time([&] { return KxEventDirect(event, o, m); }) == 0) {
                const int type = Field(o, 0);
                tagType.Time([&] { return KxTagType(type, o, m); });
            }
        }
        for (int which = 1; parents.Time([&] { return KxRelative(which, o, m); }) == 0; which = 0) {
        }
        for (int which = 2; children.Time([&] { return KxRelative(which, o, m); }) == 0; which = 0) {
        }
        const int place = static_cast<int>(random() % static_cast<unsigned>(sizes.Places())) + 1;
        places.Time([&] { return KxPlaces(place, o, m); });
    }
    for (Samples* s : {&indiv, &names, &witness, &eventDirect, &tagType, &parents, &children, &places})
        s->Print();

    KxClose(m);
    std::filesystem::remove_all(directory);
    return 0;
}
