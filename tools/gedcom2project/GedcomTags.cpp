#include "tools/gedcom2project/GedcomTags.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <string_view>
#include <unordered_set>

namespace {

constexpr int kBirth = GedcomTags::kBirthGroup;
constexpr int kDeath = GedcomTags::kDeathGroup;
constexpr int kMarriage = GedcomTags::kMarriageGroup;
constexpr int kOther = GedcomTags::kOtherGroup;
constexpr int kFamily = GedcomTags::kFamilyGroup;
constexpr int kFirstFamilyNumber = 50;

constexpr GedcomEventTag kIndividual[] = {
    {"BIRT", 1, "Birth", kBirth, "b.", 0},           {"CHR", 2, "Christening", kBirth, "chr.", 1},
    {"BAPM", 3, "Baptism", kBirth, "bap.", 1},       {"DEAT", 4, "Death", kDeath, "d.", 2},
    {"BURI", 5, "Burial", kDeath, "bur.", 3},        {"CREM", 6, "Cremation", kDeath, "crem.", 3},
    {"ADOP", 7, "Adoption", kOther, "adop.", 4},     {"CHRA", 8, "Adult christening", kOther, "chra.", 4},
    {"CONF", 9, "Confirmation", kOther, "conf.", 4}, {"FCOM", 10, "First communion", kOther, "fcom.", 4},
    {"ORDN", 11, "Ordination", kOther, "ord.", 4},   {"BARM", 12, "Bar mitzvah", kOther, "barm.", 4},
    {"BASM", 13, "Bat mitzvah", kOther, "basm.", 4}, {"BLES", 14, "Blessing", kOther, "bles.", 4},
    {"NATU", 15, "Naturalization", kOther, "nat.", 4}, {"EMIG", 16, "Emigration", kOther, "emig.", 4},
    {"IMMI", 17, "Immigration", kOther, "immi.", 4}, {"CENS", 18, "Census", kOther, "cens.", 4},
    {"PROB", 19, "Probate", kOther, "prob.", 4},     {"WILL", 20, "Will", kOther, "will", 4},
    {"GRAD", 21, "Graduation", kOther, "grad.", 4},  {"RETI", 22, "Retirement", kOther, "ret.", 4},
    {"EVEN", 23, "Event", kOther, "ev.", 4},         {"OCCU", 24, "Occupation", kOther, "occ.", 4},
    {"RESI", 25, "Residence", kOther, "res.", 4},    {"EDUC", 26, "Education", kOther, "educ.", 4},
    {"RELI", 27, "Religion", kOther, "rel.", 4},     {"TITL", 28, "Title", kOther, "title", 4},
    {"PROP", 29, "Property", kOther, "prop.", 4},    {"DSCR", 30, "Description", kOther, "descr.", 4},
    {"NATI", 31, "Nationality", kOther, "nat.", 4},  {"CAST", 32, "Caste", kOther, "caste", 4},
    {"FACT", 33, "Fact", kOther, "fact", 4},         {"NCHI", 34, "Children", kOther, "chil.", 4},
    {"NMR", 35, "Marriages", kOther, "marr.", 4},    {"IDNO", 36, "Identifier", kOther, "id", 4},
    {"SSN", 37, "Social security no", kOther, "ssn", 4},
};

constexpr GedcomEventTag kFamilyEvents[] = {
    {"MARR", kFirstFamilyNumber, "Marriage", kMarriage, "m.", 0},
    {"ENGA", kFirstFamilyNumber + 1, "Engagement", kFamily, "eng.", 1},
    {"MARB", kFirstFamilyNumber + 2, "Marriage banns", kFamily, "banns", 1},
    {"MARC", kFirstFamilyNumber + 3, "Marriage contract", kFamily, "contr.", 1},
    {"MARL", kFirstFamilyNumber + 4, "Marriage licence", kFamily, "lic.", 1},
    {"MARS", kFirstFamilyNumber + 5, "Marriage settlement", kFamily, "settl.", 1},
    {"DIV", kFirstFamilyNumber + 6, "Divorce", kFamily, "div.", 1},
    {"DIVF", kFirstFamilyNumber + 7, "Divorce filed", kFamily, "div. f.", 1},
    {"ANUL", kFirstFamilyNumber + 8, "Annulment", kFamily, "annul.", 1},
    {"CENS", kFirstFamilyNumber + 9, "Family census", kFamily, "cens.", 1},
    {"RESI", kFirstFamilyNumber + 10, "Family residence", kFamily, "res.", 1},
    {"EVEN", kFirstFamilyNumber + 11, "Family event", kFamily, "ev.", 1},
    {"NCHI", kFirstFamilyNumber + 12, "Family children", kFamily, "chil.", 1},
    {"FACT", kFirstFamilyNumber + 13, "Family fact", kFamily, "fact", 1},
    {"", kFirstFamilyNumber + 14, "Partners", kMarriage, "p.", 0},
};

// Every other tag of the standards: read where the importer needs it, otherwise passed over quietly.
constexpr std::string_view kOtherTags[] = {
    "ABBR", "ADDR", "ADR1", "ADR2", "ADR3", "AFN",  "AGE",  "AGNC", "ALIA", "ANCE", "ANCI", "ASSO", "AUTH", "BAPL",
    "CALN", "CAUS", "CHAN", "CHAR", "CHIL", "CITY", "CONC", "CONL", "CONT", "COPR", "CORP", "CREA", "CROP", "CTRY",
    "DATA", "DATE", "DESI", "DEST", "EMAIL", "ENDL", "EXID", "FAM",  "FAMC", "FAMS", "FAX",  "FILE", "FORM", "GEDC",
    "GIVN", "HEAD", "HEIGHT", "HUSB", "INDI", "INIL", "LANG", "LATI", "LEFT", "LONG", "MAP",  "MEDI", "MIME", "NAME",
    "NICK", "NO",   "NOTE", "NPFX", "NSFX", "OBJE", "ORDI", "PAGE", "PEDI", "PHON", "PHRASE", "PLAC", "POST",
    "PUBL", "QUAY", "REFN", "RELA", "REPO", "RESN", "RFN",  "RIN",  "ROLE", "SCHMA", "SDATE", "SEX",  "SLGC", "SLGS",
    "SNOTE", "SOUR", "SPFX", "STAE", "STAT", "SUBM", "SUBN", "SURN", "TAG",  "TEMP", "TEXT", "TIME", "TOP",  "TRAN",
    "TRLR", "TYPE", "UID",  "VERS", "WIFE", "WIDTH", "WWW", "FONE", "ROMN", "_PRIM",
};

}  // namespace

