#include "data/ProjectDatabase.h"

#include "data/DisplayText.h"
#include "data/ReplyFields.h"
#include "data/ReplyText.h"
#include "engine/CODImageComponent.h"
#include "images/ImageFile.h"
#include "images/PictureReaders.h"
#include "kxdata/kxdata.h"
#include "platform/CDC.h"
#include "platform/MessageBox.h"
#include "platform/ParseInt32.h"
#include "platform/TextCodec.h"

#include <algorithm>
#include <array>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <set>
#include <string_view>

namespace {

constexpr const char* kNoDate = "0000/00/00";

// List arguments of the library: start the list over, go on with the next record.
constexpr std::int32_t kRestart = 1;
constexpr std::int32_t kContinue = 0;
constexpr std::int32_t kChildLinks = 2;  // KxRelative: the current person's children

// KxFlags: the names of the person table's flag fields, or the current person's values.
constexpr std::int32_t kFlagNames = 1;
constexpr std::int32_t kFlagValues = 0;

std::string Printf(const char* format, ...) __attribute__((format(printf, 1, 2)));

std::string Printf(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string text(static_cast<std::size_t>(std::max(length, 0)) + 1, '\0');
    std::vsnprintf(text.data(), text.size(), format, args);
    va_end(args);
    text.resize(text.size() - 1);
    return text;
}

std::string BufferText(const std::vector<char>& buffer)
{
    return std::string(buffer.data(), strnlen(buffer.data(), buffer.size()));
}

std::string Field(const std::string& reply, int number)
{
    return ReplyText::Token(reply, number - 1, '|');
}

std::int32_t IntegerField(const std::string& reply, int number)
{
    return ParseInt32(Field(reply, number));
}

template <typename List>
void SortByKey(List& list)
{
    std::stable_sort(list.begin(), list.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
}

}  // namespace

ProjectDatabase::ProjectDatabase(std::string path)
    : m_sPath(std::move(path))
    , m_message(kMessageSize, '\0')
    , m_reply(kReplySize, '\0')
    , m_tagReply(kReplySize, '\0')
{
}

ProjectDatabase::~ProjectDatabase()
{
    if (!m_bLibraryOpen)
        return;
    const std::int32_t code = KxClose(m_message.data());
    if (code != 0)
        MessageBox::Show(Printf("Error Closing Database %s\nError Number = %d\n Error Message = %s\n", m_sPath.c_str(),
                                code, Message().c_str()));
    m_bOpen = false;
    m_bLibraryOpen = false;
}

std::string ProjectDatabase::Reply() const
{
    return BufferText(m_reply);
}

std::string ProjectDatabase::Message() const
{
    return BufferText(m_message);
}

bool ProjectDatabase::Open()
{
    m_bOpen = false;
    m_nLastCode = KxInit(kReplySize, m_reply.data(), m_message.data());
    if (m_nLastCode == 0)
        m_nLastCode = KxOpen(m_sPath.c_str(), m_message.data());
    if (m_nLastCode != 0) {
        MessageBox::Show(OpenFailureText());
        return false;
    }
    m_bOpen = true;
    m_bLibraryOpen = true;
    m_flagNames.clear();
    // Without the flag names no box could tell its accent or living flag.
    m_nLastCode = KxFlags(kFlagNames, m_reply.data(), m_message.data());
    if (m_nLastCode != 0) {
        Fail(m_nLastCode, OpenFailureText());
        return false;
    }
    const std::string names = Reply();
    for (std::size_t i = 0; i < kMaxFlagNames; ++i) {
        std::string name = ReplyText::Token(names, static_cast<int>(i), '|');
        if (name.empty())
            break;
        m_flagNames[i] = std::move(name);
    }
    return true;
}

void ProjectDatabase::LoadOptions(const CommandFile& file)
{
    m_options.Load(file);
}

std::string ProjectDatabase::OpenFailureText() const
{
    return Printf("Error Opening Database %s\nError Number = %d\n Error Message = %s\n", m_sPath.c_str(), m_nLastCode,
                  Message().c_str());
}

void ProjectDatabase::Fail(std::int32_t code, const std::string& text)
{
    m_bOpen = false;
    if (code < 0)
        m_bLibraryOpen = false;
    MessageBox::Show(text);
}

void ProjectDatabase::FailRead(std::int32_t person, std::int32_t code)
{
    Fail(code, Printf("Error Reading Individual %d\nError Number = %d\n Error Message = %s\n", person, code,
                      Message().c_str()));
}

bool ProjectDatabase::RestoreCurrentPerson()
{
    m_nLastCode = KxIndiv(m_nCurrentPerson, m_reply.data(), m_message.data());
    if (m_nLastCode != 0) {
        FailRead(m_nCurrentPerson, m_nLastCode);
        return false;
    }
    return true;
}

void ProjectDatabase::EndsWalk(std::int32_t code)
{
    // A negative code means the library has closed the project: nothing more can be read.
    if (code < 0)
        FailRead(m_nCurrentPerson, code);
}

std::int32_t ProjectDatabase::GetPersonCount()
{
    if (!m_bOpen)
        return 0;
    m_nLastCode = KxIndiv(0, m_reply.data(), m_message.data());
    if (m_nLastCode != 0) {
        Fail(m_nLastCode, Printf("Error Reading Database\n Record Count = %d\nError Number = %d\n Error Message = %s\n",
                                 m_nCurrentPerson, m_nLastCode, Message().c_str()));
        return 0;
    }
    return IntegerField(Reply(), PersonField::kCount);
}

bool ProjectDatabase::ReadPerson(std::int32_t person)
{
    m_siblings.clear();
    if (!m_bOpen)
        return false;
    m_nCurrentPerson = person;
    if (person <= 0) {
        m_record = PersonRecord();
        m_record.m_nId = person;
        m_spouses.clear();
        return true;
    }
    m_nLastCode = KxIndiv(person, m_reply.data(), m_message.data());
    if (m_nLastCode != 0) {
        FailRead(person, m_nLastCode);
        return false;
    }
    const std::string reply = Reply();
    m_record.m_nId = person;
    m_record.m_sReference = Field(reply, PersonField::kReference);
    m_record.m_sSex = Field(reply, PersonField::kSex);
    m_record.m_sBirth = Field(reply, PersonField::kBirth);
    m_record.m_sDeath = Field(reply, PersonField::kDeath);
    m_record.m_sFatherSurety = Field(reply, PersonField::kFatherSurety);
    if (m_record.m_sFatherSurety.empty())
        m_record.m_sFatherSurety = " ";
    m_record.m_nFather = IsSuretyAccepted(m_record.m_sFatherSurety) ? IntegerField(reply, PersonField::kFather) : 0;
    m_record.m_sMotherSurety = Field(reply, PersonField::kMotherSurety);
    if (m_record.m_sMotherSurety.empty())
        m_record.m_sMotherSurety = " ";
    m_record.m_nMother = IsSuretyAccepted(m_record.m_sMotherSurety) ? IntegerField(reply, PersonField::kMother) : 0;
    m_record.m_sBirthOrder = Field(reply, PersonField::kBirthOrder);

    m_flagValues.clear();
    m_nLastCode = KxFlags(kFlagValues, m_reply.data(), m_message.data());
    if (m_nLastCode != 0) {
        FailRead(person, m_nLastCode);
        return false;
    }
    const std::string values = Reply();
    for (const auto& [index, name] : m_flagNames)
        m_flagValues[name] = ReplyText::Token(values, static_cast<int>(index), '|');
    return true;
}

std::string ProjectDatabase::GetFlagValue(const std::string& name) const
{
    const auto found = m_flagValues.find(name);
    return found == m_flagValues.end() ? std::string() : found->second;
}

std::string ProjectDatabase::Token(const std::string& text, int index, char separator)
{
    return ReplyText::Token(text, index, separator);
}

bool ProjectDatabase::IsSuretyAccepted(const std::string& surety) const
{
    return m_options.IsSuretyAccepted(surety);
}

bool ProjectDatabase::ReadTagType(std::int32_t type, std::string& reply)
{
    m_nLastCode = KxTagType(type, m_tagReply.data(), m_message.data());
    if (m_nLastCode != 0) {
        reply.clear();
        if (m_nLastCode < 0)
            EndsWalk(m_nLastCode);
        return false;
    }
    reply = BufferText(m_tagReply);
    return true;
}

template <typename Visit>
void ProjectDatabase::WalkPrincipalEvents(std::int32_t person, Visit visit)
{
    // Person 0 and below stand for empty records, which take part in no event.
    if (!m_bOpen || person <= 0)
        return;
    for (std::int32_t restart = kRestart;; restart = kContinue) {
        m_nLastCode = KxWitness(restart, m_reply.data(), m_message.data());
        if (m_nLastCode != 0) {
            EndsWalk(m_nLastCode);
            return;
        }
        const std::string witness = Reply();
        if (!Field(witness, WitnessField::kPrimary).starts_with("T"))
            continue;
        m_nLastCode = KxEventDirect(IntegerField(witness, WitnessField::kEvent), m_reply.data(), m_message.data());
        if (m_nLastCode < 0) {
            EndsWalk(m_nLastCode);
            return;
        }
        if (m_nLastCode != 0)
            continue;  // a participation whose event is gone
        Event event;
        event.reply = Reply();
        event.etype = IntegerField(event.reply, EventField::kType);
        event.other = IntegerField(event.reply, EventField::kSecondPrincipal);
        if (event.other == person)
            event.other = IntegerField(event.reply, EventField::kFirstPrincipal);
        std::string tag;
        ReadTagType(event.etype, tag);
        if (!m_bOpen)
            return;
        event.admin = IntegerField(tag, TagField::kGroup);
        event.abbreviation = Field(tag, TagField::kAbbreviation);
        if (visit(event))
            return;
    }
}

std::string ProjectDatabase::EventSortDate(const std::string& event)
{
    std::string key = Field(event, EventField::kSortDate);
    if (key.empty())
        key = Field(event, EventField::kDate);
    const std::size_t colon = key.find(':');
    if (colon != std::string::npos)
        key = key.substr(colon + 1) + key.substr(0, colon + 1);
    if (key == kNoDate)
        key = "    /  /  ";
    return key;
}

std::string ProjectDatabase::BirthSortKey(std::int32_t person, const std::string& birth, const std::string& birthOrder)
{
    std::string key;
    WalkPrincipalEvents(person, [&](const Event& event) {
        if (event.admin != EventGroup::kBirth)
            return false;
        key = EventSortDate(event.reply);
        return true;
    });
    if (key.empty())
        key = birth;
    const std::string order = birthOrder == "?" ? "00" : Printf("%02d", ParseInt32(birthOrder));
    return order + key;
}

std::string ProjectDatabase::GetBirthSortKey()
{
    if (!m_bOpen)
        return {};
    return BirthSortKey(m_nCurrentPerson, m_record.m_sBirth, m_record.m_sBirthOrder);
}

int ProjectDatabase::ReadSiblings()
{
    m_siblings.clear();
    if (!m_bOpen)
        return -1;
    std::set<std::int32_t> candidates;
    for (const std::int32_t parent : {m_record.m_nFather, m_record.m_nMother}) {
        if (parent <= 0)
            continue;  // no parent, no brothers or sisters through it
        m_nLastCode = KxIndiv(parent, m_reply.data(), m_message.data());
        if (m_nLastCode != 0) {
            FailRead(parent, m_nLastCode);
            return -1;
        }
        for (std::int32_t which = kChildLinks;; which = kContinue) {
            m_nLastCode = KxRelative(which, m_reply.data(), m_message.data());
            if (m_nLastCode != 0) {
                EndsWalk(m_nLastCode);
                break;
            }
            const std::int32_t child = IntegerField(Reply(), RelativeField::kPerson);
            if (child != m_nCurrentPerson)
                candidates.insert(child);
        }
        if (!m_bOpen)
            return -1;
    }
    for (const std::int32_t candidate : candidates) {
        m_nLastCode = KxIndiv(candidate, m_reply.data(), m_message.data());
        if (m_nLastCode != 0) {
            FailRead(candidate, m_nLastCode);
            return -1;
        }
        const std::string reply = Reply();
        if (IntegerField(reply, PersonField::kFather) != m_record.m_nFather
            || IntegerField(reply, PersonField::kMother) != m_record.m_nMother)
            continue;
        std::string key = BirthSortKey(candidate, Field(reply, PersonField::kBirth), Field(reply, PersonField::kBirthOrder));
        if (!m_bOpen)
            return -1;
        m_siblings.emplace_back(std::move(key), candidate);
    }
    if (!RestoreCurrentPerson())
        return -1;
    SortByKey(m_siblings);
    return static_cast<int>(m_siblings.size());
}

std::int32_t ProjectDatabase::GetSibling(int index) const
{
    if (index < 0 || static_cast<std::size_t>(index) >= m_siblings.size())
        return -1;
    return m_siblings[static_cast<std::size_t>(index)].second;
}

int ProjectDatabase::ReadSpouses()
{
    m_spouses.clear();
    if (!m_bOpen)
        return -1;
    WalkPrincipalEvents(m_nCurrentPerson, [&](const Event& event) {
        if (event.admin != EventGroup::kMarriage || event.other <= 0)
            return false;
        const bool known = std::any_of(m_spouses.begin(), m_spouses.end(),
                                       [&event](const auto& spouse) { return spouse.second == event.other; });
        if (!known)
            m_spouses.emplace_back(EventSortDate(event.reply), event.other);
        return false;
    });
    if (!m_bOpen)
        return -1;
    if (m_nCurrentPerson > 0 && !RestoreCurrentPerson())
        return -1;
    SortByKey(m_spouses);
    return static_cast<int>(m_spouses.size());
}

std::int32_t ProjectDatabase::GetSpouse(int index) const
{
    if (index < 0 || static_cast<std::size_t>(index) >= m_spouses.size())
        return -1;
    return m_spouses[static_cast<std::size_t>(index)].second;
}

int ProjectDatabase::ReadChildren(PersonNodeList& nodes)
{
    if (!m_bOpen)
        return -1;
    const std::size_t first = nodes.size();
    const std::int32_t person = m_nCurrentPerson;
    if (person <= 0)
        return static_cast<int>(nodes.size());  // an empty record has no children
    for (std::int32_t which = kChildLinks;; which = kContinue) {
        m_nLastCode = KxRelative(which, m_reply.data(), m_message.data());
        if (m_nLastCode != 0) {
            EndsWalk(m_nLastCode);
            break;
        }
        const std::string reply = Reply();
        if (Field(reply, RelativeField::kPrimary) != "T")
            continue;
        auto node = std::make_unique<PersonNode>();
        node->m_nId = IntegerField(reply, RelativeField::kPerson);
        node->m_sKind = "S";
        nodes.push_back(std::move(node));
    }
    if (!m_bOpen)
        return -1;
    for (std::size_t i = first; i < nodes.size(); ++i) {
        PersonNode& node = *nodes[i];
        m_nLastCode = KxIndiv(node.m_nId, m_reply.data(), m_message.data());
        if (m_nLastCode != 0) {
            FailRead(node.m_nId, m_nLastCode);
            return -1;
        }
        const std::string reply = Reply();
        node.m_nFatherId = IntegerField(reply, PersonField::kFather);
        node.m_nMotherId = IntegerField(reply, PersonField::kMother);
        node.m_sSortKey = BirthSortKey(node.m_nId, Field(reply, PersonField::kBirth), Field(reply, PersonField::kBirthOrder));
        if (!m_bOpen)
            return -1;
    }
    std::stable_sort(nodes.begin() + static_cast<std::ptrdiff_t>(first), nodes.end(),
                     [](const auto& a, const auto& b) { return PersonNode::Precedes(*a, *b); });
    if (!RestoreCurrentPerson())
        return -1;
    return static_cast<int>(nodes.size());
}

std::string ProjectDatabase::GetName(std::int32_t maxLength)
{
    if (!m_bOpen || m_nCurrentPerson == 0)
        return " ";
    if (m_nCurrentPerson < 0)
        return m_options.m_sUnknownPhrase;
    for (std::int32_t restart = kRestart;; restart = kContinue) {
        m_nLastCode = KxName(restart, m_reply.data(), m_message.data());
        if (m_nLastCode != 0) {
            Fail(m_nLastCode, Printf("Error Reading Individual's Name\n Individaul = %d\nError Number = %d\n"
                                     " Error Message = %s\n",
                                     m_nCurrentPerson, m_nLastCode, Message().c_str()));
            return {};
        }
        if (Field(Reply(), NameField::kPrimary) == "T")
            break;
    }
    const std::string reply = Reply();
    return m_names.FormatName(Field(reply, NameField::kName), Field(reply, NameField::kSurety), m_nCurrentPerson,
                              m_record.m_sReference, maxLength);
}

std::string ProjectDatabase::CleanPart(const std::string& part) const
{
    return m_names.CleanPart(part);
}

std::string ProjectDatabase::FormatDate(const std::string& date) const
{
    return DisplayText::ConsistentNbsp(m_dates.FormatDate(date));
}

std::string ProjectDatabase::FormatPlace(std::int32_t place)
{
    std::string text;
    if (place != 0 && m_bOpen) {
        m_nLastCode = KxPlaces(place, m_reply.data(), m_message.data());
        if (m_nLastCode == 0)
            text = Reply();
        else if (m_nLastCode < 0)
            EndsWalk(m_nLastCode);
    }
    return m_places.FormatPlace(text);
}

bool ProjectDatabase::IsLiving() const
{
    return !m_options.m_bShowDetailsLiving && GetFlagValue("LIVING") == "Y";
}

const std::vector<DetailEntry>& ProjectDatabase::EntriesOf(const std::string& kind) const
{
    if (kind == "M")
        return m_options.m_listM;
    if (kind == "B")
        return m_options.m_listB;
    if (kind == "P")
        return m_options.m_listP;
    return m_options.m_listS;
}

int ProjectDatabase::GetDetailLines(const std::string& kind, std::vector<std::string>& lines, std::int32_t spouse)
{
    if (lines.empty())
        lines.resize(1);
    lines[0] = GetName(0);
    if (kind == "D") {
        const std::vector<std::string>& texts = m_options.m_listD;
        lines.resize(std::max(lines.size(), texts.size() + 1));
        std::copy(texts.begin(), texts.end(), lines.begin() + 1);
        return static_cast<int>(texts.size());
    }
    const std::vector<DetailEntry>& entries = EntriesOf(kind);
    if (entries.empty())
        return 0;
    if (IsLiving()) {
        lines.resize(std::max<std::size_t>(lines.size(), 2));
        lines[1] = m_options.m_sLivingPhrase;
        return 1;
    }
    lines.resize(std::max(lines.size(), entries.size() + 1));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const DetailEntry& entry = entries[i];
        lines[i + 1] =
            kind == "M" && entry.m_nGroup == EventGroup::kMarriage ? GetDetailLine(entry, spouse) : GetDetailLine(entry);
    }
    return static_cast<int>(entries.size());
}

