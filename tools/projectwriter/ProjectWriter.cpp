#include "tools/projectwriter/ProjectWriter.h"

#include "kxdata/TablePrefix.h"
#include "tools/projectwriter/TableLayouts.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace {
std::string Join(const std::vector<std::string>& parts, const std::string& separator)
{
    std::string joined;
    for (size_t i = 0; i < parts.size(); ++i) {
        if (i > 0)
            joined += separator;
        joined += parts[i];
    }
    return joined;
}

std::string Number(int value)
{
    return std::to_string(value);
}


void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file)
        throw std::runtime_error("cannot write " + path);
}
}  // namespace

ProjectWriter::ProjectWriter()
{
    for (TableLayout& layout : DefaultTableLayouts()) {
        m_tables.emplace(layout.letter, TableState{DbfBuilder(std::move(layout.fields), layout.hasMemoFile),
                                                   layout.hasMemoFile, MemoBuilder()});
        m_order += layout.letter;
    }
}

ProjectWriter::TableState& ProjectWriter::State(char table)
{
    const auto found = m_tables.find(table);
    if (found == m_tables.end())
        throw std::invalid_argument(std::string("no table ") + table);
    return found->second;
}

void ProjectWriter::AddField(char table, const std::string& name, char type, int length)
{
    State(table).table.AddField({name, type, length});
}

void ProjectWriter::RemoveField(char table, const std::string& name)
{
    State(table).table.RemoveField(name);
}

void ProjectWriter::SetFieldLength(char table, const std::string& name, int length)
{
    State(table).table.SetFieldLength(name, length);
}

int ProjectWriter::AddRecord(char table, const ProjectFields& values)
{
    TableState& state = State(table);
    // Check every name before the record exists, so a bad call leaves the table as it was.
    std::vector<int> indexes;
    for (const auto& [name, value] : values) {
        const int index = state.table.FieldIndex(name);
        if (index < 0)
            throw std::invalid_argument(std::string("table ") + table + " has no field " + name);
        indexes.push_back(index);
    }
    const int record = state.table.AddRecord();
    for (size_t i = 0; i < values.size(); ++i) {
        const FieldDef& field = state.table.Fields()[static_cast<size_t>(indexes[i])];
        const std::string& value = values[i].second;
        if (field.type == 'M') {
            if (value.empty())
                continue;
            const bool binary = field.name == "IMAGE" || field.name == "AUDIO" || field.name == "OLE_OBJECT";
            const uint32_t block = state.memo.Add(value, binary ? MemoBuilder::kBinaryType : MemoBuilder::kTextType);
            state.table.Set(record, indexes[i], std::to_string(block));
        } else {
            state.table.Set(record, indexes[i], value);
        }
    }
    return record;
}

int ProjectWriter::AddTyped(char table, const ProjectFields& fields, const ProjectFields& more)
{
    // A field removed from the layout is left out when the record would only give it its default.
    const DbfBuilder& builder = State(table).table;
    ProjectFields kept;
    for (const auto& field : fields) {
        if (builder.FieldIndex(field.first) >= 0 || (!field.second.empty() && field.second != "0"))
            kept.push_back(field);
    }
    kept.insert(kept.end(), more.begin(), more.end());
    return AddRecord(table, kept);
}

void ProjectWriter::MarkDeleted(char table, int record)
{
    State(table).table.MarkDeleted(record);
}

int ProjectWriter::AddPerson(const PersonRecordSpec& p)
{
    ProjectFields fields = {{"PER_NO", Number(p.number)}, {"SEX", p.sex},
                            {"PBIRTH", p.birth},          {"PDEATH", p.death},
                            {"FATHER", Number(p.father)}, {"MOTHER", Number(p.mother)},
                            {"REFERENCE", p.reference},   {"SPOULAST", p.spouseLast},
                            {"BIRTHORDER", p.birthOrder}, {"LIVING", p.living},
                            {"LAST_EDIT", p.lastEdit}};
    return AddTyped('$', fields, p.more);
}

int ProjectWriter::AddName(const NameRecordSpec& n)
{
    ProjectFields fields = {{"NPER", Number(n.person)},
                            {"NAME", Join(n.parts, "$")},
                            {"PRIMARY", n.primary},
                            {"NSURE", n.surety},
                            {"NNOTE", n.note}};
    return AddTyped('N', fields, n.more);
}

int ProjectWriter::AddEvent(const EventRecordSpec& e)
{
    TableState& state = State('G');
    ProjectFields fields = {{"ETYPE", Number(e.type)},
                            {"PER1", Number(e.per1)},
                            {"PER2", Number(e.per2)},
                            {"EDATE", e.date},
                            {"PLACENUM", Number(e.place)},
                            {"SRTDATE", e.sortDate},
                            {"EFOOT", e.note},
                            {"SENTENCE", e.sentence},
                            {"RECNO", Number(state.table.RecordCount() + 1)}};
    return AddTyped('G', fields, e.more);
}

int ProjectWriter::AddParticipant(const ParticipantRecordSpec& p)
{
    ProjectFields fields = {{"EPER", Number(p.person)}, {"GNUM", Number(p.event)}, {"PRIMARY", p.primary ? "T" : "F"}};
    return AddTyped('E', fields, p.more);
}

