#include "tools/gedcom2project/GedcomImporter.h"

#include "tools/gedcom2project/GedcomCharset.h"
#include "tools/gedcom2project/GedcomDate.h"
#include "tools/gedcom2project/GedcomName.h"
#include "tools/gedcom2project/GedcomPlace.h"
#include "tools/gedcom2project/GedcomReader.h"
#include "tools/gedcom2project/GedcomTags.h"
#include "tools/gedcom2project/Utf8Text.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <fstream>
#include <iterator>
#include <map>
#include <utility>

namespace {

constexpr std::size_t kReferenceLength = 20;  // REFERENCE
constexpr std::size_t kExhibitNameLength = 40;  // XNAME
constexpr std::size_t kMaxFileSize = std::size_t{1} << 31;
constexpr const char* kSurety = "3";
constexpr std::size_t kYearDigits = 4;

struct NoteDraft {
    std::string text;
    std::string pointer;
    std::size_t line = 0;
};

struct EventDraft {
    const GedcomEventTag* tag = nullptr;
    std::string date;
    std::string place;
    std::string placeForm;
    std::string text;  // the event's value and TYPE
    std::vector<NoteDraft> notes;
};

struct FamilyLink {
    std::string family;
    std::string pedigree;  // PEDI, upper case
    std::size_t line = 0;
};

struct MediaDraft {
    std::string pointer;
    std::string file;
    std::string title;
    bool primary = false;
    std::size_t line = 0;
};

struct PersonDraft {
    std::string xref;
    std::string sex;
    std::vector<std::vector<std::string>> names;
    std::vector<NoteDraft> notes;
    std::vector<EventDraft> events;
    std::vector<FamilyLink> families;  // FAMC
    std::vector<MediaDraft> media;
};

struct SpouseDraft {
    std::string person;
    std::size_t line = 0;
};

struct FamilyDraft {
    std::string xref;
    SpouseDraft husband;
    SpouseDraft wife;
    std::vector<FamilyLink> children;  // CHIL, with the family's own pedigree extensions left aside
    std::vector<EventDraft> events;
    std::vector<NoteDraft> notes;
};

bool IsDeathTag(const GedcomEventTag& tag)
{
    return tag.group == 5;  // the death group
}

std::string Upper(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

std::string Join(const std::vector<std::string>& texts)
{
    std::string joined;
    for (const std::string& t : texts) {
        if (t.empty())
            continue;
        if (!joined.empty())
            joined += '\n';
        joined += t;
    }
    return joined;
}

// The exhibit type of a file by its extension: 1 text, 2 image, 3 sound, 4 object.
int ExhibitType(const std::string& file)
{
    const std::size_t dot = file.rfind('.');
    const std::string ext = dot == std::string::npos ? std::string() : Upper(file.substr(dot + 1));
    static const char* const kImages[] = {"BMP", "JPG", "JPEG", "PCX", "TIF", "TIFF", "TGA", "GIF", "PNG"};
    static const char* const kSounds[] = {"WAV", "MP3", "OGG"};
    const auto in = [&](const auto& list) {
        return std::find_if(std::begin(list), std::end(list), [&](const char* e) { return ext == e; }) != std::end(list);
    };
    if (in(kImages))
        return 2;
    if (in(kSounds))
        return 3;
    return ext == "TXT" ? 1 : 4;
}

int StoredYear(const std::string& stored)
{
    // "1" + yyyy...; an irregular or empty date has no year.
    if (stored.size() <= kYearDigits || stored[0] != '1')
        return 0;
    return std::stoi(stored.substr(1, kYearDigits));
}

int ClockYear()
{
    const auto now = std::chrono::system_clock::now();
    return static_cast<int>(std::chrono::year_month_day(std::chrono::floor<std::chrono::days>(now)).year());
}

}  // namespace

struct GedcomImporter::Drafts {
    std::string placeForm;
    std::vector<PersonDraft> persons;
    std::vector<FamilyDraft> families;
    std::unordered_map<std::string, std::string> notes;
    std::unordered_map<std::string, MediaDraft> media;
    std::unordered_map<std::string, int> personNumbers;
    std::unordered_map<std::string, std::size_t> familyIndexes;
};

GedcomImporter::GedcomImporter(GedcomImportOptions options)
    : m_options(std::move(options)), m_drafts(std::make_unique<Drafts>())
{
    if (m_options.currentYear == 0)
        m_options.currentYear = ClockYear();
}

GedcomImporter::~GedcomImporter() = default;
GedcomImporter::GedcomImporter(GedcomImporter&&) noexcept = default;

void GedcomImporter::ReportUnknownTags(const GedcomNode& node)
{
    for (const GedcomNode& child : node.children) {
        if (!GedcomTags::IsKnown(child.tag))
            m_report.Add(child.line, "unknown tag " + child.tag, "skipped with the lines below it");
        else
            ReportUnknownTags(child);
    }
}

namespace {

class NodeReader {
public:
    NodeReader(ImportReport& report, const std::string& placeForm) : m_report(report), m_placeForm(placeForm) {}

