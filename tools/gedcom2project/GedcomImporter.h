#pragma once

#include "tools/gedcom2project/GedcomNode.h"
#include "tools/gedcom2project/ImportReport.h"
#include "tools/projectwriter/ProjectWriter.h"

#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

struct GedcomEventTag;

struct GedcomImportOptions {
    // Relative OBJE FILE paths are taken from here (usually the GEDCOM file's directory).
    std::string mediaDirectory{};
    // Persons without a death event born this many years before `currentYear` or
    // earlier are not living; 0 takes the year of the clock.
    int currentYear = 0;
};

struct GedcomImportCounts {
    std::size_t persons = 0;
    std::size_t families = 0;
    std::size_t events = 0;
    std::size_t places = 0;
    std::size_t exhibits = 0;
};

// Reads a GEDCOM file (5.5.1, 5.5.5 and the 7.0 forms) into a ProjectWriter.
// Faults of the file are listed in the report and the import goes on; only a
// file that is not GEDCOM at all is refused, with NotGedcom.
class GedcomImporter {
public:
    class NotGedcom : public std::runtime_error {
    public:
        using std::runtime_error::runtime_error;
    };

    // Beyond this the numbers no longer fit the project's 8-digit fields.
    static constexpr std::size_t kMaxRecords = 99999999;
    static constexpr int kLivingYears = 100;

    explicit GedcomImporter(GedcomImportOptions options = {});
    ~GedcomImporter();

    void Read(std::string_view bytes);

    ProjectWriter& Writer() { return m_writer; }
    const ImportReport& Report() const { return m_report; }
    const GedcomImportCounts& Counts() const { return m_counts; }

    // Reads the file and writes the project at projectPath, replacing it only
    // when the whole project is written. Throws NotGedcom or std::runtime_error.
    static GedcomImporter ImportFile(const std::string& gedcomPath, const std::string& projectPath);

    GedcomImporter(GedcomImporter&&) noexcept;

private:
    struct Drafts;

    void ReadRecord(const GedcomNode& record);
    void ReadPerson(const GedcomNode& record);
    void ReadFamily(const GedcomNode& record);
    void ReportUnknownTags(const GedcomNode& node);
    void Build();

    GedcomImportOptions m_options;
    ImportReport m_report;
    GedcomImportCounts m_counts;
    ProjectWriter m_writer;
    std::unique_ptr<Drafts> m_drafts;
};
