#pragma once

#include "tools/projectwriter/DbfBuilder.h"
#include "tools/projectwriter/MemoBuilder.h"
#include "tools/projectwriter/ProjectRecords.h"
#include "tools/projectwriter/StoredDate.h"

#include <map>
#include <string>

// Builds a genealogy project in memory and writes its twelve dBase III tables
// and nine FoxPro memo files. Tables are named by their letters:
// '$' persons, 'N' names, 'G' events, 'E' participants, 'F' parent links,
// 'I' exhibits, 'T' tag types, 'P' places, 'M' sources, 'R' repositories,
// 'W' source-repository links, 'S' citations.
//
//   ProjectWriter w;
//   w.AddTagType({.number = 1, .name = "Birth", .admin = 4});
//   w.AddPerson({.number = 1, .sex = "M", .birth = StoredDate::Exact(1850, 6, 15)});
//   w.AddName({.person = 1, .parts = {"Smith", "John"}});
//   int e = w.AddEvent({.type = 1, .per1 = 1, .date = StoredDate::Exact(1850, 6, 15)});
//   w.AddParticipant({.person = 1, .event = e});
//   w.Write(dir + "/SMITH");  // SMITH__$.DBF, SMITH__N.DBF, SMITH__N.FPT, ...
//
// Every Add returns the record number (from 1) in its table; an event's number
// is its record number. Values longer than their field throw std::length_error,
// unknown field names std::invalid_argument. The typed Adds leave out a field
// that was removed from the layout unless they were given a value for it.
class ProjectWriter {
public:
    ProjectWriter();

    // Layout changes, allowed until the table's first record.
    void AddField(char table, const std::string& name, char type, int length);
    void RemoveField(char table, const std::string& name);
    void SetFieldLength(char table, const std::string& name, int length);

    // Any record by field name; fields not given stay blank.
    int AddRecord(char table, const ProjectFields& values);
    void MarkDeleted(char table, int record);

    int AddPerson(const PersonRecordSpec& person);
    int AddName(const NameRecordSpec& name);
    int AddEvent(const EventRecordSpec& event);  // RECNO = the record number unless given in more
    int AddParticipant(const ParticipantRecordSpec& participant);
    int AddParentLink(const ParentLinkRecordSpec& link);
    int AddTagType(const TagTypeRecordSpec& tag);
    int AddPlace(const PlaceRecordSpec& place);
    int AddExhibit(const ExhibitRecordSpec& exhibit);
    int AddSource(const SourceRecordSpec& source);

    // Writes every file; the names are formed from the project path as the data
    // library forms them. Throws std::runtime_error when a file cannot be written.
    void Write(const std::string& projectPath);
    // Writes every file under a temporary name next to the project and renames
    // them into place only when all are written; a failure on the way puts the
    // files of a project already there back as they were. Throws std::runtime_error.
    void WriteReplacing(const std::string& projectPath);

    // The file of a table ("DBF") or memo file ("FPT") of a project path.
    static std::string FileName(const std::string& projectPath, char table, const std::string& extension);

private:
    struct TableState {
        DbfBuilder table;
        bool hasMemoFile;
        MemoBuilder memo;
    };
    TableState& State(char table);
    int AddTyped(char table, const ProjectFields& fields, const ProjectFields& more);

    std::map<char, TableState> m_tables;
    std::string m_order;  // table letters in writing order
};
