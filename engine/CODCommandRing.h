#pragma once

#include "engine/CODCommand.h"

#include <array>
#include <memory>

// A ring of the newest commands: pushing onto a full ring hands back the
// oldest, which falls out.
class CODCommandRing {
public:
    static constexpr int kCapacity = 256;

    // The entry the new one takes the place of: the dropped oldest, or none.
    std::unique_ptr<CODCommand> Push(std::unique_ptr<CODCommand> pCommand);
    // The newest entry, or none when empty.
    std::unique_ptr<CODCommand> Pop();
    const CODCommand* Peek() const;
    int GetCount() const { return m_nCount; }
    bool IsEmpty() const { return m_nCount == 0; }
    void Clear();

private:
    std::array<std::unique_ptr<CODCommand>, kCapacity> m_entries;
    int m_nPosition = 0;
    int m_nCount = 0;
};