    std::vector<NoteDraft> Notes(const GedcomNode& node) const
    {
        std::vector<NoteDraft> notes;
        for (const GedcomNode& child : node.children) {
            if (child.tag != "NOTE" && child.tag != "SNOTE")
                continue;
            if (child.IsPointer())
                notes.push_back({{}, child.Pointer(), child.line});
            else if (!child.value.empty())
                notes.push_back({child.value, {}, child.line});
        }
        return notes;
    }

    EventDraft Event(const GedcomNode& node, const GedcomEventTag& tag) const
    {
        EventDraft event;
        event.tag = &tag;
        std::vector<std::string> texts;
        if (node.value != "Y")
            texts.push_back(node.value);
        if (const GedcomNode* type = node.Find("TYPE"))
            texts.push_back(type->value);
        event.text = Join(texts);
        if (const GedcomNode* date = node.Find("DATE")) {
            GedcomDate::Result result = GedcomDate::ToStored(date->value);
            if (!result.fault.empty())
                m_report.Add(date->line, result.fault + ": \"" + date->value + "\"", "kept as an irregular date");
            event.date = std::move(result.stored);
        }
        if (const GedcomNode* place = node.Find("PLAC")) {
            event.place = place->value;
            const GedcomNode* form = place->Find("FORM");
            event.placeForm = form != nullptr ? form->value : m_placeForm;
        }
        event.notes = Notes(node);
        return event;
    }

