#include "kxdata/ProjectTables.h"

const std::vector<TableSpec>& ProjectTableSpecs()
{
    static const std::vector<TableSpec> specs = {
        {'$', {"PER_NO", "FATHER", "FATHERSURE", "MOTHER", "MOTHERSURE", "LAST_EDIT", "REFERENCE", "SPOULAST",
               "SCBUFF", "PBIRTH", "PDEATH", "SEX", "LIVING", "BIRTHORDER", "MULTIBIRTH", "ADOPTED", "ANCE_INT",
               "DESC_INT"}},
        {'N', {"NPER", "ALTYPE", "ISPICKED", "NAME", "INFS", "INFG", "PRIMARY", "NSURE", "FSURE", "NNOTE", "RECNO",
               "NDATE", "STRDATE", "DSURE", "SENTENCE"}},
        {'G', {"ETYPE", "PER1SHOW", "PER2SHOW", "PER1", "PER2", "EDATE", "PLACENUM", "EFOOT", "ENSURE", "ESSURE",
               "EDSURE", "EPSURE", "EFSURE", "RECNO", "SENTENCE", "SRTDATE"}},
        {'E', {"EPER", "GNUM", "PRIMARY", "WSENTENCE"}},
        {'F', {"PRIMARY", "CHILD", "PARENT", "PTYPE", "PNOTE", "PSURE", "FSURE", "RECNO"}},
        {'I', {"XNAME",     "IFILENAME", "AFILENAME", "TFILENAME", "ISCALE",     "IWHERE",     "AWHERE",
               "TWHERE",    "TOFFSET",   "LOFFSET",   "BOFFSET",   "ROFFSET",    "COLOR",      "GRAY",
               "BW",        "INVERT",    "DITHER",    "FSBINV",    "OPTIMIZE",   "FLIPH",      "REFERENCE",
               "HERTZ",     "LENGTH",    "TEXT",      "IMAGE",     "AUDIO",      "DESCRIPT",   "INCREMENT",
               "FOREGROUND", "BACKGROUND", "MESSAGE", "IX1",       "IY1",        "IX2",        "IY2",
               "TX1",       "TY1",       "TX2",       "TY2",       "CX1",        "CY1",        "RLTYPE",
               "RLNUM",     "RLPER1",    "RLPER2",    "RLGTYPE",   "FLIP",       "ISOMETRIC",  "ISANTI",
               "EXHTYPE",   "ISSCROLL",  "ISFILL",    "WINSIZE",   "OLE_OBJECT", "PRIMARY"}},
        {'T', {"PICKED", "ACTIVE", "ETYPENUM", "ADMIN", "LDSONLY", "ETYPENAME", "SENTENCE", "GEDCOM_TAG", "YNDATE",
               "YNPLACE", "YNFOOT", "YNNAME", "ISREPORT", "SENTENCE", "WSENTENCE", "ABBREV", "WITDISP",
               "PASTTENSE"}},
        {'P', {"PLACE", "RECNO"}},
        {'M', {"MACTIVE", "MAJNUM", "ABBREV", "DEFSURE", "TITLE", "TYPE", "RECORDER", "MEDIA", "FIDELITY",
               "INDEXED", "STATUS", "TEXT", "SPERNO", "ISPICKED", "INFO", "FFORM", "SFORM", "BFORM", "CITED",
               "IBIDTYPE", "SUBJECTID", "COMPILERID", "EDITORID", "SPERNO2", "UNCITEDFLD", "CUSTTYPE", "FIRSTCD"}},
        {'R', {"ABBREV", "NAME", "ADDRESS", "RNOTE", "RPERNO", "RECNO", "ISPICKED"}},
        {'W', {"MNUMBER", "RNUMBER", "REFERENCE", "PRIMARY"}},
        {'S', {"STYPE", "REFREC", "MAJSOURCE", "SUBSOURCE", "SNSURE", "SSSURE", "SDSURE", "SPSURE", "SFSURE",
               "ISPICKED", "EXCLUDE"}},
    };
    return specs;
}

const std::vector<KeySpec>& ProjectKeySpecs()
{
    static const std::vector<KeySpec> keys = {
        {Table::Person, PersonField::PER_NO},       {Table::Name, NameField::NPER},
        {Table::Event, EventField::PER1},           {Table::Event, EventField::PER2},
        {Table::Event, EventField::RECNO},          {Table::Participant, ParticipantField::EPER},
        {Table::Participant, ParticipantField::GNUM}, {Table::Link, LinkField::CHILD},
        {Table::Link, LinkField::PARENT},           {Table::Exhibit, ExhibitField::RLNUM},
        {Table::Tag, TagField::ETYPENUM},           {Table::Place, PlaceField::RECNO},
        {Table::Source, SourceField::MAJNUM},       {Table::Repository, RepositoryField::RECNO},
        {Table::RepLink, RepLinkField::MNUMBER},    {Table::Citation, CitationField::REFREC},
    };
    return keys;
}
