#include "kxdata/Library.h"

#include "kxdata/CVexc.h"
#include "kxdata/RaiseError.h"

#include <cstdlib>

namespace {
std::string SystemTempDirectory()
{
    const char* fromEnvironment = std::getenv("TMPDIR");
    std::string directory = fromEnvironment != nullptr && *fromEnvironment != '\0' ? fromEnvironment : "/tmp";
    if (directory.back() != '/')
        directory += '/';
    return directory;
}

bool StartsWith(const std::string& text, char c)
{
    return !text.empty() && text[0] == c;
}
}  // namespace

Library& Library::Instance()
{
    static Library library;
    return library;
}

int Library::Run(char* out, char* msg, const std::function<int()>& work)
{
    SetMessageBuffer(msg);
    m_reply.Begin(out, m_nBufferSize);
    if (out != nullptr)
        out[0] = '\0';
    if (!m_bInitialised)
        return 0;
    try {
        const int code = work();
        if (code != 0)
            return code;
        if (msg != nullptr)
            msg[0] = '\0';
        m_reply.Finish();
        m_busy.Refresh();
        return 0;
    } catch (const CVexc& error) {
        if (error.Code() < 0)
            CloseProject();
        if (error.Code() != ReplyWriter::kOverflowCode)
            m_reply.Clear();
        return error.Code();
    }
}

int Library::Fail(char* out, char* msg, const char* what)
{
    SetMessageBuffer(msg);
    if (out != nullptr)
        out[0] = '\0';
    CloseProject();
    WriteMessage("Internal error: %s", what);
    return kInternalError;
}

int Library::EndOfList()
{
    WriteMessage("End of list.");
    m_reply.Clear();
    return 1;
}

void Library::CloseProject()
{
    m_project.reset();
    m_busy.Remove();
}

void Library::ResetPerson()
{
    m_nPerson = 0;
    m_nPersonRecord = 0;
    m_nNamePos = 0;
    m_nWitnessPos = 0;
    m_nExhibitPos = 0;
    m_nEventPos = 0;
    m_eventKey = Key::Count;
    m_nRelativePos = 0;
    m_nRelativeWhich = 0;
}

int Library::Init(int size, char* out, char* msg)
{
    SetMessageBuffer(msg);
    if (out != nullptr)
        out[0] = '\0';
    m_bInitialised = true;
    int code = 0;
    if (size > 0) {
        m_nBufferSize = size;
        WriteMessage("Buffer size is set to %d bytes", size);
    } else {
        m_nBufferSize = 0;
        WriteMessage("Invalid buffer size of %d . Use different buffer size.", size);
        code = 3;
    }
    m_busy.Refresh();
    return code;
}

int Library::Open(const char* path, char* msg)
{
    SetMessageBuffer(msg);
    // Opening writes no reply; the count starts at 0.
    m_reply.Begin(nullptr, 0);
    if (m_nBufferSize <= 0) {
        WriteMessage("Error - Buffer size not set");
        return -5;
    }
    try {
        // A second open replaces the project that is open.
        m_project.reset();
        ResetPerson();
        m_busy.Create();
        const TablePrefix prefix(path != nullptr ? path : "");
        m_strTempDirectory = SystemTempDirectory();
        m_project = std::make_unique<Project>(prefix, [this] { m_busy.Refresh(); });
        if (msg != nullptr)
            msg[0] = '\0';
        return 0;
    } catch (const CVexc& error) {
        CloseProject();
        return error.Code();
    }
}

int Library::Close(char* msg)
{
    SetMessageBuffer(msg);
    if (!m_bInitialised)
        return 0;
    CloseProject();
    if (msg != nullptr)
        msg[0] = '\0';
    return 0;
}

void Library::WriteField(Table table, int64_t record, int field)
{
    std::string text;
    m_project->TableOf(table).ReadField(record, field, text);
    m_reply.Field(text);
}

void Library::WriteMemo(Table table, char memoLetter, int64_t record, int field, MemoMapping mapping)
{
    const int32_t block = m_project->TableOf(table).ReadInteger(record, field);
    WriteMemoField(m_reply, m_project->MemoOf(memoLetter).Read(block), mapping);
}

void Library::WriteDate(Table table, int64_t record, int field)
{
    WriteDateField(m_reply, m_project->TableOf(table).Field(record, field));
}

void Library::ApplyReplacement(std::string_view from, std::string_view to, int* count)
{
    std::string text(m_reply.Text());
    const int replaced = ReplaceAll(text, from, to);
    if (count != nullptr)
        *count = replaced;
    m_reply.Rewrite(text);
}