std::string ProjectDatabase::GetDetailLine(const DetailEntry& entry, std::optional<std::int32_t> spouse)
{
    std::string line;
    WalkPrincipalEvents(m_nCurrentPerson, [&](const Event& event) {
        if (spouse && event.other != *spouse)
            return false;
        const bool dateAccepted = IsSuretyAccepted(Field(event.reply, EventField::kDateSurety));
        const bool placeAccepted = IsSuretyAccepted(Field(event.reply, EventField::kPlaceSurety));
        if (!dateAccepted && !placeAccepted)
            return false;
        if (entry.m_nType != 0 ? event.etype != entry.m_nType : event.admin != entry.m_nGroup)
            return false;
        if (entry.ShowsDate()) {
            line = event.abbreviation + " ";
            if (dateAccepted)
                line += m_dates.FormatDate(Field(event.reply, EventField::kDate)) + " ";
        }
        if (entry.ShowsPlace()) {
            if (!m_options.m_sPlacePreposition.empty())
                line += m_options.m_sPlacePreposition + " ";
            if (placeAccepted)
                line += FormatPlace(IntegerField(event.reply, EventField::kPlace));
        }
        return true;
    });
    if (line.empty() && m_options.m_bAddBlanksForMissing && entry.ShowsDate()) {
        std::string tag;
        for (std::int32_t type = 1; m_bOpen && ReadTagType(type, tag); ++type) {
            if (IntegerField(tag, TagField::kGroup) == entry.m_nGroup) {
                line = Field(tag, TagField::kAbbreviation);
                break;
            }
        }
        line += " " + std::string(15, '_');
    }
    return DisplayText::ConsistentNbsp(line);
}

