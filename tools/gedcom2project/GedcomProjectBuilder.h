#pragma once

#include "tools/gedcom2project/GedcomDrafts.h"
#include "tools/gedcom2project/ImportReport.h"
#include "tools/projectwriter/ProjectWriter.h"

#include <cstddef>
#include <map>
#include <string>
#include <utility>
#include <vector>

struct GedcomImportCounts {
    std::size_t persons = 0;
    std::size_t families = 0;
    std::size_t events = 0;
    std::size_t places = 0;
    std::size_t exhibits = 0;
};

// Writes the drafts of a whole GEDCOM file into a project: resolves the
// cross-references (reporting those that point nowhere), cuts family loops,
// and adds tag types, persons, names, events, places, parent links and exhibits.
class GedcomProjectBuilder {
public:
    // Persons without a death event whose first dated event lies this many
    // years before the current year or earlier are not living.
    static constexpr int kLivingYears = 100;

    GedcomProjectBuilder(GedcomDrafts& drafts, ProjectWriter& writer, ImportReport& report,
                         GedcomImportCounts& counts, std::string mediaDirectory, int currentYear);

    void Build();

private:
    struct Couple {
        int husband = 0;
        int wife = 0;
    };

    int PersonNumber(const std::string& xref, std::size_t line, const char* what);
    std::string NoteText(const std::vector<NoteDraft>& notes);
    void ResolveFamilies();
    void CutFamilyLoops();
    int PlaceNumber(const EventDraft& event);
    void AddEvent(const EventDraft& event, int per1, int per2, const std::string& extraNote);
    void AddPerson(std::size_t index);
    void AddExhibits(int person, const std::vector<MediaDraft>& drafts);
    void AddFamily(std::size_t index);

    GedcomDrafts& m_drafts;
    ProjectWriter& m_writer;
    ImportReport& m_report;
    GedcomImportCounts& m_counts;
    std::string m_strMediaDirectory;
    int m_nCurrentYear;
    std::vector<Couple> m_couples;                     // by family index
    std::vector<std::vector<FamilyLink>> m_childLinks;  // by person index: the families of a child
    std::map<std::pair<std::string, std::string>, int> m_places;  // (place, form) to place number
};