int Library::Indiv(int number)
{
    if (!HasProject())
        return EndOfList();
    DbfTable& persons = m_project->TableOf(Table::Person);
    if (number <= 0) {
        m_reply.Field(std::to_string(persons.RecordCount()));
        return 0;
    }
    m_nPerson = number;
    m_nPersonRecord = m_project->IndexOf(Key::PersonNumber).FindNext(0, number);
    if (m_nPersonRecord == 0)
        RaiseError(2, "ID Number Not In Database.");
    const int64_t r = m_nPersonRecord;
    using namespace PersonField;
    WriteField(Table::Person, r, PER_NO);
    WriteField(Table::Person, r, REFERENCE);
    WriteField(Table::Person, r, SEX);
    WriteDate(Table::Person, r, PBIRTH);
    WriteDate(Table::Person, r, PDEATH);
    WriteField(Table::Person, r, FATHER);
    WriteParentSurety(FATHER);
    WriteField(Table::Person, r, MOTHER);
    WriteParentSurety(MOTHER);
    WriteField(Table::Person, r, SPOULAST);
    WriteField(Table::Person, r, BIRTHORDER);
    WriteField(Table::Person, r, ANCE_INT);
    WriteField(Table::Person, r, DESC_INT);
    WriteField(Table::Person, r, LAST_EDIT);
    return 0;
}

void Library::WriteParentSurety(int parentField)
{
    const int32_t parent = m_project->TableOf(Table::Person).ReadInteger(m_nPersonRecord, parentField);
    const KeyIndex& children = m_project->IndexOf(Key::LinkChild);
    const KeyIndex& parents = m_project->IndexOf(Key::LinkParent);
    for (int32_t p = children.FindNext(0, m_nPerson); p != 0; p = children.FindNext(p, m_nPerson)) {
        if (parents.Value(p) == parent) {
            WriteField(Table::Link, p, LinkField::PSURE);
            return;
        }
    }
    m_reply.Put('|');
}

int Library::Flags(int which)
{
    if (!HasProject())
        return EndOfList();
    static constexpr int kFlagFields[] = {PersonField::SEX,        PersonField::LIVING,  PersonField::BIRTHORDER,
                                          PersonField::MULTIBIRTH, PersonField::ADOPTED, PersonField::ANCE_INT,
                                          PersonField::DESC_INT};
    DbfTable& persons = m_project->TableOf(Table::Person);
    const std::vector<FieldSlot>& slots = persons.Slots();
    // Without DESC_INT the table has no further flag fields.
    const int32_t firstExtra = m_project->DescIntSlot() > 0 ? m_project->DescIntSlot() + 1
                                                            : static_cast<int32_t>(slots.size()) + 1;
    if (which != 0) {
        const std::vector<std::string>& wanted = ProjectTableSpecs()[static_cast<size_t>(Table::Person)].wanted;
        for (const int field : kFlagFields) {
            const int32_t slot = persons.SlotOf(field);
            // A flag field the table lacks is named as asked for; its values read empty.
            m_reply.Field(EscapeText(slot > 0 ? std::string(slots[slot - 1].name) : wanted[field - 1]));
        }
        for (int32_t s = firstExtra; s <= static_cast<int32_t>(slots.size()); ++s)
            m_reply.Field(EscapeText(slots[s - 1].name));
        return 0;
    }
    if (m_nPersonRecord == 0)
        return EndOfList();
    for (const int field : kFlagFields)
        WriteField(Table::Person, m_nPersonRecord, field);
    std::string text;
    for (int32_t s = firstExtra; s <= static_cast<int32_t>(slots.size()); ++s) {
        text.clear();
        persons.ReadField(m_nPersonRecord, s, text, false);
        m_reply.Field(text);
    }
    return 0;
}

int Library::Name(int restart)
{
    if (!HasProject())
        return EndOfList();
    if (restart != 0)
        m_nNamePos = 0;
    if (m_nNamePos == -1)
        return EndOfList();
    const int32_t p = m_project->IndexOf(Key::NamePerson).FindNext(m_nNamePos, m_nPerson);
    if (p == 0) {
        m_nNamePos = -1;
        return EndOfList();
    }
    m_nNamePos = p;
    using namespace NameField;
    WriteMemo(Table::Name, 'N', p, NAME, MemoMapping::Name);
    WriteField(Table::Name, p, NSURE);
    WriteField(Table::Name, p, ALTYPE);
    WriteField(Table::Name, p, ISPICKED);
    WriteField(Table::Name, p, INFS);
    WriteField(Table::Name, p, INFG);
    WriteField(Table::Name, p, PRIMARY);
    WriteMemo(Table::Name, 'N', p, NNOTE, MemoMapping::Plain);
    WriteField(Table::Name, p, FSURE);
    WriteField(Table::Name, p, NDATE);
    WriteField(Table::Name, p, DSURE);
    WriteField(Table::Name, p, STRDATE);
    return 0;
}