    MediaDraft Media(const GedcomNode& node) const
    {
        MediaDraft media;
        media.line = node.line;
        media.pointer = node.Pointer();
        if (const GedcomNode* file = node.Find("FILE")) {
            media.file = file->value;
            if (const GedcomNode* title = file->Find("TITL"))
                media.title = title->value;
        }
        if (const GedcomNode* title = node.Find("TITL"))
            media.title = title->value;
        if (const GedcomNode* primary = node.Find("_PRIM"))
            media.primary = Upper(primary->value) == "Y";
        return media;
    }

private:
    ImportReport& m_report;
    const std::string& m_placeForm;
};

}  // namespace

void GedcomImporter::ReadPerson(const GedcomNode& record)
{
    if (m_drafts->persons.size() >= kMaxRecords) {
        m_report.Add(record.line, "more than " + std::to_string(kMaxRecords) + " persons", "person left out");
        return;
    }
    if (!m_drafts->personNumbers.emplace(record.xref, static_cast<int>(m_drafts->persons.size() + 1)).second) {
        m_report.Add(record.line, "second record @" + record.xref + "@", "record left out");
        return;
    }
    NodeReader reader(m_report, m_drafts->placeForm);
    PersonDraft person;
    person.xref = record.xref;
    for (const GedcomNode& child : record.children) {
        if (child.tag == "NAME") {
            person.names.push_back(GedcomName::Parts(child));
        } else if (child.tag == "SEX") {
            const std::string sex = Upper(child.value);
            person.sex = sex == "M" || sex == "F" ? sex : "U";
        } else if (child.tag == "FAMC") {
            const GedcomNode* pedigree = child.Find("PEDI");
            person.families.push_back({child.Pointer(), pedigree ? Upper(pedigree->value) : std::string(), child.line});
        } else if (child.tag == "OBJE") {
            person.media.push_back(reader.Media(child));
        } else if (const GedcomEventTag* tag = GedcomTags::Event(child.tag, false)) {
            person.events.push_back(reader.Event(child, *tag));
        }
    }
    person.notes = reader.Notes(record);
    m_drafts->persons.push_back(std::move(person));
}

void GedcomImporter::ReadFamily(const GedcomNode& record)
{
    if (m_drafts->families.size() >= kMaxRecords) {
        m_report.Add(record.line, "more than " + std::to_string(kMaxRecords) + " families", "family left out");
        return;
    }
    if (!m_drafts->familyIndexes.emplace(record.xref, m_drafts->families.size()).second) {
        m_report.Add(record.line, "second record @" + record.xref + "@", "record left out");
        return;
    }
    NodeReader reader(m_report, m_drafts->placeForm);
    FamilyDraft family;
    family.xref = record.xref;
    for (const GedcomNode& child : record.children) {
        if (child.tag == "HUSB" || child.tag == "WIFE") {
            SpouseDraft& spouse = child.tag == "HUSB" ? family.husband : family.wife;
            if (!spouse.person.empty())
                m_report.Add(child.line, "second " + child.tag + " in family @" + record.xref + "@", "ignored");
            else
                spouse = {child.Pointer(), child.line};
        } else if (child.tag == "CHIL") {
            family.children.push_back({child.Pointer(), {}, child.line});
        } else if (const GedcomEventTag* tag = GedcomTags::Event(child.tag, true)) {
            family.events.push_back(reader.Event(child, *tag));
        }
    }
    family.notes = reader.Notes(record);
    m_drafts->families.push_back(std::move(family));
}

void GedcomImporter::ReadRecord(const GedcomNode& record)
{
    if (!GedcomTags::IsKnown(record.tag)) {
        m_report.Add(record.line, "unknown record " + record.tag, "skipped");
        return;
    }
    ReportUnknownTags(record);
    const bool needsXref = record.tag == "INDI" || record.tag == "FAM" || record.tag == "NOTE" ||
                           record.tag == "SNOTE" || record.tag == "OBJE";
    if (needsXref && record.xref.empty()) {
        m_report.Add(record.line, record.tag + " record without a cross-reference", "record left out");
        return;
    }
    if (record.tag == "HEAD") {
        if (const GedcomNode* place = record.Find("PLAC"); place != nullptr && place->Find("FORM") != nullptr)
            m_drafts->placeForm = place->Find("FORM")->value;
    } else if (record.tag == "INDI") {
        ReadPerson(record);
    } else if (record.tag == "FAM") {
        ReadFamily(record);
    } else if (record.tag == "NOTE" || record.tag == "SNOTE") {
        m_drafts->notes.emplace(record.xref, record.value);
    } else if (record.tag == "OBJE") {
        m_drafts->media.emplace(record.xref, NodeReader(m_report, m_drafts->placeForm).Media(record));
    }
}

void GedcomImporter::Read(std::string_view bytes)
{
    std::size_t bom = 0;
    bool certain = false;
    GedcomCharset::Encoding encoding = GedcomCharset::Detect(bytes, bom, certain);
    bytes.remove_prefix(bom);
    if (!certain) {
        // The header is ASCII in every 8-bit set: read it as it stands to learn the set.
        ImportReport ignored;
        GedcomReader header(bytes, ignored);
        GedcomNode head;
        if (header.Next(head) && head.tag == "HEAD") {
            if (const GedcomNode* charset = head.Find("CHAR")) {
                bool known = false;
                encoding = GedcomCharset::FromName(charset->value, bytes, known);
                if (!known)
                    m_report.Add(charset->line, "unknown character set " + charset->value,
                                 Utf8Text::IsValid(bytes) ? "read as UTF-8" : "read as Windows-1252");
            } else if (!Utf8Text::IsValid(bytes)) {
                encoding = GedcomCharset::Encoding::Windows1252;
            }
        }
    }
    const GedcomCharset::Decoded decoded = GedcomCharset::Decode(bytes, encoding);
    std::string_view text = decoded.text;
    const std::size_t start = text.find_first_not_of(" \t\r\n");
    const std::string_view first = start == std::string_view::npos ? std::string_view() : text.substr(start);
    if (!first.starts_with("0 HEAD") || (first.size() > 6 && !std::isspace(static_cast<unsigned char>(first[6]))))
        throw NotGedcom("not a GEDCOM file: it does not begin with the line 0 HEAD");
    if (decoded.badBytes > 0)
        m_report.Add(decoded.firstBadLine,
                     std::to_string(decoded.badBytes) + " bytes that are not of the file's character set",
                     "each replaced by the nearest character");

    GedcomReader reader(text, m_report);
    GedcomNode record;
    while (reader.Next(record))
        ReadRecord(record);
    if (!reader.SawTrailer())
        m_report.Add(reader.LineCount(), "the file ends without a TRLR line", "the records read so far imported");
    Build();
}

void GedcomImporter::Build()
{
    Drafts& d = *m_drafts;
    const auto person = [&](const std::string& xref, std::size_t line, const char* what) -> int {
        if (xref.empty() || xref == "VOID")
            return 0;
        const auto found = d.personNumbers.find(xref);
        if (found == d.personNumbers.end()) {
            m_report.Add(line, std::string(what) + " points to a missing record @" + xref + "@", "link left out");
            return 0;
        }
        return found->second;
    };
    const auto noteText = [&](const std::vector<NoteDraft>& notes) {
        std::vector<std::string> texts;
        for (const NoteDraft& note : notes) {
            if (note.pointer.empty()) {
                texts.push_back(note.text);
                continue;
            }
            const auto found = d.notes.find(note.pointer);
            if (found == d.notes.end())
                m_report.Add(note.line, "NOTE points to a missing record @" + note.pointer + "@", "note left out");
            else
                texts.push_back(found->second);
        }
        return Join(texts);
    };

    // Tag types.
    std::size_t tagCount = 0;
    const GedcomEventTag* tags = GedcomTags::AllEvents(tagCount);
    for (std::size_t i = 0; i < tagCount; ++i) {
        m_writer.AddTagType({.number = tags[i].number, .name = tags[i].name, .admin = tags[i].group,
                             .abbrev = tags[i].abbrev, .more = {{"GEDCOM_TAG", tags[i].tag}, {"ACTIVE", "T"}}});
    }

    // Spouses and children of every family, as person numbers.
    const std::size_t personCount = d.persons.size();
    struct Couple {
        int husband = 0;
        int wife = 0;
    };
    std::vector<Couple> couples(d.families.size());
    for (std::size_t f = 0; f < d.families.size(); ++f) {
        FamilyDraft& family = d.families[f];
        couples[f] = {person(family.husband.person, family.husband.line, "HUSB"),
                      person(family.wife.person, family.wife.line, "WIFE")};
    }
    // The families a child belongs to: its own FAMC links, then CHIL lines it lacks.
    std::vector<std::vector<FamilyLink>> childLinks(personCount);
    for (std::size_t p = 0; p < personCount; ++p) {
        for (const FamilyLink& link : d.persons[p].families) {
            if (link.family.empty() || link.family == "VOID")
                continue;
            if (d.familyIndexes.count(link.family) == 0) {
                m_report.Add(link.line, "FAMC points to a missing record @" + link.family + "@", "link left out");
                continue;
            }
            childLinks[p].push_back(link);
        }
    }
    for (const FamilyDraft& family : d.families) {
        for (const FamilyLink& child : family.children) {
            const int number = person(child.family, child.line, "CHIL");
            if (number == 0)
                continue;
            auto& links = childLinks[static_cast<std::size_t>(number - 1)];
            const bool listed = std::any_of(links.begin(), links.end(),
                                            [&](const FamilyLink& l) { return l.family == family.xref; });
            if (!listed)
                links.push_back({family.xref, {}, child.line});
        }
    }

    // A person who would be their own ancestor: the link that closes the loop is dropped.
    {
        enum : char { kNew, kOnPath, kDone };
        std::vector<char> state(personCount, kNew);
        struct Frame {
            std::size_t person;
            std::size_t link;
            int parent;  // 0 husband, 1 wife of the current link
        };
        for (std::size_t root = 0; root < personCount; ++root) {
            if (state[root] != kNew)
                continue;
            std::vector<Frame> stack{{root, 0, 0}};
            state[root] = kOnPath;
            while (!stack.empty()) {
                Frame& top = stack.back();
                auto& links = childLinks[top.person];
                if (top.link >= links.size()) {
                    state[top.person] = kDone;
                    stack.pop_back();
                    continue;
                }
                const Couple& couple = couples[d.familyIndexes.at(links[top.link].family)];
                const int parent = top.parent == 0 ? couple.husband : couple.wife;
                if (++top.parent > 1) {
                    top.parent = 0;
                    ++top.link;
                }
                if (parent == 0)
                    continue;
                const auto q = static_cast<std::size_t>(parent - 1);
                if (state[q] == kOnPath) {
                    // Drop the link just walked, whichever of the two parents closed the loop.
                    const std::size_t index = top.parent == 0 ? top.link - 1 : top.link;
                    m_report.Add(links[index].line,
                                 "family loop: @" + d.persons[top.person].xref + "@ would be an ancestor of itself",
                                 "link to family @" + links[index].family + "@ left out");
                    links.erase(links.begin() + static_cast<std::ptrdiff_t>(index));
                    top.link = index;
                    top.parent = 0;
                } else if (state[q] == kNew) {
                    state[q] = kOnPath;
                    stack.push_back({q, 0, 0});
                }
            }
        }
    }

    // Places, one record for each distinct text.
    std::map<std::pair<std::string, std::string>, int> places;
    const auto placeNumber = [&](const EventDraft& event) {
        if (event.place.empty())
            return 0;
        const auto key = std::make_pair(event.place, event.placeForm);
        const auto found = places.find(key);
        if (found != places.end())
            return found->second;
        const int number = static_cast<int>(places.size() + 1);
        m_writer.AddPlace({.number = number, .parts = GedcomPlace::Parts(event.place, event.placeForm)});
        places.emplace(key, number);
        return number;
    };
    const ProjectFields sureties = {{"ENSURE", kSurety}, {"ESSURE", kSurety}, {"EDSURE", kSurety},
                                    {"EPSURE", kSurety}, {"EFSURE", kSurety}};
    const auto addEvent = [&](const EventDraft& event, int per1, int per2, const std::string& extraNote) {
        const bool regular = !event.date.empty() && event.date[0] == '1';
        std::string note = Join({event.text, noteText(event.notes), extraNote});
        const int number = m_writer.AddEvent({.type = event.tag->number, .per1 = per1, .per2 = per2,
                                              .date = event.date, .place = placeNumber(event),
                                              .sortDate = regular ? event.date : std::string(), .note = note,
                                              .more = sureties});
        for (const int p : {per1, per2}) {
            if (p > 0)
                m_writer.AddParticipant({.person = p, .event = number});
        }
        ++m_counts.events;
    };

    // Persons, their names, events and pictures.
    for (std::size_t p = 0; p < personCount; ++p) {
        PersonDraft& draft = d.persons[p];
        const int number = static_cast<int>(p + 1);
        std::stable_sort(draft.events.begin(), draft.events.end(),
                         [](const EventDraft& a, const EventDraft& b) { return a.tag->rank < b.tag->rank; });
        std::string birth, death;
        bool dead = false;
        int earliestYear = 0;
        for (const EventDraft& event : draft.events) {
            if (event.tag->number == GedcomTags::Event("BIRT", false)->number && birth.empty())
                birth = event.date;
            if (event.tag->number == GedcomTags::Event("DEAT", false)->number && death.empty())
                death = event.date;
            dead = dead || IsDeathTag(*event.tag);
            const int year = StoredYear(event.date);
            if (year > 0 && (earliestYear == 0 || year < earliestYear))
                earliestYear = year;
        }
        const bool living = !dead && (earliestYear == 0 || earliestYear > m_options.currentYear - kLivingYears);
        const auto& links = childLinks[p];
        // The birth family is the primary one; without one, the first family.
        std::size_t primary = 0;
        for (std::size_t i = links.size(); i-- > 0;) {
            if (links[i].pedigree.empty() || links[i].pedigree == "BIRTH")
                primary = i;
        }
        Couple parents;
        if (!links.empty())
            parents = couples[d.familyIndexes.at(links[primary].family)];
        const bool adopted = std::any_of(links.begin(), links.end(),
                                         [](const FamilyLink& l) { return l.pedigree == "ADOPTED"; });
        m_writer.AddPerson({.number = number, .sex = draft.sex, .birth = birth, .death = death,
                            .father = parents.husband, .mother = parents.wife,
                            .reference = Utf8Text::Cut(draft.xref, kReferenceLength), .living = living ? "Y" : "N",
                            .more = {{"ADOPTED", adopted ? "Y" : "N"}}});
        ++m_counts.persons;
        // Every person needs a primary name, or the program cannot print one.
        if (draft.names.empty())
            draft.names.emplace_back(GedcomName::kParts);
        const std::string notes = noteText(draft.notes);
        for (std::size_t n = 0; n < draft.names.size(); ++n) {
            m_writer.AddName({.person = number, .parts = draft.names[n], .primary = n == 0 ? "T" : "F",
                              .note = n == 0 ? notes : std::string()});
        }
        for (const EventDraft& event : draft.events)
            addEvent(event, number, 0, {});
        // Parent links.
        for (std::size_t i = 0; i < links.size(); ++i) {
            const Couple& couple = couples[d.familyIndexes.at(links[i].family)];
            const std::string type = links[i].pedigree.empty() ? "B" : links[i].pedigree.substr(0, 1);
            for (const int parent : {couple.husband, couple.wife}) {
                if (parent > 0)
                    m_writer.AddParentLink({.child = number, .parent = parent, .primary = i == primary,
                                            .type = type});
            }
        }
        // Pictures: the one marked primary, else the first, is the primary exhibit.
        std::vector<MediaDraft> media;
        for (const MediaDraft& m : draft.media) {
            if (m.pointer.empty()) {
                media.push_back(m);
                continue;
            }
            const auto found = d.media.find(m.pointer);
            if (found == d.media.end()) {
                m_report.Add(m.line, "OBJE points to a missing record @" + m.pointer + "@", "picture left out");
                continue;
            }
            MediaDraft resolved = found->second;
            resolved.primary = resolved.primary || m.primary;
            media.push_back(resolved);
        }
        const auto marked = std::find_if(media.begin(), media.end(), [](const MediaDraft& m) { return m.primary; });
        const std::size_t primaryMedia = marked == media.end() ? 0 : static_cast<std::size_t>(marked - media.begin());
        for (std::size_t i = 0; i < media.size(); ++i) {
            std::string file = media[i].file;
            if (file.empty()) {
                m_report.Add(media[i].line, "OBJE without FILE", "picture left out");
                continue;
            }
            if (file.starts_with("file://"))
                file.erase(0, std::string_view("file://").size());
            const bool absolute = file[0] == '/' || file[0] == '\\' || (file.size() > 1 && file[1] == ':');
            if (!absolute && !m_options.mediaDirectory.empty())
                file = m_options.mediaDirectory + "/" + file;
            m_writer.AddExhibit({.person = number, .type = ExhibitType(file),
                                 .name = Utf8Text::Cut(media[i].title, kExhibitNameLength), .file = file,
                                 .primary = i == primaryMedia});
            ++m_counts.exhibits;
        }
    }

    // Families: their events, and a partnership for a couple that has no marriage.
    for (std::size_t f = 0; f < d.families.size(); ++f) {
        const FamilyDraft& family = d.families[f];
        const Couple& couple = couples[f];
        const int per1 = couple.husband > 0 ? couple.husband : couple.wife;
        const int per2 = couple.husband > 0 ? couple.wife : 0;
        ++m_counts.families;
        const std::string notes = noteText(family.notes);
        bool married = false;
        for (const EventDraft& event : family.events)
            married = married || event.tag->group == GedcomTags::Partners().group;
        if (per1 > 0 && per2 > 0 && !married) {
            EventDraft partners;
            partners.tag = &GedcomTags::Partners();
            addEvent(partners, per1, per2, notes);
        }
        for (std::size_t e = 0; e < family.events.size(); ++e) {
            if (per1 > 0)
                addEvent(family.events[e], per1, per2, married && e == 0 ? notes : std::string());
        }
    }
    m_counts.places = places.size();
    // The drafts are no longer needed; the writer holds the project now.
    m_drafts = std::make_unique<Drafts>();
}

GedcomImporter GedcomImporter::ImportFile(const std::string& gedcomPath, const std::string& projectPath)
{
    std::ifstream file(gedcomPath, std::ios::binary);
    if (!file)
        throw std::runtime_error("cannot open " + gedcomPath);
    file.seekg(0, std::ios::end);
    const std::streamoff size = file.tellg();
    if (size < 0 || static_cast<unsigned long long>(size) > kMaxFileSize)
        throw std::runtime_error(gedcomPath + " is larger than " + std::to_string(kMaxFileSize) + " bytes");
    file.seekg(0);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (!file.read(bytes.data(), size))
        throw std::runtime_error("cannot read " + gedcomPath);
    const std::size_t slash = gedcomPath.find_last_of('/');
    GedcomImportOptions options;
    options.mediaDirectory = slash == std::string::npos ? "." : gedcomPath.substr(0, slash);
    GedcomImporter importer(options);
    importer.Read(bytes);
    importer.Writer().WriteReplacing(projectPath);
    return importer;
}
