#include "tools/projectwriter/SyntheticProject.h"

#include "tools/projectwriter/ProjectWriter.h"

#include <random>
#include <string>
#include <vector>

namespace {

// "Town 12": a word and a number.
std::string Numbered(const char* word, int number)
{
    std::string text(word);
    text += std::to_string(number);
    return text;
}

}  // namespace

SyntheticSizes SyntheticSizes::ForPersons(int persons)
{
    SyntheticSizes sizes;
    sizes.persons = persons;
    sizes.names = persons * 3 / 2;
    sizes.events = persons * 3;
    sizes.participants = persons * 6;
    sizes.parentLinks = persons * 2;
    return sizes;
}

void BuildSyntheticProject(ProjectWriter& writer, const SyntheticSizes& sizes)
{
    std::mt19937 random(20240101);
    const int persons = sizes.persons > 0 ? sizes.persons : 1;
    auto anyPerson = [&] { return static_cast<int>(random() % static_cast<unsigned>(persons)) + 1; };
    auto anyOf = [&](int count) { return static_cast<int>(random() % static_cast<unsigned>(count)) + 1; };
    auto anyDate = [&] {
        return StoredDate::Regular(static_cast<char>('0' + random() % 8),
                                   {1600 + anyOf(400), anyOf(12), anyOf(28), random() % 10 == 0},
                                   {1600 + anyOf(400), 0, 0, false}, random() % 20 == 0);
    };

    static const char* const kTags[SyntheticSizes::kTagTypes] = {
        "Birth", "Death", "Marriage", "Burial", "Baptism", "Census", "Residence", "Occupation", "Education",
        "Emigration", "Immigration", "Divorce", "Probate", "Will", "Military", "Graduation", "Retirement",
        "Christening", "Confirmation", "Note"};
    static const int kAdmin[SyntheticSizes::kTagTypes] = {4, 5, 6, 5, 4};
    for (int t = 0; t < SyntheticSizes::kTagTypes; ++t)
        writer.AddTagType({.number = t + 1, .name = kTags[t], .admin = kAdmin[t], .abbrev = std::string(kTags[t]).substr(0, 4)});

    for (int p = 1; p <= sizes.Places(); ++p)
        writer.AddPlace({.number = p, .parts = {"", Numbered("Street ", p), Numbered("Town ", p % 997),
                                                Numbered("County ", p % 97), "State", "Country", "", ""}});

    // Parent links: each child gets a father and then a mother, children taken from the end.
    std::vector<int> father(static_cast<size_t>(persons) + 1, 0);
    std::vector<int> mother(static_cast<size_t>(persons) + 1, 0);
    for (int j = 0; j < sizes.parentLinks; ++j) {
        const int child = persons - (j / 2) % persons;
        const int parent = anyPerson();
        (j % 2 == 0 ? father : mother)[static_cast<size_t>(child)] = parent;
        writer.AddParentLink({.child = child, .parent = parent, .surety = std::to_string(random() % 4)});
    }

    for (int p = 1; p <= persons && p <= sizes.persons; ++p) {
        writer.AddPerson({.number = p,
                          .sex = p % 2 == 0 ? "F" : "M",
                          .birth = anyDate(),
                          .death = random() % 3 == 0 ? std::string() : anyDate(),
                          .father = father[static_cast<size_t>(p)],
                          .mother = mother[static_cast<size_t>(p)],
                          .reference = Numbered("R", p),
                          .birthOrder = std::to_string(random() % 10),
                          .living = random() % 5 == 0 ? "Y" : "N"});
    }

    for (int n = 0; n < sizes.names; ++n) {
        const int person = n % persons + 1;
        writer.AddName({.person = person,
                        .parts = {Numbered("Surname", person % 1009), Numbered("Given", n),
                                  "", "!Jr"},
                        .primary = n < persons ? "T" : "F"});
    }

    // Each event's first principal is its first, primary participant; the rest are witnesses.
    std::vector<int> firstPrincipal(static_cast<size_t>(sizes.events > 0 ? sizes.events : 0) + 1, 0);
    for (int e = 1; e <= sizes.events; ++e) {
        firstPrincipal[static_cast<size_t>(e)] = anyPerson();
        writer.AddEvent({.type = anyOf(SyntheticSizes::kTagTypes),
                         .per1 = firstPrincipal[static_cast<size_t>(e)],
                         .per2 = random() % 3 == 0 ? anyPerson() : 0,
                         .date = anyDate(),
                         .place = anyOf(sizes.Places()),
                         .sortDate = anyDate()});
    }

    for (int k = 0; k < sizes.participants && sizes.events > 0; ++k) {
        const int event = k % sizes.events + 1;
        const bool first = k < sizes.events;
        writer.AddParticipant({.person = first ? firstPrincipal[static_cast<size_t>(event)] : anyPerson(),
                               .event = event,
                               .primary = first});
    }
}

