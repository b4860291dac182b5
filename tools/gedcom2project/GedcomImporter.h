#pragma once

#include "tools/gedcom2project/GedcomDrafts.h"
#include "tools/gedcom2project/GedcomNode.h"
#include "tools/gedcom2project/GedcomProjectBuilder.h"
#include "tools/gedcom2project/ImportReport.h"
#include "tools/projectwriter/ProjectWriter.h"

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

struct GedcomImportOptions {
    // Relative OBJE FILE paths are taken from here (usually the GEDCOM file's directory).
    std::string mediaDirectory{};
    // The year the living test counts from (GedcomProjectBuilder); 0 takes the clock's.
    int currentYear = 0;
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

    explicit GedcomImporter(GedcomImportOptions options = {});

    // Reads one whole file; an importer reads only one.
    void Read(std::string_view bytes);

    ProjectWriter& Writer() { return m_writer; }
    const ImportReport& Report() const { return m_report; }
    const GedcomImportCounts& Counts() const { return m_counts; }

    // Reads the file and writes the project at projectPath, replacing it only
    // when the whole project is written. Throws NotGedcom or std::runtime_error.
    static GedcomImporter ImportFile(const std::string& gedcomPath, const std::string& projectPath);

private:
    // Decodes the text and reads it into the drafts; the decoded copy ends with it.
    void ReadRecords(std::string_view bytes);
    void ReadRecord(const GedcomNode& record);
    void ReadPerson(const GedcomNode& record);
    void ReadFamily(const GedcomNode& record);
    void ReportUnknownTags(const GedcomNode& node);
    // The pointer of a line that must hold one; reports any other value.
    std::string RequiredPointer(const GedcomNode& node);

    GedcomImportOptions m_options;
    ImportReport m_report;
    GedcomImportCounts m_counts;
    ProjectWriter m_writer;
    GedcomDrafts m_drafts;
};
