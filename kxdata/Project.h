#pragma once

#include "kxdata/DbfTable.h"
#include "kxdata/KeyIndex.h"
#include "kxdata/MemoFile.h"
#include "kxdata/ProjectTables.h"
#include "kxdata/TablePrefix.h"

#include <array>
#include <functional>
#include <memory>

// An open project: the twelve tables, the nine memo files and the sixteen key
// columns. Construction raises the error of the first file that is missing or
// malformed; whatever was opened by then is released with the object.
class Project {
public:
    // afterIndex runs after each key column is built (the busy marker's refresh).
    Project(const TablePrefix& prefix, const std::function<void()>& afterIndex);

    DbfTable& TableOf(Table table) { return *m_tables[static_cast<size_t>(table)]; }
    MemoFile& MemoOf(char letter);
    const KeyIndex& IndexOf(Key key) const { return *m_indexes[static_cast<size_t>(key)]; }
    // Slot of DESC_INT in the person table: the further flag fields follow it.
    int32_t DescIntSlot() const { return m_nDescIntSlot; }

private:
    void BuildIndexes(const std::function<void()>& afterIndex);

    std::array<std::unique_ptr<DbfTable>, static_cast<size_t>(Table::Count)> m_tables;
    std::array<std::unique_ptr<MemoFile>, std::size(kMemoLetters)> m_memos;
    std::array<std::unique_ptr<KeyIndex>, static_cast<size_t>(Key::Count)> m_indexes;
    int32_t m_nDescIntSlot = 0;
};