namespace {

constexpr int kBirthTag = 1;
constexpr int kDeathTag = 2;
constexpr int kMarriageTag = 3;
constexpr int kBirthGroup = 4;
constexpr int kDeathGroup = 5;
constexpr int kMarriageGroup = 6;
constexpr int kYearsPerGeneration = 25;
constexpr int kNewestBirth = 1950;
constexpr int kLifetime = 60;
constexpr int kMonths = 12;
constexpr int kDays = 28;

void AddLifeTags(ProjectWriter& writer)
{
    writer.AddTagType({.number = kBirthTag, .name = "Birth", .admin = kBirthGroup, .abbrev = "b."});
    writer.AddTagType({.number = kDeathTag, .name = "Death", .admin = kDeathGroup, .abbrev = "d."});
}

// A person with a name, a birth and a death, and primary links to the parents given.
void AddLife(ProjectWriter& writer, int p, const char* sex, int year, int father, int mother, int surname)
{
    writer.AddPerson({.number = p,
                      .sex = sex,
                      .birth = StoredDate::Exact(year, p % kMonths + 1, p % kDays + 1),
                      .father = father,
                      .mother = mother});
    writer.AddName({.person = p, .parts = {Numbered("Surname", surname), "", Numbered("Given", p), ""}});
    for (const int parent : {father, mother})
        if (parent != 0)
            writer.AddParentLink({.child = p, .parent = parent, .surety = "3", .primary = true});
    const int birth = writer.AddEvent({.type = kBirthTag, .per1 = p, .date = StoredDate::Exact(year), .place = 0});
    writer.AddParticipant({.person = p, .event = birth});
    const int death = writer.AddEvent({.type = kDeathTag, .per1 = p, .date = StoredDate::Exact(year + kLifetime)});
    writer.AddParticipant({.person = p, .event = death});
}

}  // namespace

void BuildPedigreeProject(ProjectWriter& writer, int generations)
{
    AddLifeTags(writer);
    const int persons = (1 << generations) - 1;
    const int parents = persons / 2;  // those below the oldest generation
    for (int p = 1, depth = 0; p <= persons; ++p) {
        if ((p & (p - 1)) == 0 && p > 1)
            ++depth;
        AddLife(writer, p, p % 2 == 0 || p == 1 ? "M" : "F", kNewestBirth - depth * kYearsPerGeneration,
                p <= parents ? 2 * p : 0, p <= parents ? 2 * p + 1 : 0, p / 4);
    }
}

void BuildDescendantProject(ProjectWriter& writer, const DescendantSizes& sizes)
{
    AddLifeTags(writer);
    writer.AddTagType({.number = kMarriageTag, .name = "Marriage", .admin = kMarriageGroup, .abbrev = "m."});
    const int oldest = kNewestBirth - (sizes.generations - 1) * kYearsPerGeneration;
    // The start person's ancestors take the numbers after the descendants and
    // their spouses: pedigree number n is person first + n - 2.
    int descendants = 0;
    for (int g = 0, width = 1; g < sizes.generations; ++g, width *= sizes.childrenPerCouple)
        descendants += width;
    const int first = 2 * descendants + 1;
    const int pedigree = (1 << sizes.ancestorGenerations) - 1;
    const auto ancestor = [&](int n) { return n == 1 ? 1 : first + n - 2; };
    for (int n = 2, depth = 0; n <= pedigree; ++n) {
        if ((n & (n - 1)) == 0)
            ++depth;
        const bool bParents = 2 * n <= pedigree;
        AddLife(writer, ancestor(n), n % 2 == 0 ? "M" : "F", oldest - depth * kYearsPerGeneration,
                bParents ? ancestor(2 * n) : 0, bParents ? ancestor(2 * n + 1) : 0, n / 4);
    }

    // The descendants generation by generation, each with a spouse; the
    // children of a generation's couples are numbered after its spouses.
    struct Child {
        int person;
        int father;
        int mother;
    };
    std::vector<Child> generation{{1, pedigree > 1 ? ancestor(2) : 0, pedigree > 1 ? ancestor(3) : 0}};
    int next = 2;
    for (int g = 1; g <= sizes.generations; ++g) {
        const int year = oldest + (g - 1) * kYearsPerGeneration;
        std::vector<Child> children;
        for (const Child& c : generation) {
            const bool bMale = c.person % 2 == 1;
            const int spouse = next++;
            const int husband = bMale ? c.person : spouse;
            const int wife = bMale ? spouse : c.person;
            AddLife(writer, c.person, bMale ? "M" : "F", year, c.father, c.mother, c.person);
            AddLife(writer, spouse, bMale ? "F" : "M", year, 0, 0, spouse);
            const int marriage = writer.AddEvent({.type = kMarriageTag, .per1 = husband, .per2 = wife,
                                                  .date = StoredDate::Exact(year + kYearsPerGeneration - 1)});
            writer.AddParticipant({.person = husband, .event = marriage});
            writer.AddParticipant({.person = wife, .event = marriage});
            if (g < sizes.generations)
                children.insert(children.end(), static_cast<std::size_t>(sizes.childrenPerCouple),
                                Child{0, husband, wife});
        }
        for (Child& child : children)
            child.person = next++;
        generation = std::move(children);
    }
}
