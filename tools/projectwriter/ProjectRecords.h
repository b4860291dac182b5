#pragma once

#include <string>
#include <utility>
#include <vector>

// Field values by field name; memo fields take the memo's bytes.
using ProjectFields = std::vector<std::pair<std::string, std::string>>;

// The records a ProjectWriter builds; any field not named here goes in `more`.
// Dates are in the stored form (StoredDate).

struct PersonRecordSpec {
    int number = 0;
    std::string sex{};
    std::string birth{};
    std::string death{};
    int father = 0;
    int mother = 0;
    std::string reference{};
    std::string spouseLast{};
    std::string birthOrder{};
    std::string living{};
    std::string lastEdit{};
    ProjectFields more{};  // MULTIBIRTH, ADOPTED, ANCE_INT, DESC_INT, user flag fields, ...
};

struct NameRecordSpec {
    int person = 0;
    std::vector<std::string> parts{};  // stored joined by "$"
    std::string primary = "T";
    std::string surety = "3";       // NSURE
    std::string note{};               // NNOTE memo
    ProjectFields more{};             // ALTYPE, ISPICKED, INFS, INFG, FSURE, NDATE, DSURE, STRDATE, ...
};

struct EventRecordSpec {
    int type = 0;         // ETYPE, a tag type number
    int per1 = 0;
    int per2 = 0;
    std::string date{};     // EDATE
    int place = 0;        // PLACENUM
    std::string sortDate{}; // SRTDATE
    std::string note{};     // EFOOT memo
    std::string sentence{};
    ProjectFields more{};   // PER1SHOW, PER2SHOW, ENSURE, ESSURE, EDSURE, EPSURE, EFSURE, ...
};

struct ParticipantRecordSpec {
    int person = 0;  // EPER
    int event = 0;   // GNUM
    bool primary = true;
    ProjectFields more{};
};

struct ParentLinkRecordSpec {
    int child = 0;
    int parent = 0;
    std::string surety = "3";  // PSURE
    bool primary = true;
    std::string type{};          // PTYPE
    std::string note{};          // PNOTE memo
    ProjectFields more{};        // FSURE, ...
};

struct TagTypeRecordSpec {
    int number = 0;  // ETYPENUM
    std::string name{};
    int admin = 0;
    std::string abbrev{};
    ProjectFields more{};
};

struct PlaceRecordSpec {
    int number = 0;                  // RECNO
    std::vector<std::string> parts{};  // stored joined by "$!&"
    ProjectFields more{};
};

struct ExhibitRecordSpec {
    int person = 0;      // RLNUM
    int type = 2;        // EXHTYPE: 1 text, 2 image, 3 sound, 4 object
    std::string name{};    // XNAME
    std::string data{};    // embedded bytes (TEXT, IMAGE or AUDIO memo by type)
    std::string file{};    // external file name (TFILENAME, IFILENAME or AFILENAME) when data is empty
    bool primary = false;
    std::string owner = "_";  // RLTYPE
    ProjectFields more{};
};

struct SourceRecordSpec {
    int number = 0;  // MAJNUM
    std::string abbrev{};
    std::string title{};  // TITLE memo
    ProjectFields more{};
};