std::string ProjectDatabase::EventDateOfGroup(std::int32_t group)
{
    std::string date;
    WalkPrincipalEvents(m_nCurrentPerson, [&](const Event& event) {
        if (event.admin != group)
            return false;
        date = IsSuretyAccepted(Field(event.reply, EventField::kDateSurety)) ? Field(event.reply, EventField::kDate)
                                                                             : kNoDate;
        return true;
    });
    return date;
}

std::string ProjectDatabase::GetLifeSpan(std::int32_t maxLength)
{
    if (!m_bOpen)
        return {};
    if (IsLiving())
        return m_options.m_sLivingPhrase;
    const std::string birth = EventDateOfGroup(EventGroup::kBirth);
    const std::string death = EventDateOfGroup(EventGroup::kDeath);
    return DisplayText::ConsistentNbsp(m_lifeSpans.FormatLifeSpan(birth, death, maxLength));
}

void ProjectDatabase::GetAccentColors(COLORREF& text, COLORREF& fill, COLORREF& shadow, COLORREF& line) const
{
    const AccentRule* chosen = &m_options.m_accentDefault;
    const std::vector<AccentRule>& rules = m_options.m_accentRules;
    // Rule i (from 1) is tested only while i is below the number of flag names.
    const auto stops = [&](std::size_t i) {
        return i >= m_flagNames.size() || i > rules.size() || rules[i - 1].m_sFlag.empty();
    };
    const auto matches = [&](std::size_t i) { return GetFlagValue(rules[i - 1].m_sFlag) == rules[i - 1].m_sValue; };
    std::size_t i = 1;
    for (; !stops(i); ++i) {
        if (matches(i)) {
            chosen = &rules[i - 1];
            break;
        }
    }
    if (m_options.m_bUseAccentConflict && chosen != &m_options.m_accentDefault) {
        for (std::size_t j = i + 1; !stops(j); ++j) {
            if (matches(j)) {
                chosen = &m_options.m_accentConflict;
                break;
            }
        }
    }
    text = chosen->m_crText;
    fill = chosen->m_crFill;
    shadow = chosen->m_crShadow;
    line = chosen->m_crLine;
}

