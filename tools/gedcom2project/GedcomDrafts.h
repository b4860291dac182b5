#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

struct GedcomEventTag;

// What the importer keeps of a GEDCOM file between reading its records and
// writing the project: cross-references stay unresolved until every record is read.

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

struct PersonLink {
    std::string person;  // the person's cross-reference
    std::size_t line = 0;
};

struct FamilyDraft {
    std::string xref;
    PersonLink husband;
    PersonLink wife;
    std::vector<PersonLink> children;  // CHIL
    std::vector<EventDraft> events;
    std::vector<NoteDraft> notes;
};

struct GedcomDrafts {
    std::string placeForm;  // HEAD PLAC FORM
    std::vector<PersonDraft> persons;
    std::vector<FamilyDraft> families;
    std::unordered_map<std::string, std::string> notes;
    std::unordered_map<std::string, MediaDraft> media;
    std::unordered_map<std::string, int> personNumbers;  // from 1, in file order
    std::unordered_map<std::string, std::size_t> familyIndexes;
};
