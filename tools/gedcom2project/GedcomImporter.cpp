#include "tools/gedcom2project/GedcomImporter.h"

#include "tools/gedcom2project/GedcomCharset.h"
#include "tools/gedcom2project/GedcomDate.h"
#include "tools/gedcom2project/GedcomName.h"
#include "tools/gedcom2project/GedcomReader.h"
#include "tools/gedcom2project/GedcomTags.h"
#include "tools/gedcom2project/GedcomText.h"
#include "tools/gedcom2project/Utf8Text.h"

#include <cctype>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <utility>

namespace {

constexpr std::size_t kMaxFileSize = std::size_t{1} << 31;
constexpr std::string_view kHeadLine = "0 HEAD";

int ClockYear()
{
    const auto now = std::chrono::system_clock::now();
    return static_cast<int>(std::chrono::year_month_day(std::chrono::floor<std::chrono::days>(now)).year());
}

}  // namespace

GedcomImporter::GedcomImporter(GedcomImportOptions options)
    : m_options(std::move(options))
{
    if (m_options.currentYear == 0)
        m_options.currentYear = ClockYear();
}

std::string GedcomImporter::RequiredPointer(const GedcomNode& node)
{
    const std::string pointer = node.Pointer();
    if (pointer.empty())
        m_report.Add(node.line, node.tag + " without a record pointer", "ignored");
    return pointer;
}

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
        event.text = GedcomText::JoinLines(texts);
        if (const GedcomNode* date = node.Find("DATE")) {
            // GEDCOM 7 gives a date phrase in its own line, with or without a date.
            const GedcomNode* phrase = date->Find("PHRASE");
            if (date->value.empty() && phrase != nullptr)
                event.date = GedcomDate::ToStored("(" + phrase->value + ")").stored;
            GedcomDate::Result result = GedcomDate::ToStored(date->value);
            if (!result.fault.empty())
                m_report.Add(date->line, result.fault + ": \"" + date->value + "\"", "kept as an irregular date");
            if (!date->value.empty())
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
            media.primary = GedcomText::Upper(primary->value) == "Y";
        return media;
    }

private:
    ImportReport& m_report;
    const std::string& m_placeForm;
};

}  // namespace

void GedcomImporter::ReadPerson(const GedcomNode& record)
{
    if (m_drafts.persons.size() >= kMaxRecords) {
        m_report.Add(record.line, "more than " + std::to_string(kMaxRecords) + " persons", "person left out");
        return;
    }
    if (!m_drafts.personNumbers.emplace(record.xref, static_cast<int>(m_drafts.persons.size() + 1)).second) {
        m_report.Add(record.line, "second record @" + record.xref + "@", "record left out");
        return;
    }
    NodeReader reader(m_report, m_drafts.placeForm);
    PersonDraft person;
    person.xref = record.xref;
    for (const GedcomNode& child : record.children) {
        if (child.tag == "NAME") {
            person.names.push_back(GedcomName::Parts(child));
        } else if (child.tag == "SEX") {
            const std::string sex = GedcomText::Upper(child.value);
            person.sex = sex == "M" || sex == "F" ? sex : "U";
        } else if (child.tag == "FAMC") {
            const GedcomNode* pedigree = child.Find("PEDI");
            person.families.push_back({RequiredPointer(child), pedigree ? GedcomText::Upper(pedigree->value) : std::string(),
                                       child.line});
        } else if (child.tag == "OBJE") {
            person.media.push_back(reader.Media(child));
        } else if (const GedcomEventTag* tag = GedcomTags::Event(child.tag, false)) {
            person.events.push_back(reader.Event(child, *tag));
        }
    }
    person.notes = reader.Notes(record);
    m_drafts.persons.push_back(std::move(person));
}

