#include "tools/gedcom2project/GedcomProjectBuilder.h"

#include "tools/gedcom2project/GedcomName.h"
#include "tools/gedcom2project/GedcomPlace.h"
#include "tools/gedcom2project/GedcomTags.h"
#include "tools/gedcom2project/GedcomText.h"
#include "tools/gedcom2project/Utf8Text.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <string_view>

namespace {

constexpr std::size_t kReferenceLength = 20;    // REFERENCE
constexpr std::size_t kExhibitNameLength = 40;  // XNAME
constexpr std::size_t kYearDigits = 4;
constexpr const char* kSurety = "3";
constexpr const char* kNullPointer = "VOID";  // GEDCOM 7's @VOID@
constexpr std::string_view kFileScheme = "file://";

enum ExhibitKind { kText = 1, kImage = 2, kSound = 3, kObject = 4 };

ExhibitKind KindOfFile(const std::string& file)
{
    const std::size_t dot = file.rfind('.');
    const std::string ext = dot == std::string::npos ? std::string() : GedcomText::Upper(file.substr(dot + 1));
    static const char* const kImages[] = {"BMP", "JPG", "JPEG", "PCX", "TIF", "TIFF", "TGA", "GIF", "PNG"};
    static const char* const kSounds[] = {"WAV", "MP3", "OGG"};
    const auto in = [&](const auto& list) {
        return std::find_if(std::begin(list), std::end(list), [&](const char* e) { return ext == e; }) != std::end(list);
    };
    if (in(kImages))
        return kImage;
    if (in(kSounds))
        return kSound;
    return ext == "TXT" ? kText : kObject;
}

int StoredYear(const std::string& stored)
{
    // "1" + yyyy...; an irregular or empty date has no year.
    if (stored.size() <= kYearDigits || stored[0] != '1')
        return 0;
    return std::stoi(stored.substr(1, kYearDigits));
}

bool IsRegular(const std::string& stored)
{
    return !stored.empty() && stored[0] == '1';
}

}  // namespace

GedcomProjectBuilder::GedcomProjectBuilder(GedcomDrafts& drafts, ProjectWriter& writer, ImportReport& report,
                                           GedcomImportCounts& counts, std::string mediaDirectory, int currentYear)
    : m_drafts(drafts)
    , m_writer(writer)
    , m_report(report)
    , m_counts(counts)
    , m_strMediaDirectory(std::move(mediaDirectory))
    , m_nCurrentYear(currentYear)
{
}

int GedcomProjectBuilder::PersonNumber(const std::string& xref, std::size_t line, const char* what)
{
    if (xref.empty() || xref == kNullPointer)
        return 0;
    const auto found = m_drafts.personNumbers.find(xref);
    if (found == m_drafts.personNumbers.end()) {
        m_report.Add(line, std::string(what) + " points to a missing record @" + xref + "@", "link left out");
        return 0;
    }
    return found->second;
}

std::string GedcomProjectBuilder::NoteText(const std::vector<NoteDraft>& notes)
{
    std::vector<std::string> texts;
    for (const NoteDraft& note : notes) {
        if (note.pointer.empty()) {
            texts.push_back(note.text);
            continue;
        }
        const auto found = m_drafts.notes.find(note.pointer);
        if (found == m_drafts.notes.end())
            m_report.Add(note.line, "NOTE points to a missing record @" + note.pointer + "@", "note left out");
        else
            texts.push_back(found->second);
    }
    return GedcomText::JoinLines(texts);
}

void GedcomProjectBuilder::ResolveFamilies()
{
    m_couples.resize(m_drafts.families.size());
    for (std::size_t f = 0; f < m_drafts.families.size(); ++f) {
        const FamilyDraft& family = m_drafts.families[f];
        m_couples[f] = {PersonNumber(family.husband.person, family.husband.line, "HUSB"),
                        PersonNumber(family.wife.person, family.wife.line, "WIFE")};
    }
    // The families of a child: its own FAMC links, then the CHIL lines that it lacks.
    m_childLinks.resize(m_drafts.persons.size());
    for (std::size_t p = 0; p < m_drafts.persons.size(); ++p) {
        for (const FamilyLink& link : m_drafts.persons[p].families) {
            if (link.family.empty() || link.family == kNullPointer)
                continue;
            if (m_drafts.familyIndexes.count(link.family) == 0)
                m_report.Add(link.line, "FAMC points to a missing record @" + link.family + "@", "link left out");
            else
                m_childLinks[p].push_back(link);
        }
    }
    for (const FamilyDraft& family : m_drafts.families) {
        for (const PersonLink& child : family.children) {
            const int number = PersonNumber(child.person, child.line, "CHIL");
            if (number == 0)
                continue;
            auto& links = m_childLinks[static_cast<std::size_t>(number - 1)];
            if (std::none_of(links.begin(), links.end(), [&](const FamilyLink& l) { return l.family == family.xref; }))
                links.push_back({family.xref, {}, child.line});
        }
    }
}

