#pragma once

#include <string>
#include <vector>

// The tables of a project with the fields the library asks each one for. A
// field's number is its 1-based place in its table's wanted list.

namespace PersonField {
enum : int { PER_NO = 1, FATHER, FATHERSURE, MOTHER, MOTHERSURE, LAST_EDIT, REFERENCE, SPOULAST, SCBUFF, PBIRTH,
             PDEATH, SEX, LIVING, BIRTHORDER, MULTIBIRTH, ADOPTED, ANCE_INT, DESC_INT };
}
namespace NameField {
enum : int { NPER = 1, ALTYPE, ISPICKED, NAME, INFS, INFG, PRIMARY, NSURE, FSURE, NNOTE, RECNO, NDATE, STRDATE,
             DSURE, SENTENCE };
}
namespace EventField {
enum : int { ETYPE = 1, PER1SHOW, PER2SHOW, PER1, PER2, EDATE, PLACENUM, EFOOT, ENSURE, ESSURE, EDSURE, EPSURE,
             EFSURE, RECNO, SENTENCE, SRTDATE };
}
namespace ParticipantField {
enum : int { EPER = 1, GNUM, PRIMARY, WSENTENCE };
}
namespace LinkField {
enum : int { PRIMARY = 1, CHILD, PARENT, PTYPE, PNOTE, PSURE, FSURE, RECNO };
}
namespace ExhibitField {
enum : int { XNAME = 1, IFILENAME = 2, AFILENAME = 3, TFILENAME = 4, TEXT = 24, IMAGE = 25, AUDIO = 26,
             RLTYPE = 42, RLNUM = 43, EXHTYPE = 50, PRIMARY = 55 };
}
namespace TagField {
enum : int { ETYPENUM = 3, ADMIN = 4, ETYPENAME = 6, ABBREV = 16 };
}
namespace PlaceField {
enum : int { PLACE = 1, RECNO };
}
namespace SourceField {
enum : int { MACTIVE = 1, MAJNUM, ABBREV, DEFSURE, TITLE, TYPE, RECORDER, MEDIA, FIDELITY, INDEXED, STATUS, TEXT,
             SPERNO, ISPICKED, INFO, FFORM, SFORM, BFORM, CITED };
}
namespace RepositoryField {
enum : int { RECNO = 6 };
}
namespace RepLinkField {
enum : int { MNUMBER = 1 };
}
namespace CitationField {
enum : int { REFREC = 2 };
}

// Tables in opening order.
enum class Table : int { Person, Name, Event, Participant, Link, Exhibit, Tag, Place, Source, Repository, RepLink,
                         Citation, Count };

struct TableSpec {
    char letter;
    std::vector<std::string> wanted;
};

// Every table, indexed by Table, in opening order.
const std::vector<TableSpec>& ProjectTableSpecs();

// Memo files in opening order, each named by the letter of the table it serves.
inline constexpr char kMemoLetters[] = {'G', 'N', 'F', 'I', 'E', 'P', 'M', 'R', 'S'};

// Key columns in the order they are built.
struct KeySpec {
    Table table;
    int field;
};
enum class Key : int { PersonNumber, NamePerson, EventPer1, EventPer2, EventRecno, ParticipantPerson,
                       ParticipantEvent, LinkChild, LinkParent, ExhibitOwner, TagNumber, PlaceRecno, SourceNumber,
                       RepositoryRecno, RepLinkSource, CitationRecord, Count };
const std::vector<KeySpec>& ProjectKeySpecs();
