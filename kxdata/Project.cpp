#include "kxdata/Project.h"

#include "kxdata/ProjectFileName.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>

Project::Project(const TablePrefix& prefix, const std::function<void()>& afterIndex)
{
    const std::vector<TableSpec>& specs = ProjectTableSpecs();
    for (size_t t = 0; t < specs.size(); ++t) {
        m_tables[t] = DbfTable::Open(ResolveProjectFileName(prefix.FileName(specs[t].letter, ".DBF")),
                                     specs[t].wanted);
    }
    m_nDescIntSlot = TableOf(Table::Person).SlotOf(PersonField::DESC_INT);
    for (size_t m = 0; m < std::size(kMemoLetters); ++m)
        m_memos[m] = MemoFile::Open(ResolveProjectFileName(prefix.FileName(kMemoLetters[m], ".FPT")));
    BuildIndexes(afterIndex);
}

MemoFile& Project::MemoOf(char letter)
{
    const char* found = std::find(std::begin(kMemoLetters), std::end(kMemoLetters), letter);
    if (found == std::end(kMemoLetters))
        throw std::logic_error("no memo file for this table");
    return *m_memos[static_cast<size_t>(found - std::begin(kMemoLetters))];
}

void Project::BuildIndexes(const std::function<void()>& afterIndex)
{
    // Keys are listed table by table, so each table is read once for all its key columns.
    const std::vector<KeySpec>& keys = ProjectKeySpecs();
    size_t first = 0;
    while (first < keys.size()) {
        size_t last = first;
        while (last < keys.size() && keys[last].table == keys[first].table)
            ++last;
        DbfTable& table = TableOf(keys[first].table);
        std::vector<KeyColumn> columns(last - first);
        for (KeyColumn& column : columns)
            column.reserve(static_cast<size_t>(table.RecordCount()));
        table.ScanRecords([&](int64_t, const unsigned char* record) {
            for (size_t k = first; k < last; ++k)
                columns[k - first].push_back(table.IntegerOfRecord(record, keys[k].field));
        });
        for (size_t k = first; k < last; ++k) {
            m_indexes[k] = std::make_unique<KeyIndex>(std::move(columns[k - first]));
            afterIndex();
        }
        first = last;
    }
}