void GedcomProjectBuilder::CutFamilyLoops()
{
    // A depth-first walk from child to parents; a parent already on the path would
    // make a person their own ancestor, so the link just walked is dropped.
    enum : char { kNew, kOnPath, kDone };
    std::vector<char> state(m_drafts.persons.size(), kNew);
    struct Frame {
        std::size_t person;
        std::size_t link;
        bool wife;  // which parent of the link comes next
    };
    for (std::size_t root = 0; root < state.size(); ++root) {
        if (state[root] != kNew)
            continue;
        std::vector<Frame> stack{{root, 0, false}};
        state[root] = kOnPath;
        while (!stack.empty()) {
            Frame& top = stack.back();
            auto& links = m_childLinks[top.person];
            if (top.link >= links.size()) {
                state[top.person] = kDone;
                stack.pop_back();
                continue;
            }
            const std::size_t index = top.link;
            const Couple& couple = m_couples[m_drafts.familyIndexes.at(links[index].family)];
            const int parent = top.wife ? couple.wife : couple.husband;
            top.link += top.wife ? 1 : 0;
            top.wife = !top.wife;
            if (parent == 0)
                continue;
            const auto q = static_cast<std::size_t>(parent - 1);
            if (state[q] == kOnPath) {
                m_report.Add(links[index].line,
                             "family loop: @" + m_drafts.persons[top.person].xref + "@ would be an ancestor of itself",
                             "link to family @" + links[index].family + "@ left out");
                links.erase(links.begin() + static_cast<std::ptrdiff_t>(index));
                top.link = index;
                top.wife = false;
            } else if (state[q] == kNew) {
                state[q] = kOnPath;
                stack.push_back({q, 0, false});
            }
        }
    }
}

int GedcomProjectBuilder::PlaceNumber(const EventDraft& event)
{
    if (event.place.empty())
        return 0;
    auto key = std::make_pair(event.place, event.placeForm);
    const auto found = m_places.find(key);
    if (found != m_places.end())
        return found->second;
    const int number = static_cast<int>(m_places.size() + 1);
    m_writer.AddPlace({.number = number, .parts = GedcomPlace::Parts(event.place, event.placeForm)});
    m_places.emplace(std::move(key), number);
    return number;
}

void GedcomProjectBuilder::AddEvent(const EventDraft& event, int per1, int per2, const std::string& extraNote)
{
    static const ProjectFields kSureties = {{"ENSURE", kSurety}, {"ESSURE", kSurety}, {"EDSURE", kSurety},
                                            {"EPSURE", kSurety}, {"EFSURE", kSurety}};
    const int number = m_writer.AddEvent({.type = event.tag->number, .per1 = per1, .per2 = per2, .date = event.date,
                                          .place = PlaceNumber(event),
                                          .sortDate = IsRegular(event.date) ? event.date : std::string(),
                                          .note = GedcomText::JoinLines({event.text, NoteText(event.notes), extraNote}),
                                          .more = kSureties});
    for (const int p : {per1, per2}) {
        if (p > 0)
            m_writer.AddParticipant({.person = p, .event = number});
    }
    ++m_counts.events;
}

void GedcomProjectBuilder::AddPerson(std::size_t index)
{
    PersonDraft& draft = m_drafts.persons[index];
    const int number = static_cast<int>(index + 1);
    std::stable_sort(draft.events.begin(), draft.events.end(),
                     [](const EventDraft& a, const EventDraft& b) { return a.tag->rank < b.tag->rank; });
    std::string birth, death;
    bool dead = false;
    int earliestYear = 0;
    for (const EventDraft& event : draft.events) {
        if (std::string_view(event.tag->tag) == "BIRT" && birth.empty())
            birth = event.date;
        if (std::string_view(event.tag->tag) == "DEAT" && death.empty())
            death = event.date;
        dead = dead || event.tag->group == GedcomTags::kDeathGroup;
        const int year = StoredYear(event.date);
        if (year > 0 && (earliestYear == 0 || year < earliestYear))
            earliestYear = year;
    }
    const bool living = !dead && (earliestYear == 0 || earliestYear > m_nCurrentYear - kLivingYears);
    const auto& links = m_childLinks[index];
    // The birth family is the primary one; without one, the first family.
    const auto birthFamily = std::find_if(links.begin(), links.end(), [](const FamilyLink& l) {
        return l.pedigree.empty() || l.pedigree == "BIRTH";
    });
    const std::size_t primary = birthFamily == links.end() ? 0 : static_cast<std::size_t>(birthFamily - links.begin());
    Couple parents;
    if (!links.empty())
        parents = m_couples[m_drafts.familyIndexes.at(links[primary].family)];
    const bool adopted =
        std::any_of(links.begin(), links.end(), [](const FamilyLink& l) { return l.pedigree == "ADOPTED"; });
    m_writer.AddPerson({.number = number, .sex = draft.sex, .birth = birth, .death = death,
                        .father = parents.husband, .mother = parents.wife,
                        .reference = Utf8Text::Cut(draft.xref, kReferenceLength), .living = living ? "Y" : "N",
                        .more = {{"ADOPTED", adopted ? "Y" : "N"}}});
    ++m_counts.persons;

    // Every person needs a primary name, or the program cannot print one.
    if (draft.names.empty())
        draft.names.emplace_back(GedcomName::kParts);
    const std::string notes = NoteText(draft.notes);
    for (std::size_t n = 0; n < draft.names.size(); ++n) {
        m_writer.AddName({.person = number, .parts = draft.names[n], .primary = n == 0 ? "T" : "F",
                          .note = n == 0 ? notes : std::string()});
    }
    for (const EventDraft& event : draft.events)
        AddEvent(event, number, 0, {});
    for (std::size_t i = 0; i < links.size(); ++i) {
        const Couple& couple = m_couples[m_drafts.familyIndexes.at(links[i].family)];
        const std::string type = links[i].pedigree.empty() ? "B" : links[i].pedigree.substr(0, 1);
        for (const int parent : {couple.husband, couple.wife}) {
            if (parent > 0)
                m_writer.AddParentLink({.child = number, .parent = parent, .primary = i == primary, .type = type});
        }
    }
    AddExhibits(number, draft.media);
}