void GedcomImporter::ReadFamily(const GedcomNode& record)
{
    if (m_drafts.families.size() >= kMaxRecords) {
        m_report.Add(record.line, "more than " + std::to_string(kMaxRecords) + " families", "family left out");
        return;
    }
    if (!m_drafts.familyIndexes.emplace(record.xref, m_drafts.families.size()).second) {
        m_report.Add(record.line, "second record @" + record.xref + "@", "record left out");
        return;
    }
    NodeReader reader(m_report, m_drafts.placeForm);
    FamilyDraft family;
    family.xref = record.xref;
    for (const GedcomNode& child : record.children) {
        if (child.tag == "HUSB" || child.tag == "WIFE") {
            PersonLink& spouse = child.tag == "HUSB" ? family.husband : family.wife;
            if (!spouse.person.empty())
                m_report.Add(child.line, "second " + child.tag + " in family @" + record.xref + "@", "ignored");
            else
                spouse = {RequiredPointer(child), child.line};
        } else if (child.tag == "CHIL") {
            family.children.push_back({RequiredPointer(child), child.line});
        } else if (const GedcomEventTag* tag = GedcomTags::Event(child.tag, true)) {
            family.events.push_back(reader.Event(child, *tag));
        }
    }
    family.notes = reader.Notes(record);
    m_drafts.families.push_back(std::move(family));
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
            m_drafts.placeForm = place->Find("FORM")->value;
    } else if (record.tag == "INDI") {
        ReadPerson(record);
    } else if (record.tag == "FAM") {
        ReadFamily(record);
    } else if (record.tag == "NOTE" || record.tag == "SNOTE") {
        if (!m_drafts.notes.emplace(record.xref, record.value).second)
            m_report.Add(record.line, "second record @" + record.xref + "@", "record left out");
    } else if (record.tag == "OBJE") {
        if (!m_drafts.media.emplace(record.xref, NodeReader(m_report, m_drafts.placeForm).Media(record)).second)
            m_report.Add(record.line, "second record @" + record.xref + "@", "record left out");
    }
}

void GedcomImporter::Read(std::string_view bytes)
{
    ReadRecords(bytes);
    GedcomProjectBuilder(m_drafts, m_writer, m_report, m_counts, m_options.mediaDirectory, m_options.currentYear)
        .Build();
    // The drafts are no longer needed; the writer holds the project now.
    m_drafts = GedcomDrafts();
}

void GedcomImporter::ReadRecords(std::string_view bytes)
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
                const bool eightBit = encoding == GedcomCharset::Encoding::Ansel ||
                                      encoding == GedcomCharset::Encoding::Windows1252;
                if (!known) {
                    m_report.Add(charset->line, "unknown character set " + charset->value,
                                 Utf8Text::IsValid(bytes) ? "read as UTF-8" : "read as Windows-1252");
                } else if (eightBit && Utf8Text::IsValid(bytes) && !Utf8Text::IsAscii(bytes)) {
                    // Letters of ANSEL or Windows-1252 almost never form valid UTF-8: the label is wrong.
                    m_report.Add(charset->line, "CHAR " + charset->value + " names a file written in UTF-8",
                                 "read as UTF-8");
                    encoding = GedcomCharset::Encoding::Utf8;
                }
            } else if (!Utf8Text::IsValid(bytes)) {
                encoding = GedcomCharset::Encoding::Windows1252;
            }
        }
    }
    const GedcomCharset::Decoded decoded = GedcomCharset::Decode(bytes, encoding);
    std::string_view text = decoded.text;
    const std::size_t start = text.find_first_not_of(" \t\r\n");
    const std::string_view first = start == std::string_view::npos ? std::string_view() : text.substr(start);
    if (!first.starts_with(kHeadLine) ||
        (first.size() > kHeadLine.size() && !std::isspace(static_cast<unsigned char>(first[kHeadLine.size()]))))
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
    // Pictures are named relative to the GEDCOM file; the project must find them from anywhere.
    GedcomImportOptions options;
    std::error_code error;
    options.mediaDirectory = std::filesystem::absolute(gedcomPath, error).parent_path().lexically_normal().string();
    GedcomImporter importer(options);
    importer.Read(bytes);
    importer.Writer().WriteReplacing(projectPath);
    return importer;
}