namespace {

// The endings of the files the image readers can take; the test is made on
// the upper-cased path, so ".jpeg" and ".gif" files are not shown.
constexpr std::array<std::string_view, 5> kPictureEndings = {".BMP", ".JPG", ".PCX", ".TIF", ".TGA"};

bool HasPictureEnding(const std::string& upperPath)
{
    return std::any_of(kPictureEndings.begin(), kPictureEndings.end(),
                       [&](std::string_view ending) { return upperPath.ends_with(ending); });
}

}  // namespace

std::unique_ptr<CODImageComponent> ProjectDatabase::GetPrimaryPicture()
{
    if (!m_bOpen || m_nCurrentPerson <= 0)
        return nullptr;
    // Code 11 ("no primary exhibit") and every other failure just mean no picture.
    if (KxPrimExhibit(m_reply.data(), m_message.data()) != 0)
        return nullptr;
    const std::string path = Field(Reply(), ExhibitField::kFile);
    if (!HasPictureEnding(TextCodec::ToUpper(path)))
        return nullptr;
    ImageFile probe;
    if (!probe.Open(path, ImageFile::Mode::Read))
        return nullptr;
    probe.Close();
    const std::unique_ptr<SECImage> image = LoadPicture(path);
    if (!image)
        return nullptr;
    CDC screen;
    const HBITMAP bitmap = image->MakeBitmap(&screen);
    if (!bitmap)
        return nullptr;
    const HPALETTE previous = image->GetPalette() ? screen.SelectPalette(image->GetPalette(), true) : nullptr;
    auto picture = std::make_unique<CODImageComponent>();
    const bool taken = picture->Create(bitmap, 0, CODImageComponent::kDefaultTransparentColor, &screen);
    if (previous)
        screen.SelectPalette(previous, true);
    return taken ? std::move(picture) : nullptr;
}