void GedcomProjectBuilder::AddExhibits(int person, const std::vector<MediaDraft>& drafts)
{
    std::vector<MediaDraft> media;
    for (const MediaDraft& m : drafts) {
        if (m.pointer.empty()) {
            media.push_back(m);
            continue;
        }
        const auto found = m_drafts.media.find(m.pointer);
        if (found == m_drafts.media.end()) {
            m_report.Add(m.line, "OBJE points to a missing record @" + m.pointer + "@", "picture left out");
            continue;
        }
        MediaDraft resolved = found->second;
        resolved.primary = resolved.primary || m.primary;
        media.push_back(std::move(resolved));
    }
    std::erase_if(media, [&](const MediaDraft& m) {
        if (m.file.empty())
            m_report.Add(m.line, "OBJE without FILE", "picture left out");
        return m.file.empty();
    });
    // The picture marked primary, else the first, is the primary exhibit.
    const auto marked = std::find_if(media.begin(), media.end(), [](const MediaDraft& m) { return m.primary; });
    const std::size_t primary = marked == media.end() ? 0 : static_cast<std::size_t>(marked - media.begin());
    for (std::size_t i = 0; i < media.size(); ++i) {
        std::string file = media[i].file;
        if (file.starts_with(kFileScheme))
            file.erase(0, kFileScheme.size());
        const bool absolute = file[0] == '/' || file[0] == '\\' || (file.size() > 1 && file[1] == ':');
        if (!absolute && !m_strMediaDirectory.empty())
            file = m_strMediaDirectory + "/" + file;
        m_writer.AddExhibit({.person = person, .type = KindOfFile(file),
                             .name = Utf8Text::Cut(media[i].title, kExhibitNameLength), .file = file,
                             .primary = i == primary});
        ++m_counts.exhibits;
    }
}

void GedcomProjectBuilder::AddFamily(std::size_t index)
{
    const FamilyDraft& family = m_drafts.families[index];
    const Couple& couple = m_couples[index];
    const int per1 = couple.husband > 0 ? couple.husband : couple.wife;
    const int per2 = couple.husband > 0 ? couple.wife : 0;
    ++m_counts.families;
    const std::string notes = NoteText(family.notes);
    const bool married = std::any_of(family.events.begin(), family.events.end(), [](const EventDraft& e) {
        return e.tag->group == GedcomTags::kMarriageGroup;
    });
    // A couple without a marriage event still needs one of the marriage group to be found as spouses.
    if (per1 > 0 && per2 > 0 && !married) {
        EventDraft partners;
        partners.tag = &GedcomTags::Partners();
        AddEvent(partners, per1, per2, notes);
    }
    if (per1 == 0)
        return;
    for (std::size_t e = 0; e < family.events.size(); ++e)
        AddEvent(family.events[e], per1, per2, married && e == 0 ? notes : std::string());
}

void GedcomProjectBuilder::Build()
{
    std::size_t tagCount = 0;
    const GedcomEventTag* tags = GedcomTags::AllEvents(tagCount);
    for (std::size_t i = 0; i < tagCount; ++i) {
        m_writer.AddTagType({.number = tags[i].number, .name = tags[i].name, .admin = tags[i].group,
                             .abbrev = tags[i].abbrev, .more = {{"GEDCOM_TAG", tags[i].tag}, {"ACTIVE", "T"}}});
    }
    ResolveFamilies();
    CutFamilyLoops();
    for (std::size_t p = 0; p < m_drafts.persons.size(); ++p)
        AddPerson(p);
    for (std::size_t f = 0; f < m_drafts.families.size(); ++f)
        AddFamily(f);
    m_counts.places = m_places.size();
}
