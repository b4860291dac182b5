#pragma once

#include <string>

// The GEDCOM tags the importer knows: the event tags it turns into events of
// the project's tag types, and every other standard tag (5.5.1, 5.5.5, 7.0),
// which it may pass over without a report.
struct GedcomEventTag {
    const char* tag;
    int number;  // tag type number in the project
    const char* name;
    int group;   // the tag type's ADMIN value: 4 birth, 5 death, 6 marriage
    const char* abbrev;
    int rank;    // events of a person are stored in this order, so births and deaths come first
};

class GedcomTags {
public:
    // Groups: the program itself knows birth, death and marriage.
    static constexpr int kOtherGroup = 1;
    static constexpr int kBirthGroup = 4;
    static constexpr int kDeathGroup = 5;
    static constexpr int kMarriageGroup = 6;
    static constexpr int kFamilyGroup = 7;
    // The tag type of a couple without a MARR event, so that the program still finds them as spouses.
    static const GedcomEventTag& Partners();

    // The event of an individual (family = false) or a family tag, or nullptr.
    static const GedcomEventTag* Event(const std::string& tag, bool family);
    // Every event tag type, for the project's tag type table.
    static const GedcomEventTag* AllEvents(std::size_t& count);
    static bool IsKnown(const std::string& tag);
};