const GedcomEventTag& GedcomTags::Partners()
{
    return kFamilyEvents[std::size(kFamilyEvents) - 1];
}

const GedcomEventTag* GedcomTags::Event(const std::string& tag, bool family)
{
    const auto matches = [&](const GedcomEventTag& e) { return !tag.empty() && tag == e.tag; };
    if (family) {
        const auto found = std::find_if(std::begin(kFamilyEvents), std::end(kFamilyEvents), matches);
        return found == std::end(kFamilyEvents) ? nullptr : found;
    }
    const auto found = std::find_if(std::begin(kIndividual), std::end(kIndividual), matches);
    return found == std::end(kIndividual) ? nullptr : found;
}

const GedcomEventTag* GedcomTags::AllEvents(std::size_t& count)
{
    static const auto all = [] {
        std::array<GedcomEventTag, std::size(kIndividual) + std::size(kFamilyEvents)> events{};
        std::copy(std::begin(kIndividual), std::end(kIndividual), events.begin());
        std::copy(std::begin(kFamilyEvents), std::end(kFamilyEvents), events.begin() + std::size(kIndividual));
        return events;
    }();
    count = all.size();
    return all.data();
}

bool GedcomTags::IsKnown(const std::string& tag)
{
    // Asked for every line of a file, so a hash set rather than the tables.
    static const std::unordered_set<std::string_view> known = [] {
        std::unordered_set<std::string_view> tags(std::begin(kOtherTags), std::end(kOtherTags));
        for (const GedcomEventTag& e : kIndividual)
            tags.insert(e.tag);
        for (const GedcomEventTag& e : kFamilyEvents)
            tags.insert(e.tag);
        tags.erase("");
        return tags;
    }();
    return known.count(tag) > 0;
}