int Library::Relative(int which)
{
    if (!HasProject())
        return EndOfList();
    if (which == 1 || which == 2)
        m_nRelativeWhich = which;
    if (which != 0)
        m_nRelativePos = 0;
    if (m_nRelativeWhich == 0)
        return EndOfList();
    const bool parents = m_nRelativeWhich == 1;
    const int32_t p = m_project->IndexOf(parents ? Key::LinkChild : Key::LinkParent).FindNext(m_nRelativePos, m_nPerson);
    if (p == 0) {
        // Unlike the other lists this one starts over after its end.
        m_nRelativePos = 0;
        return EndOfList();
    }
    m_nRelativePos = p;
    using namespace LinkField;
    WriteField(Table::Link, p, parents ? PARENT : CHILD);
    WriteField(Table::Link, p, PTYPE);
    WriteField(Table::Link, p, PRIMARY);
    WriteField(Table::Link, p, PSURE);
    WriteMemo(Table::Link, 'F', p, PNOTE, MemoMapping::Plain);
    WriteField(Table::Link, p, FSURE);
    return 0;
}

int Library::Event(int which)
{
    if (!HasProject())
        return EndOfList();
    if (which == 1 || which == 2)
        m_eventKey = which == 1 ? Key::EventPer1 : Key::EventPer2;
    if (which != 0)
        m_nEventPos = 0;
    if (m_eventKey == Key::Count || m_nEventPos == -1)
        return EndOfList();
    const int32_t p = m_project->IndexOf(m_eventKey).FindNext(m_nEventPos, m_nPerson);
    if (p == 0) {
        m_nEventPos = -1;
        return EndOfList();
    }
    m_nEventPos = p;
    WriteEventRecord(p);
    return 0;
}

int Library::EventDirect(int number)
{
    if (!HasProject() || number < 0)
        return EndOfList();
    if (m_project->IndexOf(Key::EventRecno).FindNext(0, number) == 0)
        return EndOfList();
    // The event number is taken as the record number; RECNO only tells that the event exists.
    WriteEventRecord(number);
    return 0;
}

void Library::WriteEventRecord(int64_t r)
{
    using namespace EventField;
    WriteField(Table::Event, r, ETYPE);
    WriteField(Table::Event, r, PER1);
    WriteField(Table::Event, r, ENSURE);
    WriteField(Table::Event, r, PER1SHOW);
    WriteField(Table::Event, r, PER2);
    WriteField(Table::Event, r, ESSURE);
    WriteField(Table::Event, r, PER2SHOW);
    WriteDate(Table::Event, r, EDATE);
    WriteField(Table::Event, r, EDSURE);
    WriteField(Table::Event, r, PLACENUM);
    WriteField(Table::Event, r, EPSURE);
    WriteMemo(Table::Event, 'G', r, EFOOT, MemoMapping::Plain);
    WriteField(Table::Event, r, EFSURE);
    WriteField(Table::Event, r, SENTENCE);
    DbfTable& participants = m_project->TableOf(Table::Participant);
    const KeyIndex& byEvent = m_project->IndexOf(Key::ParticipantEvent);
    const int32_t event = static_cast<int32_t>(r);
    std::string person;
    bool first = true;
    for (int32_t p = byEvent.FindNext(0, event); p != 0; p = byEvent.FindNext(p, event)) {
        if (!first)
            m_reply.Put('~');
        first = false;
        person.clear();
        participants.ReadField(p, ParticipantField::EPER, person);
        m_reply.Put(person);
    }
    m_reply.Put('|');
    WriteDate(Table::Event, r, SRTDATE);
}

int Library::Witness(int restart)
{
    if (!HasProject())
        return EndOfList();
    if (restart != 0)
        m_nWitnessPos = 0;
    if (m_nWitnessPos == -1)
        return EndOfList();
    const int32_t p = m_project->IndexOf(Key::ParticipantPerson).FindNext(m_nWitnessPos, m_nPerson);
    if (p == 0) {
        m_nWitnessPos = -1;
        return EndOfList();
    }
    m_nWitnessPos = p;
    WriteField(Table::Participant, p, ParticipantField::PRIMARY);
    WriteField(Table::Participant, p, ParticipantField::GNUM);
    return 0;
}