int ProjectWriter::AddParentLink(const ParentLinkRecordSpec& l)
{
    ProjectFields fields = {{"CHILD", Number(l.child)}, {"PARENT", Number(l.parent)}, {"PSURE", l.surety},
                            {"PRIMARY", l.primary ? "T" : "F"}, {"PTYPE", l.type}, {"PNOTE", l.note}};
    return AddTyped('F', fields, l.more);
}

int ProjectWriter::AddTagType(const TagTypeRecordSpec& t)
{
    ProjectFields fields = {{"ETYPENUM", Number(t.number)}, {"ETYPENAME", t.name}, {"ADMIN", Number(t.admin)},
                            {"ABBREV", t.abbrev}};
    return AddTyped('T', fields, t.more);
}

int ProjectWriter::AddPlace(const PlaceRecordSpec& p)
{
    ProjectFields fields = {{"RECNO", Number(p.number)}, {"PLACE", Join(p.parts, "$!&")}};
    return AddTyped('P', fields, p.more);
}

int ProjectWriter::AddExhibit(const ExhibitRecordSpec& x)
{
    static const char* const kEmbedded[] = {"TEXT", "IMAGE", "AUDIO", "OLE_OBJECT"};
    static const char* const kExternal[] = {"TFILENAME", "IFILENAME", "AFILENAME", "TFILENAME"};
    if (x.type < 1 || x.type > 4)
        throw std::invalid_argument("exhibit type must be 1 to 4");
    ProjectFields fields = {{"RLNUM", Number(x.person)}, {"RLTYPE", x.owner},
                            {"EXHTYPE", Number(x.type)}, {"XNAME", x.name},
                            {"PRIMARY", x.primary ? "T" : "F"}};
    if (!x.data.empty())
        fields.emplace_back(kEmbedded[x.type - 1], x.data);
    if (!x.file.empty())
        fields.emplace_back(kExternal[x.type - 1], x.file);
    return AddTyped('I', fields, x.more);
}

int ProjectWriter::AddSource(const SourceRecordSpec& s)
{
    ProjectFields fields = {{"MAJNUM", Number(s.number)}, {"ABBREV", s.abbrev}, {"TITLE", s.title}};
    return AddTyped('M', fields, s.more);
}

std::string ProjectWriter::FileName(const std::string& projectPath, char table, const std::string& extension)
{
    // The reader's own naming rule, so a written project is always found.
    return TablePrefix(projectPath).FileName(table, ("." + extension).c_str());
}

void ProjectWriter::Write(const std::string& projectPath)
{
    for (const char letter : m_order) {
        TableState& state = m_tables.at(letter);
        WriteFile(FileName(projectPath, letter, "DBF"), state.table.Bytes());
        if (state.hasMemoFile)
            WriteFile(FileName(projectPath, letter, "FPT"), state.memo.Bytes());
    }
}

void ProjectWriter::WriteReplacing(const std::string& projectPath)
{
    namespace fs = std::filesystem;
    const std::string::size_type slash = projectPath.find_last_of("/\\");
    const std::string directory = slash == std::string::npos ? "." : projectPath.substr(0, slash);
    const std::string base = slash == std::string::npos ? projectPath : projectPath.substr(slash + 1);
    std::string folder = directory + "/.project-XXXXXX";
    if (mkdtemp(folder.data()) == nullptr)
        throw std::runtime_error("cannot make a temporary directory in " + directory);
    const std::string fresh = folder + "/" + base;
    const std::string previous = folder + "/old-" + base;
    std::vector<std::pair<char, const char*>> files;
    for (const char letter : m_order) {
        files.emplace_back(letter, "DBF");
        if (m_tables.at(letter).hasMemoFile)
            files.emplace_back(letter, "FPT");
    }
    // The files of a project already there are moved aside first, so that a
    // failed rename can put every one of them back.
    std::vector<std::pair<char, const char*>> movedAside;
    std::vector<std::pair<char, const char*>> movedIn;
    std::error_code error;
    try {
        Write(fresh);
        for (const auto& [letter, extension] : files) {
            const std::string target = FileName(projectPath, letter, extension);
            if (!fs::is_regular_file(target, error))
                continue;
            fs::rename(target, FileName(previous, letter, extension), error);
            if (error)
                throw std::runtime_error("cannot move " + target + " aside");
            movedAside.emplace_back(letter, extension);
        }
        for (const auto& [letter, extension] : files) {
            const std::string target = FileName(projectPath, letter, extension);
            fs::rename(FileName(fresh, letter, extension), target, error);
            if (error)
                throw std::runtime_error("cannot rename into " + target);
            movedIn.emplace_back(letter, extension);
        }
    } catch (...) {
        for (const auto& [letter, extension] : movedIn)
            fs::remove(FileName(projectPath, letter, extension), error);
        for (const auto& [letter, extension] : movedAside)
            fs::rename(FileName(previous, letter, extension), FileName(projectPath, letter, extension), error);
        fs::remove_all(folder, error);
        throw;
    }
    fs::remove_all(folder, error);
}
