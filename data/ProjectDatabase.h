#pragma once

#include "data/DatabaseOptions.h"
#include "data/DateFormatter.h"
#include "data/LifeSpanFormatter.h"
#include "data/NameFormatter.h"
#include "data/PersonNode.h"
#include "data/PersonRecord.h"
#include "data/PlaceFormatter.h"
#include "platform/WinTypes.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class CODImageComponent;
class CommandFile;

// The program's handle on one open project: opens it through the data
// library, reads persons and their relatives, and formats names, dates,
// events, places and detail lines by the command file's [database] options.
// One object per chart run; it closes the project when it is destroyed.
//
// After any failed library call it is closed for good: later reads return
// their failure values without a message. Name, detail, life-span and accent
// operations work on the library's current person and follow a ReadPerson.
class ProjectDatabase {
public:
    static constexpr std::int32_t kReplySize = 102400;
    static constexpr std::size_t kMessageSize = 8192;
    static constexpr std::size_t kMaxFlagNames = 600;

    explicit ProjectDatabase(std::string path);
    virtual ~ProjectDatabase();
    ProjectDatabase(const ProjectDatabase&) = delete;
    ProjectDatabase& operator=(const ProjectDatabase&) = delete;

    bool Open();
    void LoadOptions(const CommandFile& file);
    bool IsOpen() const { return m_bOpen; }
    const std::string& GetPath() const { return m_sPath; }

    std::int32_t GetPersonCount();
    bool ReadPerson(std::int32_t person);
    const PersonRecord& GetRecord() const { return m_record; }
    std::string GetBirthSortKey();

    int ReadSiblings();
    std::int32_t GetSibling(int index) const;
    int ReadSpouses();
    std::int32_t GetSpouse(int index) const;
    // Appends one node of kind "S" per child linked by a primary link, ordered
    // by sort key and then id; returns the length of the list.
    int ReadChildren(PersonNodeList& nodes);

    static std::string Token(const std::string& text, int index, char separator);
    bool IsSuretyAccepted(const std::string& surety) const;

    // The current person's value of a flag; empty for an unknown flag.
    std::string GetFlagValue(const std::string& name) const;
    std::size_t GetFlagCount() const { return m_flagNames.size(); }

    // Names, dates and places.
    std::string GetName(std::int32_t maxLength);
    std::string CleanPart(const std::string& part) const;
    std::string FormatDate(const std::string& date) const;
    std::string FormatPlace(std::int32_t place);

    // Detail lines: lines[0] receives the name and lines[1..n] the n lines
    // returned; the vector grows as needed. spouse is used by kind "M".
    int GetDetailLines(const std::string& kind, std::vector<std::string>& lines, std::int32_t spouse = 0);
    std::string GetDetailLine(const DetailEntry& entry, std::optional<std::int32_t> spouse = std::nullopt);
    std::string GetLifeSpan(std::int32_t maxLength);

    bool UsesAccentColors() const { return m_options.m_bUseAccentColors; }
    void GetAccentColors(COLORREF& text, COLORREF& fill, COLORREF& shadow, COLORREF& line) const;
    // The current person's primary exhibit as a new image component, or none
    // (silently) when there is none, its file is not a picture or cannot be read.
    std::unique_ptr<CODImageComponent> GetPrimaryPicture();

private:
    // The fields of one event that the person takes part in as a principal.
    struct Event {
        std::string reply;     // the event record
        std::int32_t etype = 0;
        std::int32_t admin = 0;  // the tag type's group
        std::string abbreviation;
        std::int32_t other = 0;  // the other principal
    };
    // Walks the current person's principal events in participation order and
    // stops when visit returns true.
    template <typename Visit>
    void WalkPrincipalEvents(std::int32_t person, Visit visit);
    bool ReadTagType(std::int32_t type, std::string& reply);

    // The sort key of person, the library's current person, with its PBIRTH and BIRTHORDER.
    std::string BirthSortKey(std::int32_t person, const std::string& birth, const std::string& birthOrder);
    // SRTDATE, else EDATE, of an event record, with a qualifier moved behind the date.
    static std::string EventSortDate(const std::string& event);
    std::string EventDateOfGroup(std::int32_t group);
    bool IsLiving() const;
    const std::vector<DetailEntry>& EntriesOf(const std::string& kind) const;

    // The library call's reply and message as text.
    std::string Reply() const;
    std::string Message() const;
    std::string OpenFailureText() const;
    // Marks the object closed (the library too for a negative code) and shows text.
    void Fail(std::int32_t code, const std::string& text);
    // Fail with the read failure of a person.
    void FailRead(std::int32_t person, std::int32_t code);
    // Makes the current person the library's current person again after reading others.
    bool RestoreCurrentPerson();
    // A list ends on any non-zero code; a negative one also closes the object.
    void EndsWalk(std::int32_t code);

    std::string m_sPath;
    bool m_bOpen = false;
    bool m_bLibraryOpen = false;  // the library holds the project, so the destructor closes it
    std::int32_t m_nCurrentPerson = 0;
    PersonRecord m_record;
    std::map<std::size_t, std::string> m_flagNames;
    std::map<std::string, std::string> m_flagValues;
    std::vector<std::pair<std::string, std::int32_t>> m_siblings;
    std::vector<std::pair<std::string, std::int32_t>> m_spouses;

    DatabaseOptions m_options;
    DateFormatter m_dates{m_options};
    NameFormatter m_names{m_options};
    PlaceFormatter m_places{m_options, m_names};
    LifeSpanFormatter m_lifeSpans{m_options, m_dates};

    std::vector<char> m_message;
    std::vector<char> m_reply;
    // Tag-type replies are read while an event reply is still in use; the
    // buffer has the full reply size, since the library cuts at that size.
    std::vector<char> m_tagReply;
    std::int32_t m_nLastCode = 0;
};