int Library::TagType(int number)
{
    if (!HasProject() || number < 0)
        return EndOfList();
    const int32_t p = m_project->IndexOf(Key::TagNumber).FindNext(0, number);
    if (p == 0)
        return EndOfList();
    WriteField(Table::Tag, p, TagField::ADMIN);
    WriteField(Table::Tag, p, TagField::ETYPENAME);
    WriteField(Table::Tag, p, TagField::ABBREV);
    return 0;
}

int Library::Places(int number)
{
    if (!HasProject() || number < 0)
        return EndOfList();
    const int32_t p = m_project->IndexOf(Key::PlaceRecno).FindNext(0, number);
    if (p == 0)
        return EndOfList();
    WriteMemo(Table::Place, 'P', p, PlaceField::PLACE, MemoMapping::Plain);
    ApplyReplacement("$!&", "~");
    int lineBreaks = 0;
    ApplyReplacement("^1", "~", &lineBreaks);
    if (lineBreaks == 0)
        ApplyReplacement("~|", "~~|");
    return 0;
}

int Library::Source(int number)
{
    if (!HasProject() || number < 0)
        return EndOfList();
    const int32_t p = m_project->IndexOf(Key::SourceNumber).FindNext(0, number);
    if (p == 0)
        return EndOfList();
    using namespace SourceField;
    for (int field = MACTIVE; field <= CITED; ++field) {
        const bool memo = field == TITLE || field == TEXT || field == INFO || field == FFORM || field == SFORM ||
                          field == BFORM;
        if (memo)
            WriteMemo(Table::Source, 'M', p, field, MemoMapping::Plain);
        else
            WriteField(Table::Source, p, field);
    }
    ApplyReplacement("$!&", "~");
    return 0;
}

int32_t Library::NextExhibit(int32_t start, bool primary)
{
    DbfTable& exhibits = m_project->TableOf(Table::Exhibit);
    const KeyIndex& byOwner = m_project->IndexOf(Key::ExhibitOwner);
    for (int32_t p = byOwner.FindNext(start, m_nPerson); p != 0; p = byOwner.FindNext(p, m_nPerson)) {
        if (!StartsWith(exhibits.Field(p, ExhibitField::RLTYPE), '_'))
            continue;
        const std::string flag = exhibits.Field(p, ExhibitField::PRIMARY);
        if (primary ? StartsWith(flag, 'T') : (flag.empty() || StartsWith(flag, 'F')))
            return p;
    }
    return 0;
}

int Library::PrimExhibit()
{
    if (!HasProject())
        return EndOfList();
    const int32_t p = NextExhibit(0, true);
    if (p == 0)
        RaiseError(11, "No promary exhibit");
    WriteExhibitRecord(p);
    return 0;
}

int Library::Exhibit(int restart)
{
    if (!HasProject())
        return EndOfList();
    if (restart != 0)
        m_nExhibitPos = 0;
    if (m_nExhibitPos == -1)
        return EndOfList();
    const int32_t p = NextExhibit(m_nExhibitPos, false);
    if (p == 0) {
        m_nExhibitPos = -1;
        return EndOfList();
    }
    m_nExhibitPos = p;
    WriteExhibitRecord(p);
    return 0;
}

void Library::WriteExhibitRecord(int64_t r)
{
    DbfTable& exhibits = m_project->TableOf(Table::Exhibit);
    WriteField(Table::Exhibit, r, ExhibitField::XNAME);
    const int32_t type = exhibits.ReadInteger(r, ExhibitField::EXHTYPE);
    const int kind = type - 1;
    if (type < 1 || type > 4) {
        // Only types 1 to 4 name a file; any other gets an empty path.
        m_reply.Put('|');
    } else {
        const int32_t block = kind != 3 ? exhibits.ReadInteger(r, ExhibitField::TEXT + kind) : 0;
        if (block != 0) {
            m_busy.Refresh();
            const std::string file = m_extractor.Extract(m_project->MemoOf('I').Read(block), kind, m_strTempDirectory);
            m_busy.Refresh();
            // Empty when the file could not be written: a path must name what it holds.
            m_reply.Field(file);
        } else {
            // An external file: its name is the memo of IFILENAME, AFILENAME or TFILENAME.
            const int nameField = type == 1 ? ExhibitField::TFILENAME : type;
            WriteMemo(Table::Exhibit, 'I', r, nameField, MemoMapping::Raw);
        }
    }
    const std::string flag = exhibits.Field(r, ExhibitField::PRIMARY);
    m_reply.Field(StartsWith(flag, 'T') ? flag : std::string("F"));
}
